// The Configuration page and the edit-configuration sheet offscreen, on a
// model contacted with the simulated tuner.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

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
  explicit SheetFixture(const char* version = "01.39") : ModelFixture(Firmware(version)) {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  }

  // Opens the sheet and waits for its first read.
  CEditConfigurationSheet& OpenSheet() {
    sheet = std::make_unique<CEditConfigurationSheet>();
    sheet->show();
    if (!WaitIdle()) ADD_FAILURE() << "the read did not end";
    return *sheet;
  }
  // Between reads and writes OK is offered.
  bool WaitIdle() {
    return WaitFor([this] { return Model().ActiveMachine->IsIdle() && Button(QDialogButtonBox::Ok).isEnabled(); },
                   15000);
  }
  bool WaitClosed() { return WaitFor([this] { return !sheet->isVisible(); }, 15000); }
  template <class P>
  P& ShowPage() {
    auto& tabs = Child<QTabWidget>(*sheet);
    for (int i = 0; i < tabs.count(); ++i)
      if (auto* page = qobject_cast<P*>(tabs.widget(i))) {
        tabs.setCurrentIndex(i);
        return *page;
      }
    throw std::runtime_error("page missing");
  }
  QPushButton& Button(QDialogButtonBox::StandardButton which) { return ::Button(*sheet, which); }

  std::unique_ptr<CEditConfigurationSheet> sheet;
};

QStringList PageTitles(const CEditConfigurationSheet& sheet) {
  QStringList titles;
  auto& tabs = Child<QTabWidget>(sheet);
  for (int i = 0; i < tabs.count(); ++i) titles << tabs.tabText(i).remove(u'&');
  return titles;
}

// Replaces the text, typed key by key or pasted (no key filter).
void Retype(QLineEdit& edit, const char* text, bool pasted = false) {
  edit.setFocus();
  edit.selectAll();
  pasted ? edit.insert(text) : QTest::keyClicks(&edit, text);
}

TEST(SwrThresholdEdit, CharacterRules) {
  // Whole digits: at most three without a point.
  EXPECT_TRUE(AcceptsSwrThresholdKey("15", false, u'0'));
  EXPECT_FALSE(AcceptsSwrThresholdKey("150", false, u'0'));
  // With a point: while the text is shorter than six.
  EXPECT_TRUE(AcceptsSwrThresholdKey("150.5", false, u'5'));
  EXPECT_FALSE(AcceptsSwrThresholdKey("150.55", false, u'5'));
  // One point only, unless it replaces a selection.
  EXPECT_TRUE(AcceptsSwrThresholdKey("150", false, u'.'));
  EXPECT_FALSE(AcceptsSwrThresholdKey("1.5", false, u'.'));
  EXPECT_TRUE(AcceptsSwrThresholdKey("1.5", true, u'.'));
  // A selection takes any digit.
  EXPECT_TRUE(AcceptsSwrThresholdKey("150.55", true, u'9'));
  for (QChar c : {QChar(u'a'), QChar(u'-'), QChar(u' '), QChar(u','), QChar(0x0663)})
    EXPECT_FALSE(AcceptsSwrThresholdKey("1", false, c)) << int(c.unicode());
  // Pasted text passes no key filter: only a number becomes a threshold.
  EXPECT_TRUE(IsSwrThresholdText("2.5"));
  for (const char* text : {"", ".", "1..5", "1.5.", "-1", "1e2", "2,5", "abc"}) EXPECT_FALSE(IsSwrThresholdText(text)) << text;
}

TEST(ConfigurationPage, ButtonsFollowTheFirmwareStatusAndEditOpensTheSheet) {
  ModelFixture f(Firmware("01.39"));
  QWidget window;
  auto* page = new CConfigurationPage(&window);
  const QList<QPushButton*> buttons = page->findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), CConfigurationPage::JobCount);
  f.Model().FirmwareStatus.Set(FirmwareStatusLoader);
  window.show();
  for (const QPushButton* button : buttons) {
    EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    EXPECT_EQ(button->toolTip(), "The ZU6400 is in its bootstrap loader: send the firmware from the Firmware page first");
  }
  f.Model().FirmwareStatus.Set(FirmwareStatusNone);
  ASSERT_TRUE(f.ContactAndWait());
  for (const QPushButton* button : buttons) EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
  Child<QPushButton>(*page, "editButton").click();
  auto* sheet = window.findChild<CEditConfigurationSheet*>();
  ASSERT_NE(sheet, nullptr);
  EXPECT_TRUE(WaitFor([&] { return ::Button(*sheet, QDialogButtonBox::Ok).isEnabled(); }, 15000));
  ::Button(*sheet, QDialogButtonBox::Cancel).click();
  EXPECT_TRUE(WaitFor([&] { return window.findChild<CEditConfigurationSheet*>() == nullptr; }, 5000));
}

TEST(EditConfigurationSheet, PagesFollowTheFirmwareVersion) {
  {
    SheetFixture f("01.04");
    CEditConfigurationSheet sheet;
    EXPECT_EQ(PageTitles(sheet), (QStringList{"Antennas", "SWR Thresholds"}));
  }
  SheetFixture f("01.39");
  CEditConfigurationSheet sheet;
  EXPECT_EQ(PageTitles(sheet), (QStringList{"Amplifier Key Interrupt Power", "Initial Power", "Idle Sleep", "Antennas",
                                            "SWR Thresholds", "Auto Fine Tune"}));
  // Never narrower than its six tabs side by side.
  EXPECT_GE(sheet.minimumSizeHint().width(), Child<QTabBar>(sheet).sizeHint().width());
}

