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

// The edit's number as relays: the largest that fit first; its arrows step
// through the values the relays can make.
TEST(RelayValues, GreedyByteValuesAndArrowSteps) {
  EXPECT_EQ(RelayByte(100, kCapacitorWeights), 0x09);  // 82 + 8; 10 pF dropped
  EXPECT_EQ(RelayByte(331, kCapacitorWeights), 0x20);  // 330 first; the last pF is dropped
  EXPECT_EQ(RelayByte(99999, kInductorWeights), 0xFF);
  EXPECT_EQ(RelayValue(0xFF, kInductorWeights), 17370u);
  const struct {
    unsigned from;
    int step;
    unsigned to;
  } steps[] = {{0, 1, 8}, {8, 1, 22}, {22, 1, 30}, {330, 1, 338}, {338, -1, 330}, {2701, 1, 2701}};
  for (const auto& s : steps) EXPECT_EQ(StepRelayPosition(s.from, s.step, kCapacitorWeights), s.to) << s.from;
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

TEST(OperatePage, ShowsWhatACycleReadOnlyOnceItHasReadIt) {
  SimOptions options = Firmware("01.97");
  options.live.mode = 'B';  // what the page would show unread
  options.live.frequency = 1850;
  PageFixture f(options);  // shown: its first cycle has not run yet
  auto& bypass = f.Get<QAbstractButton>("modeB");
  EXPECT_FALSE(bypass.isChecked());
  EXPECT_EQ(f.Get<QLabel>("observedBand").text(), "");
  ASSERT_TRUE(f.Sees([&] { return bypass.isChecked() && f.Get<QLabel>("observedBand").text() == "160"; }));

  // A known fault is said; below 1500 kHz there is no frequency to memorize.
  const auto shown = [&] {
    auto& fault = f.Get<QLabel>("faultLabel");
    // A screen reader hears what the number is.
    return QStringList{fault.isVisible() ? fault.text() : QString(), f.Get("observedFrequency").accessibleName(),
                       f.Get<QLabel>("observedFreqCount").text()};
  };
  const struct {
    unsigned fault, kHz;
    QStringList shown;
  } cases[] = {{2, 14200, {"Power above design limit for SWR", "Frequency 14200 kHz", "14200 kHz"}},
               {5, 1499, {"", "Frequency", ""}},
               {0, 1500, {"", "Frequency 1500 kHz", "1500 kHz"}}};
  for (const auto& c : cases) {
    f.Sim().Live().Modify([&](SimLive& s) {
      s.fault = c.fault;
      s.frequency = c.kHz;
    });
    EXPECT_TRUE(f.Sees([&] { return shown() == c.shown; })) << shown().join(" | ").toStdString();
    EXPECT_EQ(f.Get("memorizeButton").isEnabled(), c.kHz >= 1500) << c.kHz;
  }
}

TEST(OperatePage, ControlsFollowFirmwareVersionAndSayWhatTheyNeed) {
  PageFixture f;
  ASSERT_TRUE(f.WaitForCycles(1));  // a frequency to memorize
  const struct {
    unsigned short version;
    const char* text;
    bool power, extraRows, memorize;
  } cases[] = {{93, "00.93", false, false, false}, {118, "01.18", false, false, true},
               {196, "01.96", true, false, true}, {197, "01.97", true, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    f.Model().McuVersion.Set(c.version);
    f.page->hide();  // shown again, the page looks at the version
    f.page->show();
    const QString has = QStringLiteral("; this ZU6400 has ") + c.text;
    auto& power = f.Get<QCheckBox>("powerBox");
    EXPECT_EQ(power.isEnabled(), c.power);
    EXPECT_EQ(power.toolTip(), c.power ? QString() : "Needs firmware 01.19 or newer" + has);
    EXPECT_EQ(f.Get("observedXCVRFreq").isHidden(), !c.extraRows);
    const QString note = "XCVR Freq, Freq Count, Freq ATU: Needs firmware 01.97 or newer" + has;
    EXPECT_EQ(f.Get<QLabel>("extraRowsNote").text(), c.extraRows ? QString() : note);
    EXPECT_EQ(f.Get("memorizeButton").isEnabled(), c.memorize);
    if (!c.memorize) {
      EXPECT_EQ(f.Get("memorizeButton").toolTip(), "Needs firmware 00.94 or newer" + has);
    }
  }
}

TEST(OperatePage, ControlsChangeTheTunerAndAFocusedEditWaitsForTheUser) {
  PageFixture f;
  f.Get<QAbstractButton>("modeM").click();
  f.Get<QAbstractButton>("antenna2").click();
  f.Relay("capacitors", 7).click();
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().mode == 'M' && f.Tuner().antenna == 2 && f.Tuner().capacitor == 0x80; }));
  // Read back before the edit below: a reading that changes a value replaces the user's wish.
  CRelaySpinBox& capacitance = f.RelayEdit("capacitors");
  ASSERT_TRUE(f.Sees([&] { return capacitance.value() == static_cast<int>(RelayValue(0x80, kCapacitorWeights)); }));
  Focus(capacitance, true);
  capacitance.setValue(100);
  QTest::keyClick(&capacitance, Qt::Key_Return);
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().capacitor == 0x09; }));  // 82 + 8 pF

  // Readings do not overwrite what the user is typing; the boxes follow the tuner.
  CRelaySpinBox& inductance = f.RelayEdit("inductors");
  Focus(inductance, true);
  inductance.findChild<QLineEdit*>()->setText("1234");
  f.Sim().Live().Modify([](SimLive& s) { s.inductor = 0x03; });
  ASSERT_TRUE(f.Sees([&] { return f.Relay("inductors", 0).isChecked() && f.Relay("inductors", 1).isChecked(); }));
  EXPECT_EQ(inductance.text(), "1234");
  Focus(inductance, false);
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().inductor == RelayByte(1234, kInductorWeights); }));

  QStringList messages;
  QObject::connect(f.page.get(), &CPage::StatusMessage, [&](const QString& text) { messages << text; });
  f.Get<QPushButton>("memorizeButton").click();
  ASSERT_TRUE(f.Sees([&] { return !messages.isEmpty(); }));
  const QString stored = QString::number(RelayValue(RelayByte(1234, kInductorWeights), kInductorWeights));
  EXPECT_EQ(messages, QStringList{"Memorized band 20, antenna 2: C 90 pF, L " + stored + " nH"});
  EXPECT_TRUE(f.Sim().Received().contains("sm;"));
  f.Get<QPushButton>("tuneButton").click();
  EXPECT_TRUE(f.Sees([&] { return f.Sim().Received().contains("t;"); }));
}

}  // namespace
