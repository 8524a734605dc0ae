// The Operate tab offscreen, on a model contacted with the simulated tuner;
// the relay arithmetic and the stored poll interval beneath it.

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

#include "tests/support/UiTestSupport.h"
#include "machines/operate/PollLoop.h"
#include "machines/operate/RelayValues.h"
#include "ui/operate/RelayGroup.h"

namespace {

class PageFixture : public OperatePageFixture {
 public:
  using OperatePageFixture::OperatePageFixture;
  template <class T = QWidget>
  T& Get(const QString& name) { return Child<T>(*page, name); }
  QCheckBox& Relay(const char* group, int bit) { return Child<QCheckBox>(Get(group), QStringLiteral("relay%1").arg(bit)); }
  CRelaySpinBox& RelayEdit(const char* group) { return Child<CRelaySpinBox>(Get(group)); }
  // Waits until the tuner's change has come through a cycle.
  bool Sees(const std::function<bool()>& condition) { return WaitFor(condition, 3000); }
  SimLive Tuner() { return Sim().Live().State(); }
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

TEST(OperatePollInterval, TheStoredIntervalIsKeptWithinWhatTheTimerCanDo) {
  ModelFixture f(SimOptions{}, false);
  COperateStateMachine machine(f.Model());
  CPollLoop loop(machine);
  for (const auto& [stored, used] : {std::pair<qlonglong, unsigned long>{0, 20}, {300, 300}, {5'000'000'000, 2147483647}}) {
    QSettings("Corvanta", "ZU6400 Utility").setValue("OperatePollInterval", stored);
    loop.LoadInterval(f.Model().AppInfo);
    EXPECT_EQ(loop.Interval(), used) << stored;
  }
}

TEST(OperatePage, ShowsNothingUntilACycleHasReadTheTuner) {
  SimOptions options = Firmware("01.97");
  options.live.mode = 'B';  // what the page would show unread
  options.live.frequency = 1850;
  ModelFixture f(options);
  ASSERT_TRUE(f.ContactAndWait());
  COperatePage page;
  page.show();  // its first cycle has not run yet
  auto& bypass = Child<QAbstractButton>(page, "modeB");
  auto& band = Child<QLabel>(page, "observedBand");
  EXPECT_FALSE(bypass.isChecked());
  EXPECT_EQ(band.text(), "");
  // Readings equal to the unread values are shown once read.
  EXPECT_TRUE(WaitFor([&] { return bypass.isChecked(); }, 3000));
  EXPECT_EQ(band.text(), "160");
}

TEST(OperatePage, FocusedEditIsNotOverwrittenByReadings) {
  PageFixture f;
  CRelaySpinBox& edit = f.RelayEdit("inductors");
  Focus(edit, true);
  edit.findChild<QLineEdit*>()->setText("1234");
  f.Sim().Live().Modify([](SimLive& s) { s.inductor = 0x03; });
  // The boxes follow the tuner.
  ASSERT_TRUE(f.Sees([&] { return f.Relay("inductors", 0).isChecked() && f.Relay("inductors", 1).isChecked(); }));
  EXPECT_EQ(edit.text(), "1234");
  Focus(edit, false);
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().inductor == RelayByte(1234, kInductorWeights); }));
}

TEST(OperatePage, FaultTextShownOnlyForKnownFaults) {
  PageFixture f;
  auto& fault = f.Get<QLabel>("faultLabel");
  EXPECT_TRUE(fault.isHidden());
  f.Sim().Live().Modify([](SimLive& s) { s.fault = 2; });
  ASSERT_TRUE(f.Sees([&] { return !fault.isHidden(); }));
  EXPECT_EQ(fault.text(), "Power above design limit for SWR");
  f.Sim().Live().Modify([](SimLive& s) { s.fault = 5; });
  ASSERT_TRUE(f.Sees([&] { return fault.isHidden(); }));
}

TEST(OperatePage, FrequencyBelow1500IsEmptyAndDisablesMemorize) {
  PageFixture f;
  auto& frequency = f.Get<QLabel>("observedFrequency");
  auto& memorize = f.Get<QPushButton>("memorizeButton");
  ASSERT_TRUE(f.Sees([&] { return frequency.text() == "14200 kHz"; }));
  // A screen reader hears what the number is.
  EXPECT_EQ(frequency.accessibleName(), "Frequency 14200 kHz");
  EXPECT_TRUE(memorize.isEnabled());
  f.Sim().Live().Modify([](SimLive& s) { s.frequency = 1499; });
  // Both readings come in the same cycle, one after the other.
  auto& count = f.Get<QLabel>("observedFreqCount");
  ASSERT_TRUE(f.Sees([&] { return frequency.text().isEmpty() && count.text().isEmpty(); }));
  EXPECT_FALSE(memorize.isEnabled());
}

TEST(OperatePage, ControlsFollowFirmwareVersionAndSayWhatTheyNeed) {
  struct Case {
    const char* version;
    bool power, extraRows, memorize;
  } cases[] = {{"00.93", false, false, false}, {"01.18", false, false, true}, {"01.96", true, false, true},
               {"01.97", true, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    PageFixture f(Firmware(c.version));
    const QString has = QStringLiteral("; this ZU6400 has ") + c.version;
    auto& power = f.Get<QCheckBox>("powerBox");
    EXPECT_EQ(power.isEnabled(), c.power);
    EXPECT_EQ(power.toolTip(), c.power ? QString() : "Needs firmware 01.19 or newer" + has);
    EXPECT_EQ(f.Get("observedXCVRFreq").isHidden(), !c.extraRows);
    auto& note = f.Get<QLabel>("extraRowsNote");
    EXPECT_EQ(note.isHidden(), c.extraRows);
    if (!c.extraRows) {
      EXPECT_EQ(note.text(), "XCVR Freq, Freq Count, Freq ATU: Needs firmware 01.97 or newer" + has);
    }
    if (!c.memorize) {
      EXPECT_FALSE(f.Get("memorizeButton").isEnabled());
      EXPECT_EQ(f.Get("memorizeButton").toolTip(), "Needs firmware 00.94 or newer" + has);
    }
  }
}

TEST(OperatePage, ControlsChangeTheTuner) {
  PageFixture f;
  f.Get<QAbstractButton>("modeM").click();
  f.Get<QAbstractButton>("antenna2").click();
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().mode == 'M' && f.Tuner().antenna == 2; }));
  f.Relay("capacitors", 7).click();
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().capacitor == 0x80; }));
  f.Get<QPushButton>("tuneButton").click();
  ASSERT_TRUE(f.Sees([&] { return f.Sim().Received().contains("t;"); }));
}

TEST(OperatePage, EnterInTheCapacitanceBoxAppliesItAndMemorizeConfirmsWhatItStored) {
  PageFixture f;
  CRelaySpinBox& edit = f.RelayEdit("capacitors");
  Focus(edit, true);
  edit.setValue(100);
  QTest::keyClick(&edit, Qt::Key_Return);
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().capacitor == 0x09; }));  // 82 + 8 pF

  QStringList messages;
  QObject::connect(f.page.get(), &CPage::StatusMessage, [&](const QString& text) { messages << text; });
  auto& memorize = f.Get<QPushButton>("memorizeButton");
  ASSERT_TRUE(f.Sees([&] { return memorize.isEnabled(); }));
  memorize.click();
  ASSERT_TRUE(f.Sees([&] { return !messages.isEmpty(); }));
  EXPECT_EQ(messages, QStringList{QStringLiteral("Memorized band 20, antenna 1: C 90 pF, L 0 nH")});
  EXPECT_TRUE(f.Sim().Received().contains("sm;"));
}

}  // namespace