TEST(EditConfigurationSheet, AllShowsMixedAntennaAndOneClickEnablesItEverywhere) {
  SheetFixture f;
  f.Sim().Config().Modify([](SimConfig& c) {
    for (SimBandConfig& band : c.bands) band.antennas[1] = 0;
    c.bands[2].antennas[1] = c.bands[7].antennas[1] = 1;
  });
  f.OpenSheet();
  auto& page = f.ShowPage<CAntennaPage>();
  auto& enable2 = Child<QCheckBox>(page, "enableAntenna2");
  EXPECT_TRUE(Child<QAbstractButton>(page, QStringLiteral("band%1").arg(kAllBands)).isChecked());
  EXPECT_EQ(enable2.checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(f.Button(QDialogButtonBox::Apply).isEnabled());
  enable2.click();
  EXPECT_EQ(enable2.checkState(), Qt::Checked);
  EXPECT_TRUE(f.Button(QDialogButtonBox::Apply).isEnabled());

  // Band 40 alone: its own value shows, and a change stays with it.
  Child<QAbstractButton>(page, "band3").click();
  EXPECT_EQ(enable2.checkState(), Qt::Checked);
  Child<QAbstractButton>(page, "preferred3").click();

  f.Button(QDialogButtonBox::Apply).click();
  ASSERT_TRUE(f.WaitIdle());
  EXPECT_TRUE(f.sheet->isVisible());
  for (unsigned band = 0; band < kBandCount; ++band) EXPECT_EQ(f.Sim().Config().State().bands[band].antennas[1], 1u);
  EXPECT_EQ(f.Sim().Config().State().bands[3].preferred, 3u);
}

TEST(EditConfigurationSheet, ThresholdsTypedOrPastedGoToTheChosenBandOnly) {
  SheetFixture f;
  f.OpenSheet();
  auto& page = f.ShowPage<CSwrThresholdPage>();
  auto& autotune = Child<QLineEdit>(page, QStringLiteral("threshold%1").arg(CSwrThresholdPage::Autotune));
  auto& bypass = Child<QLineEdit>(page, QStringLiteral("threshold%1").arg(CSwrThresholdPage::Bypass));
  EXPECT_EQ(autotune.text(), "1.50");  // all bands alike
  Child<QAbstractButton>(page, "band3").click();
  Retype(bypass, "1.3", true);
  EXPECT_TRUE(f.Button(QDialogButtonBox::Apply).isEnabled());
  Retype(bypass, "x", true);  // no number: no change
  EXPECT_TRUE(f.Button(QDialogButtonBox::Apply).isEnabled());
  Retype(bypass, "1.2", true);  // as the tuner has it again
  EXPECT_FALSE(f.Button(QDialogButtonBox::Apply).isEnabled());
  Retype(autotune, "2.5");

  f.Button(QDialogButtonBox::Ok).click();
  ASSERT_TRUE(f.WaitClosed());
  const SimConfig tuner = f.Sim().Config().State();
  EXPECT_EQ(tuner.bands[3].autotuneThreshold, "2.50");
  EXPECT_EQ(tuner.bands[2].autotuneThreshold, "1.50");
  EXPECT_EQ(tuner.bands[3].bypassThreshold, "1.20") << "pasted back as it was";
}

TEST(EditConfigurationSheet, CancelDuringTheReadIsRefusedUntilTheReadEnds) {
  SheetFixture f;
  f.sheet = std::make_unique<CEditConfigurationSheet>();
  f.sheet->show();
  ASSERT_FALSE(f.Button(QDialogButtonBox::Ok).isEnabled());
  f.Button(QDialogButtonBox::Cancel).click();
  EXPECT_TRUE(f.sheet->isVisible());
  ASSERT_TRUE(f.WaitClosed());
  EXPECT_EQ(f.Model().ActiveMachine, nullptr);
  EXPECT_TRUE(f.Sim().Received().contains("st10b;"));  // the read ran to its end
}

TEST(EditConfigurationSheet, ApplyOnlyWhileSomethingDiffersAndPowerIsHeldToWhatFits) {
  SheetFixture f;
  f.OpenSheet();
  auto& antennas = f.ShowPage<CAntennaPage>();
  Child<QCheckBox>(antennas, "enableAntenna1").click();  // off on every band
  EXPECT_TRUE(f.Button(QDialogButtonBox::Apply).isEnabled());
  Child<QCheckBox>(antennas, "enableAntenna1").click();  // and on again: as the tuner has it
  EXPECT_FALSE(f.Button(QDialogButtonBox::Apply).isEnabled());

  auto& page = f.ShowPage<CKeyInterruptPowerPage>();
  auto& power = Child<QLineEdit>(page, "powerEdit");
  auto& optimize = Child<QPushButton>(page, "optimizeButton");
  EXPECT_FALSE(optimize.isEnabled());
  Retype(power, "99999x");
  EXPECT_EQ(power.text(), "99999");
  EXPECT_TRUE(optimize.isEnabled());
  optimize.click();
  EXPECT_EQ(power.text(), "1500");
  EXPECT_FALSE(optimize.isEnabled());
  EXPECT_FALSE(f.Button(QDialogButtonBox::Apply).isEnabled());

  Retype(power, "99999");
  f.Button(QDialogButtonBox::Apply).click();
  ASSERT_TRUE(f.WaitIdle());
  EXPECT_EQ(f.Sim().Config().State().keyInterruptPower, 65535u);
}

TEST(EditConfigurationSheet, AFailedReadIsReportedAndLeavesTheSheetOpen) {
  SheetFixture f;
  const CTimeScaleScope faster(kFastTime);
  f.Sim().SetSilent(true);
  f.sheet = std::make_unique<CEditConfigurationSheet>();
  f.sheet->show();
  ASSERT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MessageBox) == 1; }, 15000));
  EXPECT_TRUE(f.sheet->isVisible());
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

}  // namespace
