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

#include "TestSupport.h"
#include "ui/AntennaPage.h"
#include "ui/BandGroup.h"
#include "ui/ConfigurationPage.h"
#include "ui/EditConfigurationSheet.h"
#include "ui/KeyInterruptPowerPage.h"
#include "ui/SwrThresholdEdit.h"
#include "ui/SwrThresholdPage.h"

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
  bool WaitIdle() {
    return WaitFor([this] { return sheet->Machine().IsIdle() && sheet->Machine().IsLoaded(); }, 15000);
  }
  bool WaitClosed() { return WaitFor([this] { return !sheet->isVisible(); }, 15000); }
  template <class P>
  P& ShowPage() {
    for (int i = 0; i < sheet->Tabs().count(); ++i)
      if (auto* page = qobject_cast<P*>(sheet->Tabs().widget(i))) {
        sheet->Tabs().setCurrentIndex(i);
        return *page;
      }
    throw std::runtime_error("page missing");
  }
  QPushButton& Apply() { return sheet->Button(QDialogButtonBox::Apply); }
  QByteArray SetCommandsSent() const {
    QByteArray sets;
    for (const QByteArray& command : Sim().Received().split(';'))
      if (!command.isEmpty() && command.at(0) >= 'A' && command.at(0) <= 'Z') sets += command + ';';
    return sets;
  }
  CSimulatedTuner& Sim() const { return const_cast<SheetFixture*>(this)->ModelFixture::Sim(); }

  std::unique_ptr<CEditConfigurationSheet> sheet;
};

QStringList PageTitles(CEditConfigurationSheet& sheet) {
  QStringList titles;
  for (int i = 0; i < sheet.Tabs().count(); ++i) titles << sheet.Tabs().tabText(i).remove(u'&');
  return titles;
}

void Retype(QLineEdit& edit, const char* text) {
  edit.setFocus();
  edit.selectAll();
  QTest::keyClicks(&edit, text);
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
  window.show();
  for (int job = 0; job < CConfigurationPage::JobCount; ++job)
    EXPECT_FALSE(page->Button(static_cast<CConfigurationPage::Job>(job)).isEnabled()) << job;
  ASSERT_TRUE(f.ContactAndWait());
  for (int job = 0; job < CConfigurationPage::JobCount; ++job)
    EXPECT_TRUE(page->Button(static_cast<CConfigurationPage::Job>(job)).isEnabled()) << job;
  page->Button(CConfigurationPage::Edit).click();
  auto* sheet = window.findChild<CEditConfigurationSheet*>();
  ASSERT_NE(sheet, nullptr);
  EXPECT_TRUE(WaitFor([&] { return sheet->Machine().IsLoaded() && sheet->Machine().IsIdle(); }, 15000));
  sheet->Button(QDialogButtonBox::Cancel).click();
  EXPECT_TRUE(WaitFor([&] { return window.findChild<CEditConfigurationSheet*>() == nullptr; }, 5000));
}

TEST(ConfigurationPage, ButtonsAreOffWhileTheTunerIsInItsLoaderAndTheTooltipSaysWhy) {
  ModelFixture f(Firmware("01.39"), false);
  CConfigurationPage page;
  f.Model().FirmwareStatus.Set(FirmwareStatusLoader);
  page.show();
  for (int job = 0; job < CConfigurationPage::JobCount; ++job) {
    const QPushButton& button = page.Button(static_cast<CConfigurationPage::Job>(job));
    EXPECT_FALSE(button.isEnabled()) << job;
    EXPECT_EQ(button.toolTip(), "The ZU6400 is in its bootstrap loader: send the firmware from the Firmware page first");
  }
  f.Model().FirmwareStatus.Set(FirmwareStatusRunning);
  EXPECT_TRUE(WaitFor([&] { return page.Button(CConfigurationPage::Save).isEnabled(); }, 2000));
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
  EXPECT_GE(sheet.minimumSizeHint().width(), sheet.Tabs().tabBar()->sizeHint().width());
}

