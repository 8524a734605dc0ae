// The command tester against the simulated tuner: sending at ";" and on
// Enter, colours, recall, macros, the macro editor and the macros' persistence.

#include <QCheckBox>
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
#include "ui/shell/TabView.h"

namespace {
const QColor kSent(0, 153, 0);

class CommandTester : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(f.StartSimulator());
    UiFixture::SaveSetting("ActivePage", CTabView::kCommandTesterTab);
    Open();
  }
  void Open() {
    f.OpenWindow(f.SimPort());
    ASSERT_TRUE(f.WaitRunning());
    page = &f.ShowPage<CCommandTesterPage>();
    f.Sim().ClearReceived();
  }
  QLineEdit& Line() const { return Child<QLineEdit>(*page, "commandLine"); }
  CLogView& Transcript() const { return Child<CLogView>(*page, "transcript"); }
  QPushButton& Macro(int index) const { return Child<QPushButton>(*page, QStringLiteral("macro%1").arg(index)); }
  QString Output() const { return Transcript().toPlainText(); }
  // The colour of the output's character at the start of the first occurrence of text.
  QColor ColourOf(const QString& text) const {
    QTextDocument* doc = Transcript().document();
    QTextCursor at(doc);
    at.setPosition(doc->find(text).selectionStart() + 1);
    return at.charFormat().foreground().color();
  }
  bool WaitReceived(const QByteArray& bytes) {
    return WaitFor([&] { return f.Sim().Received() == bytes; }, 3000);
  }
  // The macro editor, run by the Edit Macros button, is given to the edit.
  void EditMacros(const std::function<void(CMacroEditorDialog&)>& edit) {
    OnNextModal<CMacroEditorDialog>(edit);
    Child<QPushButton>(*page, "editMacrosButton").click();
  }

  UiFixture f;
  CCommandTesterPage* page = nullptr;
};
}  // namespace

TEST_F(CommandTester, SemicolonSendsTheLineAndTheReplyShowsInBlack) {
  QTest::keyClicks(&Line(), "rv");
  EXPECT_TRUE(f.Sim().Received().isEmpty());
  QTest::keyClicks(&Line(), ";");
  ASSERT_TRUE(WaitReceived("rv;"));
  ASSERT_TRUE(WaitFor([&] { return Output().contains("RV01.05;"); }, 3000));
  EXPECT_EQ(Output(), "rv;\nRV01.05;");
  EXPECT_EQ(ColourOf("rv;"), kSent);
  EXPECT_EQ(ColourOf("RV01.05;"), QColor(Qt::black));
}

TEST_F(CommandTester, EnterSendsWithoutASemicolonAndAMacroAppendsToTheLine) {
  QTest::keyClicks(&Line(), "AN");
  QTest::keyClick(&Line(), Qt::Key_Return);
  EXPECT_TRUE(Line().text().isEmpty());
  EXPECT_EQ(Output(), "AN");
  // The tuner still waits for the end of the command: the next text completes it.
  QTest::keyClicks(&Line(), "1;");
  ASSERT_TRUE(WaitReceived("AN1;"));
  page->MacroTexts.Set(2, QStringLiteral("BYP;MD;"));
  QTest::keyClicks(&Line(), "AN");
  Macro(2).click();
  EXPECT_TRUE(WaitReceived("AN1;ANBYP;MD;"));  // in one send
}

TEST_F(CommandTester, UnsolicitedInputIsShownWithoutCarriageReturns) {
  f.Sim().SendUnsolicited("AN1;\r\n");
  EXPECT_TRUE(WaitFor([&] { return Output() == "AN1;"; }, 3000)) << Output().toStdString();
}

