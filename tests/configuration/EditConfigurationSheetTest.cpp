// The Configuration page and the edit-configuration sheet offscreen, on a
// model contacted with the simulated tuner. The edit machine's rules (what
// differs, what is sent) have their own tests: these show the wiring.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "tests/support/UiTestSupport.h"
#include "ui/configuration/AntennaPage.h"
#include "ui/operate/BandGroup.h"
#include "ui/configuration/ConfigurationPage.h"
#include "ui/configuration/EditConfigurationSheet.h"
#include "ui/configuration/KeyInterruptPowerPage.h"
#include "ui/configuration/SwrThresholdEdit.h"
#include "ui/configuration/SwrThresholdPage.h"

namespace {

class SheetFixture : public ModelFixture {
 public:
  SheetFixture() : ModelFixture(Firmware("01.39")) {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  }
  // Between reads and writes OK is offered.
  bool WaitIdle() {
    return WaitFor([this] { return Model().ActiveMachine->IsIdle() && Button(QDialogButtonBox::Ok).isEnabled(); },
                   15000);
  }
  // The page's sheet goes as it closes.
  bool WaitClosed() { return WaitFor([this] { return sheet == nullptr || !sheet->isVisible(); }, 15000); }
  template <class P>
  P& ShowPage() { return ShowTab<P>(*sheet); }
  QPushButton& Button(QDialogButtonBox::StandardButton which) { return ::Button(*sheet, which); }

  QPointer<CEditConfigurationSheet> sheet;
};

// Replaces the text, typed key by key.
void Retype(QLineEdit& edit, const char* text) {
  edit.selectAll();
  QTest::keyClicks(&edit, text);
}

// Three whole digits at most; with a point up to six characters; one point,
// unless it replaces a selection; no other script's digits.
TEST(SwrThresholdEdit, CharacterRules) {
  const std::tuple<const char*, bool, char16_t, bool> keys[] = {
      {"150", false, u'0', false}, {"150.5", false, u'5', true}, {"150.55", false, u'5', false},
      {"1.5", false, u'.', false}, {"1.5", true, u'.', true},    {"1", false, 0x0663, false}};
  for (const auto& [text, selected, key, accepted] : keys)
    EXPECT_EQ(AcceptsSwrThresholdKey(text, selected, key), accepted) << text;
  // Pasted text passes no key filter: only a number becomes a threshold.
  EXPECT_TRUE(IsSwrThresholdText("2.5"));
  for (const char* text : {".", "1..5", "-1", "2,5"}) EXPECT_FALSE(IsSwrThresholdText(text)) << text;
}

// The page's Edit opens the sheet on what the tuner has; OK sends what was
// changed on all bands or on the chosen one and closes it.
TEST(EditConfigurationSheet, EditOpensItOnTheTunersValuesAndOkSendsTheChangesOfEachBand) {
  SheetFixture f;
  f.Sim().Config().Modify([](SimConfig& c) {
    for (SimBandConfig& band : c.bands) band.antennas[1] = 0;
    c.bands[2].antennas[1] = c.bands[7].antennas[1] = 1;
  });
  QWidget window;
  auto* page = new CConfigurationPage(&window);
  window.show();
  Child<QPushButton>(*page, "editButton").click();
  f.sheet = window.findChild<CEditConfigurationSheet*>();
  ASSERT_NE(f.sheet, nullptr);
  ASSERT_TRUE(f.WaitIdle());

  // All bands: a setting that differs between bands shows mixed; one click sets it everywhere.
  auto& antennas = f.ShowPage<CAntennaPage>();
  auto& enable2 = Child<QCheckBox>(antennas, "enableAntenna2");
  EXPECT_EQ(enable2.checkState(), Qt::PartiallyChecked);
  enable2.click();
  Child<QAbstractButton>(antennas, "band3").click();
  Child<QAbstractButton>(antennas, "preferred3").click();
  auto& thresholds = f.ShowPage<CSwrThresholdPage>();
  Retype(Child<QLineEdit>(thresholds, QStringLiteral("threshold%1").arg(CSwrThresholdPage::Autotune)), "2.5");

  f.Button(QDialogButtonBox::Ok).click();
  ASSERT_TRUE(f.WaitClosed());
  const SimConfig tuner = f.Sim().Config().State();
  for (unsigned band = 0; band < kBandCount; ++band) EXPECT_EQ(tuner.bands[band].antennas[1], 1u) << band;
  EXPECT_EQ(tuner.bands[3].preferred, 3u);
  EXPECT_EQ(tuner.bands[3].autotuneThreshold, "2.50");
  EXPECT_EQ(tuner.bands[2].autotuneThreshold, "1.50");
}

// Apply is offered while something differs and keeps the sheet; Cancel while
// a chain runs waits for its end.
TEST(EditConfigurationSheet, ApplyOnlyWhileSomethingDiffersAndCancelWaitsForTheWrite) {
  SheetFixture f;
  auto sheet = std::make_unique<CEditConfigurationSheet>();
  f.sheet = sheet.get();
  sheet->show();
  ASSERT_TRUE(f.WaitIdle());
  auto& enable1 = Child<QCheckBox>(f.ShowPage<CAntennaPage>(), "enableAntenna1");
  enable1.click();  // off on every band
  EXPECT_TRUE(f.Button(QDialogButtonBox::Apply).isEnabled());
  enable1.click();  // and on again: as the tuner has it
  EXPECT_FALSE(f.Button(QDialogButtonBox::Apply).isEnabled());

  auto& power = Child<QLineEdit>(f.ShowPage<CKeyInterruptPowerPage>(), "powerEdit");
  Retype(power, "99999");  // more than the tuner holds
  f.Button(QDialogButtonBox::Apply).click();
  ASSERT_TRUE(f.WaitIdle());
  EXPECT_TRUE(sheet->isVisible());
  EXPECT_EQ(f.Sim().Config().State().keyInterruptPower, 65535u);

  Retype(power, "1000");
  f.Button(QDialogButtonBox::Apply).click();
  f.Button(QDialogButtonBox::Cancel).click();
  EXPECT_TRUE(sheet->isVisible());
  ASSERT_TRUE(f.WaitClosed());
  EXPECT_EQ(f.Sim().Config().State().keyInterruptPower, 1000u);
}

TEST(EditConfigurationSheet, AFailedReadIsReportedAndLeavesTheSheetOpen) {
  SheetFixture f;
  const CTimeScaleScope faster(kFastTime);
  f.Sim().SetSilent(true);
  CEditConfigurationSheet sheet;
  sheet.show();
  ASSERT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MessageBox) == 1; }, 15000));
  EXPECT_TRUE(sheet.isVisible());
}

}  // namespace