TEST(EditConfigurationSheet, AllShowsMixedAntennaAndOneClickEnablesItEverywhere) {
  SheetFixture f;
  f.Sim().Config().Modify([](SimConfig& c) {
    for (SimBandConfig& band : c.bands) band.antennas[1] = 0;
    c.bands[2].antennas[1] = c.bands[7].antennas[1] = 1;
  });
  f.OpenSheet();
  auto& page = f.ShowPage<CAntennaPage>();
  EXPECT_TRUE(page.Bands().Button(kAllBands).isChecked());
  EXPECT_EQ(page.EnableBox(2).checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(f.Apply().isEnabled());

  page.EnableBox(2).click();
  EXPECT_EQ(page.EnableBox(2).checkState(), Qt::Checked);
  for (unsigned band = 0; band < kBandCount; ++band)
    EXPECT_EQ(f.sheet->Machine().Values().AntennaEnable2.GetRequested(band), 1) << band;
  EXPECT_TRUE(f.Apply().isEnabled());

  // Band 40 alone: its own value shows, and a change stays with it.
  page.Bands().Button(3).click();
  EXPECT_EQ(page.EnableBox(2).checkState(), Qt::Checked);
  page.PreferredButton(3).click();
  EXPECT_EQ(f.sheet->Machine().Values().AntennaPreferred.GetRequested(3), 3);
  EXPECT_EQ(f.sheet->Machine().Values().AntennaPreferred.GetRequested(4), 0);

  f.Sim().ClearReceived();
  f.Apply().click();
  ASSERT_TRUE(f.WaitIdle());
  EXPECT_TRUE(f.sheet->isVisible());
  EXPECT_EQ(f.SetCommandsSent().count("AE"), 9);  // every band but the two that had it
  EXPECT_EQ(f.SetCommandsSent().count("AP"), 1);
  for (unsigned band = 0; band < kBandCount; ++band) EXPECT_EQ(f.Sim().Config().State().bands[band].antennas[1], 1u);
  EXPECT_EQ(f.Sim().Config().State().bands[3].preferred, 3u);
}

TEST(EditConfigurationSheet, TypedThresholdGoesToTheChosenBandOnly) {
  SheetFixture f;
  f.OpenSheet();
  auto& page = f.ShowPage<CSwrThresholdPage>();
  EXPECT_EQ(page.Edit(CSwrThresholdPage::Autotune).text(), "1.50");  // all bands alike
  page.Bands().Button(3).click();
  Retype(page.Edit(CSwrThresholdPage::Autotune), "2.5");
  const CConfigurationValues& v = f.sheet->Machine().Values();
  EXPECT_EQ(v.SwrThresholdAutotune.GetRequested(3), "2.50");
  EXPECT_EQ(v.SwrThresholdAutotune.GetRequested(4), "1.50");
  EXPECT_TRUE(f.Apply().isEnabled());

  page.Edit(CSwrThresholdPage::Bypass).setFocus();
  page.Edit(CSwrThresholdPage::Bypass).selectAll();
  page.Edit(CSwrThresholdPage::Bypass).insert("1.3");  // as a paste does
  EXPECT_EQ(v.SwrThresholdBypass.GetRequested(3), "1.30");
  page.Edit(CSwrThresholdPage::Bypass).insert("x");
  EXPECT_EQ(v.SwrThresholdBypass.GetRequested(3), "1.30");
  page.Edit(CSwrThresholdPage::Bypass).selectAll();
  page.Edit(CSwrThresholdPage::Bypass).insert("1.2");
  EXPECT_EQ(v.SwrThresholdBypass.GetRequested(3), "1.20");  // as the tuner has it again

  f.Sim().ClearReceived();
  f.sheet->Button(QDialogButtonBox::Ok).click();
  ASSERT_TRUE(f.WaitClosed());
  EXPECT_EQ(f.SetCommandsSent(), "ST03A2.50;");
  EXPECT_EQ(f.Sim().Config().State().bands[3].autotuneThreshold, "2.50");
}

TEST(EditConfigurationSheet, OkWithoutChangeSendsNothingAndCloses) {
  SheetFixture f;
  f.OpenSheet();
  f.Sim().ClearReceived();
  f.sheet->Button(QDialogButtonBox::Ok).click();
  ASSERT_TRUE(f.WaitClosed());
  EXPECT_EQ(f.sheet->result(), QDialog::Rejected);
  EXPECT_TRUE(f.Sim().Received().isEmpty()) << f.Sim().Received().constData();
}

TEST(EditConfigurationSheet, CancelDuringTheReadIsRefusedUntilTheReadEnds) {
  SheetFixture f;
  f.sheet = std::make_unique<CEditConfigurationSheet>();
  f.sheet->show();
  ASSERT_FALSE(f.sheet->Machine().IsIdle());
  f.sheet->Button(QDialogButtonBox::Cancel).click();
  EXPECT_TRUE(f.sheet->isVisible());
  EXPECT_FALSE(f.sheet->Button(QDialogButtonBox::Ok).isEnabled());
  ASSERT_TRUE(f.WaitClosed());
  EXPECT_TRUE(f.sheet->Machine().IsLoaded());
  EXPECT_EQ(f.Model().ActiveMachine, nullptr);
  EXPECT_TRUE(f.Sim().Received().contains("st10b;"));  // the read ran to its end
}

TEST(EditConfigurationSheet, ApplyOnlyWhileSomethingDiffers) {
  SheetFixture f;
  f.OpenSheet();
  auto& antennas = f.ShowPage<CAntennaPage>();
  antennas.EnableBox(1).click();  // off on every band
  EXPECT_TRUE(f.Apply().isEnabled());
  antennas.EnableBox(1).click();  // and on again: as the tuner has it
  EXPECT_FALSE(f.Apply().isEnabled());

  auto& power = f.ShowPage<CKeyInterruptPowerPage>();
  EXPECT_FALSE(power.OptimizeButton().isEnabled());
  Retype(power.PowerEdit(), "99999x");
  EXPECT_EQ(power.PowerEdit().text(), "99999");
  EXPECT_EQ(f.sheet->Machine().Values().KeyInterruptPower.GetRequested(), 65535);  // held to what fits
  EXPECT_TRUE(power.OptimizeButton().isEnabled());
  power.OptimizeButton().click();
  EXPECT_EQ(power.PowerEdit().text(), "1500");
  EXPECT_FALSE(power.OptimizeButton().isEnabled());
  EXPECT_FALSE(f.Apply().isEnabled());
}

TEST(EditConfigurationSheet, AFailedReadIsReportedAndLeavesTheSheetOpen) {
  SheetFixture f;
  const CTimeScaleScope faster(kFastTime);
  f.Sim().SetSilent(true);
  f.OpenSheet();
  EXPECT_TRUE(f.sheet->isVisible());
  EXPECT_EQ(f.Recorder().Count(Msg::MessageBox), 1);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

}  // namespace