TEST_F(CommandTester, EmptiedLabelReturnsAsItsDefaultAndMacrosPersist) {
  EditMacros([](CMacroEditorDialog& editor) {
    Child<QLineEdit>(editor, "macroLabel0").setText("Tune");
    Child<QLineEdit>(editor, "macroText0").setText("TU;");
    Child<QLineEdit>(editor, "macroLabel4").clear();
    Button(editor, QDialogButtonBox::Ok).click();
  });
  f.CloseWindow();
  Open();
  EXPECT_EQ(Macro(0).text(), "Tune");
  EXPECT_EQ(page->MacroTexts.Get(0), "TU;");
  EXPECT_EQ(Macro(4).text(), "MACRO5");
}

TEST_F(CommandTester, ApplyRelabelsAndKeepsAtOnceAndCancelDropsOnlyWhatCameAfter) {
  EditMacros([](CMacroEditorDialog& editor) {
    Child<QLineEdit>(editor, "macroLabel1").setText("Bypass");
    Button(editor, QDialogButtonBox::Apply).click();
    Child<QLineEdit>(editor, "macroLabel2").setText("Never");
    Button(editor, QDialogButtonBox::Cancel).click();
  });
  EXPECT_EQ(Macro(1).text(), "Bypass");
  EXPECT_EQ(Macro(2).text(), "MACRO3");
  EXPECT_EQ(UiFixture::Setting("CommandCaption2").toString(), "Bypass");
}

TEST_F(CommandTester, WithoutAnIdentifiedTunerTheLineIsOff) {
  GetModel().ClosePort();
  EXPECT_FALSE(Line().isEnabled());
  EXPECT_FALSE(Macro(0).isEnabled());
}

TEST_F(CommandTester, EachReplyHasItsLineSilenceIsMarkedAndHexShowsTheBytes) {
  CTimeScaleScope faster(20);
  Line().setText(QStringLiteral("rv;sn;"));
  ASSERT_TRUE(WaitFor([&] { return Output().contains("SN01234;"); }, 3000)) << Output().toStdString();
  Line().setText(QStringLiteral("sm;"));  // the tuner answers nothing to this
  ASSERT_TRUE(WaitFor([&] { return Output().endsWith("(no reply)"); }, 3000)) << Output().toStdString();
  EXPECT_EQ(Output(), "rv;sn;\nRV01.05;\nSN01234;\nsm;\n(no reply)");

  Transcript().clear();
  Child<QCheckBox>(*page, "hexadecimalBox").setChecked(true);
  Child<QCheckBox>(*page, "timeStampsBox").setChecked(true);
  Line().setText(QStringLiteral("rv;"));
  ASSERT_TRUE(WaitFor([&] { return Output().contains("3B"); }, 3000)) << Output().toStdString();
  const QStringList lines = Output().split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "));
  EXPECT_TRUE(stamp.match(lines[0]).hasMatch()) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].endsWith(" rv;"));
  EXPECT_TRUE(lines[1].endsWith(" 52 56 30 31 2E 30 35 3B")) << lines[1].toStdString();
}

TEST_F(CommandTester, UpAndDownRecallEarlierCommandsWithoutSendingThem) {
  for (const char* command : {"rv;", "sn;", "sn;", "an;"}) Line().setText(QString::fromLatin1(command));
  ASSERT_TRUE(WaitReceived("rv;sn;sn;an;"));
  QStringList seen;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(&Line(), Qt::Key_Up);
    seen << Line().text();
  }
  EXPECT_EQ(seen, QStringList({"an;", "sn;", "rv;", "rv;"}));  // a repeat is kept once
  QTest::keyClick(&Line(), Qt::Key_Down);
  EXPECT_EQ(Line().text(), "sn;");
  EXPECT_EQ(f.Sim().Received(), "rv;sn;sn;an;");  // recalling sends nothing
}

TEST_F(CommandTester, LongLabelsAreCutWithTheWholeAsTooltip) {
  const QString label = QStringLiteral("Antenna 2 with the attenuator on and bypass off");
  page->MacroLabels.Set(3, label);
  EXPECT_EQ(Macro(3).toolTip(), label);
  EXPECT_TRUE(Macro(3).text().endsWith(QChar(0x2026)));
}

