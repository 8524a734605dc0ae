// The Operate tab offscreen, on a model contacted with the simulated tuner.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "TestSupport.h"
#include "machines/RelayValues.h"
#include "ui/OperatePage.h"
#include "ui/RelayGroup.h"

namespace {

class PageFixture : public ModelFixture {
 public:
  explicit PageFixture(SimOptions options = Firmware("01.97"), unsigned long pollMs = 50) : ModelFixture(options) {
    QSettings("Corvanta", "ZU6400 Utility").setValue("OperatePollInterval", qlonglong(pollMs));
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
    page = std::make_unique<COperatePage>();
    page->show();
  }
  ~PageFixture() { page.reset(); }

  COperateValues& Values() { return page->Machine().Values(); }
  // Waits until the tuner's change has come through a cycle.
  bool Sees(const std::function<bool()>& condition) { return WaitFor(condition, 3000); }

  std::unique_ptr<COperatePage> page;
};

void Focus(QWidget& w, bool in) {
  QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(&w, &event);
}

TEST(RelayValues, GreedyByteAndValuesOfBothBanks) {
  EXPECT_EQ(RelayByte(100, kCapacitorWeights), 0x09);  // 82 + 8; 10 pF dropped
  EXPECT_EQ(RelayValue(0xFF, kInductorWeights), 17370u);
  EXPECT_EQ(RelayByte(99999, kInductorWeights), 0xFF);
  EXPECT_EQ(RelayByte(331, kCapacitorWeights), 0x20);  // 330 first; the last pF is dropped
}

TEST(RelayValues, ArrowsStepThroughReachableValues) {
  unsigned p = 0;
  std::vector<unsigned> up;
  for (int i = 0; i < 3; ++i) up.push_back(p = StepRelayPosition(p, 1, kCapacitorWeights));
  EXPECT_EQ(up, (std::vector<unsigned>{8, 22, 30}));
  EXPECT_EQ(StepRelayPosition(330, 1, kCapacitorWeights), 338u);  // 0x1f (331) comes before 0x20 in bytes
  EXPECT_EQ(StepRelayPosition(338, -1, kCapacitorWeights), 330u);
  EXPECT_EQ(StepRelayPosition(2701, 1, kCapacitorWeights), 2701u);
}

TEST(OperatePage, ShowsNothingUntilACycleHasReadTheTuner) {
  SimOptions options = Firmware("01.97");
  options.live.mode = 'B';  // what the page would show unread
  options.live.frequency = 1850;
  ModelFixture f(options);
  ASSERT_TRUE(f.ContactAndWait());
  COperatePage page;
  page.show();  // its first cycle has not run yet
  EXPECT_FALSE(page.ModeButton(u'B').isChecked());
  EXPECT_EQ(page.Observed("Band: ").text(), "");

  // Readings equal to the unread values are shown once read.
  EXPECT_TRUE(WaitFor([&] { return page.ModeButton(u'B').isChecked(); }, 3000));
  EXPECT_EQ(page.Observed("Band: ").text(), "160");
}

TEST(OperatePage, FocusedEditIsNotOverwrittenByReadings) {
  PageFixture f;
  CRelaySpinBox& edit = f.page->Inductors().Edit();
  Focus(edit, true);
  edit.findChild<QLineEdit*>()->setText("1234");
  f.Sim().Live().Modify([](SimLive& s) { s.inductor = 0x03; });
  ASSERT_TRUE(f.Sees([&] { return f.Values().Inductor.Get() == 0x03; }));
  EXPECT_EQ(edit.text(), "1234");
  EXPECT_TRUE(f.page->Inductors().Box(1).isChecked());  // the boxes follow the tuner
  Focus(edit, false);
  ASSERT_TRUE(f.Sees([&] { return f.Values().Inductor.Get() == RelayByte(1234, kInductorWeights); }));
}

TEST(OperatePage, ClickDuringACycleIsServedAsSoonAsItEnds) {
  SimOptions options = Firmware("01.97");
  options.live.power = 0;
  PageFixture f(options, 5000);  // the poll timer cannot be what serves the click
  ASSERT_TRUE(f.Sees([&] { return f.page->Machine().IsIdle(); }));
  f.Sim().SetReplyDelay(300);
  f.page->StartCycle();
  ASSERT_FALSE(f.page->Machine().IsIdle());
  f.Sim().ClearReceived();
  f.page->PowerBox().click();
  EXPECT_EQ(f.Values().PowerStatus.GetRequested(), 1);
  const int finished = f.Recorder().Count(Msg::MachineFinished);
  ASSERT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > finished; }, 2000));
  EXPECT_FALSE(f.page->Machine().IsIdle());  // the next cycle is already under way
  ASSERT_TRUE(WaitFor([&] { return f.Sim().Received().contains("PS1;"); }, 1000));
  ASSERT_TRUE(f.Sees([&] { return f.Sim().Live().State().power == 1; }));
}

TEST(OperatePage, FaultTextShownOnlyForKnownFaults) {
  PageFixture f;
  QLabel& fault = f.page->FaultLabel();
  EXPECT_TRUE(fault.isHidden());
  f.Sim().Live().Modify([](SimLive& s) { s.fault = 2; });
  ASSERT_TRUE(f.Sees([&] { return !fault.isHidden(); }));
  EXPECT_EQ(fault.text(), "Power above design limit for SWR");
  f.Sim().Live().Modify([](SimLive& s) { s.fault = 5; });
  ASSERT_TRUE(f.Sees([&] { return fault.isHidden(); }));
}

