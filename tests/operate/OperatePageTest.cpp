// The Operate tab offscreen, on a model contacted with the simulated tuner;
// the relay arithmetic beneath it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/support/UiTestSupport.h"
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
  EXPECT_EQ(RelayValue(RelayByte(99999, kInductorWeights), kInductorWeights), 17370u);  // every relay
  const struct {
    unsigned from;
    int step;
    unsigned to;
  } steps[] = {{0, 1, 8}, {8, 1, 22}, {22, 1, 30}, {330, 1, 338}, {338, -1, 330}, {2701, 1, 2701}};
  for (const auto& s : steps) EXPECT_EQ(StepRelayPosition(s.from, s.step, kCapacitorWeights), s.to) << s.from;
}

// The page shows what a cycle read only once it has read it; a click goes to
// the tuner; readings do not overwrite what the user is typing, which goes
// once the edit is left.
TEST(OperatePage, ShowsWhatACycleReadAndControlsChangeTheTunerUnlessTheUserIsTyping) {
  SimOptions options = Firmware("01.97");
  options.live.mode = 'B';  // what the page would show unread
  options.live.fault = 2;
  PageFixture f(options);  // shown: its first cycle has not run yet
  auto& bypass = f.Get<QAbstractButton>("modeB");
  auto& fault = f.Get<QLabel>("faultLabel");
  EXPECT_FALSE(bypass.isChecked());
  EXPECT_EQ(f.Get<QLabel>("observedBand").text(), "");
  ASSERT_TRUE(f.Sees([&] { return bypass.isChecked() && fault.isVisible(); }));
  EXPECT_EQ(fault.text(), "Power above design limit for SWR");
  // A screen reader hears what the number is.
  EXPECT_EQ(f.Get("observedFrequency").accessibleName(), "Frequency 14200 kHz");
  EXPECT_TRUE(f.Get<QCheckBox>("powerBox").isEnabled());
  EXPECT_FALSE(f.Get("observedXCVRFreq").isHidden());

  f.Get<QAbstractButton>("modeM").click();
  ASSERT_TRUE(f.Sees([&] { return f.Tuner().mode == 'M'; }));
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
  EXPECT_EQ(messages, QStringList{"Memorized band 20, antenna 1: C 0 pF, L " + stored + " nH"});
  // Below 1500 kHz there is no frequency to memorize.
  f.Sim().Live().Modify([](SimLive& s) { s.frequency = 1499; });
  EXPECT_TRUE(f.Sees([&] { return !f.Get("memorizeButton").isEnabled(); }));
}

// Controls older firmware lacks are off and say what they need; the rows it
// cannot read are hidden, with a note.
TEST(OperatePage, ControlsFollowFirmwareVersionAndSayWhatTheyNeed) {
  PageFixture f(Firmware("00.93"));
  ASSERT_TRUE(f.WaitForCycles(1));
  auto& power = f.Get<QCheckBox>("powerBox");
  EXPECT_FALSE(power.isEnabled());
  EXPECT_EQ(power.toolTip(), "Needs firmware 01.19 or newer; this ZU6400 has 00.93");
  EXPECT_TRUE(f.Get("observedXCVRFreq").isHidden());
  EXPECT_EQ(f.Get<QLabel>("extraRowsNote").text(),
            "XCVR Freq, Freq Count, Freq ATU: Needs firmware 01.97 or newer; this ZU6400 has 00.93");
  EXPECT_FALSE(f.Get("memorizeButton").isEnabled());
}

}  // namespace
