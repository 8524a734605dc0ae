// The command tester: its transcript alone, then the page against the
// simulated tuner: sending at ";" and on Enter, recall, and the macros with
// their editor and persistence.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/UiTestSupport.h"
#include "ui/tester/CommandTesterPage.h"
#include "ui/shell/LogView.h"
#include "ui/tester/MacroEditorDialog.h"
#include "ui/tester/Transcript.h"

namespace {
QPushButton& Macro(const QWidget& page, int index) {
  return Child<QPushButton>(page, QStringLiteral("macro%1").arg(index));
}

// Each reply on its line however it arrives; no line ends of the tuner's own;
// silence marked once the reply time has passed.
TEST(Transcript, EachReplyHasItsLineInTextOrHexadecimalAndTimeStamped) {
  const struct {
    const char* sent;
    std::vector<QByteArray> chunks;
    bool hexadecimal, timeStamps;
    QString shown;
  } cases[] = {
      {"rv;sn;", {"RV01.05;SN0", "1234;\r\n"}, false, false, "rv;sn;\nRV01.05;\nSN01234;"},
      {nullptr, {"AN1;\r\n"}, false, false, "AN1;"},  // unsolicited
      {"rv;", {"RV0", "1.05;"}, true, false, "rv;\n52 56 30 31 2E 30 35 3B"},
      {"rv;", {"RV01.05;"}, false, true, "[time] rv;\n[time] RV01.05;"},
      {"sm;", {}, false, false, "sm;\n(no reply)"},
  };
  const QRegularExpression time(QStringLiteral("\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "));
  const CTimeScaleScope fast(kFastTime);
  for (const auto& c : cases) {
    CLogView view;
    CTranscript transcript(view);
    transcript.SetHexadecimal(c.hexadecimal);
    transcript.SetTimeStamps(c.timeStamps);
    if (c.sent != nullptr) transcript.Sent(QString::fromLatin1(c.sent));
    for (const QByteArray& chunk : c.chunks) transcript.Received(chunk);
    const auto shown = [&] { return view.toPlainText().replace(time, QStringLiteral("[time] ")); };
    EXPECT_TRUE(WaitFor([&] { return shown() == c.shown; }, 5000)) << shown().toStdString();
  }
}

class CommandTester : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(f.StartSimulator());
    f.OpenWindow(f.SimPort());
    ASSERT_TRUE(f.WaitRunning());
    page = &f.ShowPage<CCommandTesterPage>();
    f.Sim().ClearReceived();
  }
  QLineEdit& Line() const { return Child<QLineEdit>(*page, "commandLine"); }
  bool WaitReceived(const QByteArray& bytes) {
    return WaitFor([&] { return f.Sim().Received() == bytes; }, 3000);
  }

  UiFixture f;
  CCommandTesterPage* page = nullptr;
};
}  // namespace

TEST_F(CommandTester, SemicolonOrEnterSendsTheLineAndUpAndDownRecallItWithoutSending) {
  QTest::keyClicks(&Line(), "rv");
  EXPECT_TRUE(f.Sim().Received().isEmpty());
  QTest::keyClicks(&Line(), ";");
  const auto& transcript = Child<CLogView>(*page, "transcript");
  ASSERT_TRUE(WaitFor([&] { return transcript.toPlainText() == "rv;\nRV01.05;"; }, 3000));
  // What was sent shows in green.
  QTextCursor sent(transcript.document());
  sent.setPosition(1);
  EXPECT_EQ(sent.charFormat().foreground().color(), QColor(0, 153, 0));

  // Enter sends no semicolon: the tuner still waits for the end of the command.
  QTest::keyClicks(&Line(), "AN");
  QTest::keyClick(&Line(), Qt::Key_Return);
  EXPECT_TRUE(Line().text().isEmpty());
  QTest::keyClicks(&Line(), "1;");
  ASSERT_TRUE(WaitReceived("rv;AN1;"));
  for (int i = 0; i < 2; ++i) QTest::keyClicks(&Line(), "an;");
  ASSERT_TRUE(WaitReceived("rv;AN1;an;an;"));

  QStringList seen;
  for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) {
    QTest::keyClick(&Line(), key);
    seen << Line().text();
  }
  EXPECT_EQ(seen, QStringList({"an;", "1;", "AN", "rv;", "rv;", "AN"}));  // a repeat is kept once
  EXPECT_EQ(f.Sim().Received(), "rv;AN1;an;an;");
}

TEST_F(CommandTester, MacrosSendAfterTheLineAndTheirEditsAreKeptAtOnceAndAfterARestart) {
  OnNextModal<CMacroEditorDialog>([](CMacroEditorDialog& editor) {
    Child<QLineEdit>(editor, "macroLabel0").setText("Bypass");
    Child<QLineEdit>(editor, "macroText0").setText("BYP;MD;");
    Child<QLineEdit>(editor, "macroLabel4").clear();
    Button(editor, QDialogButtonBox::Apply).click();
    // Apply kept the above: Cancel drops only what came after it.
    Child<QLineEdit>(editor, "macroLabel2").setText("Never");
    Button(editor, QDialogButtonBox::Cancel).click();
  });
  Child<QPushButton>(*page, "editMacrosButton").click();
  EXPECT_EQ(Macro(*page, 0).text(), "Bypass");
  EXPECT_EQ(Macro(*page, 2).text(), "MACRO3");
  EXPECT_EQ(UiFixture::Setting("CommandCaption1").toString(), "Bypass");
  QTest::keyClicks(&Line(), "AN");
  Macro(*page, 0).click();
  EXPECT_TRUE(WaitReceived("ANBYP;MD;"));  // in one send

  // The next start's page reads them back.
  const CCommandTesterPage next;
  EXPECT_EQ(Macro(next, 0).text(), "Bypass");
  EXPECT_EQ(next.MacroTexts.Get(0), "BYP;MD;");
  EXPECT_EQ(Macro(next, 4).text(), "MACRO5");  // an emptied label returns as its default
}