TEST(OperatePage, StoredPollIntervalIsKeptWithinWhatTheTimerCanDo) {
  for (const auto& [stored, used] : {std::pair<unsigned long, unsigned long>{0, 20}, {300, 300}, {5'000'000'000, 2147483647}}) {
    PageFixture f(Firmware("01.97"), stored);
    EXPECT_EQ(f.page->PollInterval(), used) << stored;
  }
}

TEST(OperatePage, FrequencyBelow1500IsEmptyAndDisablesMemorize) {
  PageFixture f;
  QLabel& frequency = f.page->Observed("Frequency: ");
  ASSERT_TRUE(f.Sees([&] { return frequency.text() == "14200 kHz"; }));
  // A screen reader hears what the number is.
  EXPECT_EQ(frequency.accessibleName(), "Frequency 14200 kHz");
  EXPECT_TRUE(f.page->MemorizeButton().isEnabled());
  f.Sim().Live().Modify([](SimLive& s) { s.frequency = 1499; });
  // Both readings come in the same cycle, one after the other.
  QLabel& count = f.page->Observed("Freq Count:");
  ASSERT_TRUE(f.Sees([&] { return frequency.text().isEmpty() && count.text().isEmpty(); }));
  EXPECT_FALSE(f.page->MemorizeButton().isEnabled());
}

TEST(OperatePage, ControlsFollowFirmwareVersion) {
  struct Case {
    const char* version;
    bool power, extraRows;
  } cases[] = {{"01.18", false, false}, {"01.96", true, false}, {"01.97", true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    PageFixture f(Firmware(c.version));
    EXPECT_EQ(f.page->PowerBox().isEnabled(), c.power);
    EXPECT_EQ(f.page->IsExtraRowShown(), c.extraRows);
    // What is off for the firmware's sake says which firmware it needs.
    const QString has = QStringLiteral("; this ZU6400 has ") + c.version;
    EXPECT_EQ(f.page->PowerBox().toolTip(), c.power ? QString() : "Needs firmware 01.19 or newer" + has);
    EXPECT_EQ(f.page->ExtraRowsNote().isHidden(), c.extraRows);
    if (!c.extraRows) {
      EXPECT_EQ(f.page->ExtraRowsNote().text(), "XCVR Freq, Freq Count, Freq ATU: Needs firmware 01.97 or newer" + has);
    }
  }
  PageFixture old(Firmware("00.93"));
  EXPECT_FALSE(old.page->MemorizeButton().isEnabled());
  EXPECT_EQ(old.page->MemorizeButton().toolTip(), "Needs firmware 00.94 or newer; this ZU6400 has 00.93");
}

TEST(OperatePage, ControlsChangeTheTuner) {
  PageFixture f;
  f.page->ModeButton(u'M').click();
  f.page->AntennaButton(2).click();
  ASSERT_TRUE(f.Sees([&] { return f.Sim().Live().State().mode == 'M' && f.Sim().Live().State().antenna == 2; }));
  f.page->Capacitors().Box(7).click();
  ASSERT_TRUE(f.Sees([&] { return f.Sim().Live().State().capacitor == 0x80; }));
  f.page->TuneButton().click();
  ASSERT_TRUE(f.Sees([&] { return f.Sim().Received().contains("t;"); }));
}

TEST(OperatePage, EnterInTheCapacitanceBoxAppliesItAndMemorizeConfirmsWhatItStored) {
  PageFixture f;
  CRelaySpinBox& edit = f.page->Capacitors().Edit();
  Focus(edit, true);
  edit.setValue(100);
  QTest::keyClick(&edit, Qt::Key_Return);
  ASSERT_TRUE(f.Sees([&] { return f.Sim().Live().State().capacitor == 0x09; }));  // 82 + 8 pF

  QStringList messages;
  QObject::connect(f.page.get(), &CPage::StatusMessage, [&](const QString& text) { messages << text; });
  ASSERT_TRUE(f.Sees([&] { return f.page->MemorizeButton().isEnabled(); }));
  f.page->MemorizeButton().click();
  ASSERT_TRUE(f.Sees([&] { return !messages.isEmpty(); }));
  EXPECT_EQ(messages, QStringList{QStringLiteral("Memorized band 20, antenna 1: C 90 pF, L 0 nH")});
  EXPECT_TRUE(f.Sim().Received().contains("sm;"));
}

TEST(OperatePage, HidingStopsPollingAndReleasesTheMachine) {
  PageFixture f;
  EXPECT_EQ(f.Model().ActiveMachine, &f.page->Machine());
  f.page->hide();
  EXPECT_EQ(f.Model().ActiveMachine, nullptr);
  ASSERT_TRUE(WaitFor([&] { return f.page->Machine().IsIdle(); }, 3000));
  f.Sim().ClearReceived();
  WaitFor([] { return false; }, 200);
  EXPECT_TRUE(f.Sim().Received().isEmpty());
}

}  // namespace
