// The command tester against the simulated tuner: sending at ";" and on
// Enter, colours, macros, the macro editor and the macros' persistence.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "base/TimeScale.h"
#include "link/TunerCommands.h"
#include "ui/CommandTesterPage.h"
#include "ui/LogView.h"
#include "ui/MacroEditorDialog.h"
#include "ui/TabView.h"
#include "ui/Transcript.h"

namespace {
const QColor kSent(0, 153, 0);

class CommandTester : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(f.StartSimulator());
    UiFixture::SaveSetting("ActivePage", CTabView::kCommandTesterPage);
    Open();
  }
  void Open() {
    CMainWindow& window = f.OpenWindow(f.SimPort());
    ASSERT_TRUE(f.WaitRunning());
    ASSERT_EQ(window.TabView().currentIndex(), CTabView::kCommandTesterPage);
    page = static_cast<CCommandTesterPage*>(window.TabView().CurrentPage());
    f.Sim().ClearReceived();
  }
  QString Output() const { return page->Output().toPlainText(); }
  // The colour of the output's character at the start of the first occurrence of text.
  QColor ColourOf(const QString& text) const {
    QTextDocument* doc = page->Output().document();
    const QTextCursor found = doc->find(text);
    QTextCursor at(doc);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat().foreground().color();
  }
  bool WaitReceived(const QByteArray& bytes) {
    return WaitFor([&] { return f.Sim().Received() == bytes; }, 3000);
  }

  UiFixture f;
  CCommandTesterPage* page = nullptr;
};
}  // namespace

TEST_F(CommandTester, SemicolonSendsTheLineAndTheReplyShowsInBlack) {
  QTest::keyClicks(&page->CommandLine(), "rv");
  EXPECT_TRUE(f.Sim().Received().isEmpty());
  QTest::keyClicks(&page->CommandLine(), ";");
  ASSERT_TRUE(WaitReceived("rv;"));
  ASSERT_TRUE(WaitFor([&] { return Output().contains("RV01.05;"); }, 3000));
  EXPECT_EQ(Output(), "rv;\nRV01.05;");
  EXPECT_EQ(ColourOf("rv;"), kSent);
  EXPECT_EQ(ColourOf("RV01.05;"), QColor(Qt::black));
}

TEST_F(CommandTester, EnterSendsWithoutASemicolon) {
  QTest::keyClicks(&page->CommandLine(), "AN");
  QTest::keyClick(&page->CommandLine(), Qt::Key_Return);
  EXPECT_TRUE(page->CommandLine().text().isEmpty());
  EXPECT_EQ(Output(), "AN");
  // The tuner still waits for the end of the command: the next text completes it.
  QTest::keyClicks(&page->CommandLine(), "1;");
  EXPECT_TRUE(WaitReceived("AN1;"));
}

TEST_F(CommandTester, MacroAppendsItsTextToTheCommandLineInOneSend) {
  page->MacroTexts.Set(2, QStringLiteral("BYP;MD;"));
  QTest::keyClicks(&page->CommandLine(), "AN");
  page->MacroButton(2).click();
  EXPECT_TRUE(WaitReceived("ANBYP;MD;"));
}

TEST_F(CommandTester, UnsolicitedInputIsShownWithoutCarriageReturns) {
  f.Sim().SendUnsolicited("AN1;\r\n");
  EXPECT_TRUE(WaitFor([&] { return Output() == "AN1;"; }, 3000)) << Output().toStdString();
}

TEST_F(CommandTester, EmptiedLabelReturnsAsItsDefaultAndMacrosPersist) {
  page->SetMacroEditorRunner([](CMacroEditorDialog& editor) {
    editor.show();
    CMacroEditorPage& rows = editor.Page();
    rows.LabelEdit(0).setText("Tune");
    rows.TextEdit(0).setText("TU;");
    rows.LabelEdit(4).clear();
    editor.Buttons().button(QDialogButtonBox::Ok)->click();
    return editor.result();
  });
  page->EditMacros();
  f.CloseWindow();
  Open();
  EXPECT_EQ(page->MacroButton(0).text(), "Tune");
  EXPECT_EQ(page->MacroTexts.Get(0), "TU;");
  EXPECT_EQ(page->MacroButton(4).text(), "MACRO5");
}

TEST_F(CommandTester, ApplyRelabelsAndKeepsAtOnceAndCancelDropsOnlyWhatCameAfter) {
  page->SetMacroEditorRunner([](CMacroEditorDialog& editor) {
    editor.show();
    editor.Page().LabelEdit(1).setText("Bypass");
    editor.Buttons().button(QDialogButtonBox::Apply)->click();
    editor.Page().LabelEdit(2).setText("Never");
    editor.Buttons().button(QDialogButtonBox::Cancel)->click();
    return editor.result();
  });
  page->EditMacros();
  EXPECT_EQ(page->MacroButton(1).text(), "Bypass");
  EXPECT_EQ(page->MacroButton(2).text(), "MACRO3");
  EXPECT_EQ(UiFixture::Setting("CommandCaption2").toString(), "Bypass");
}

TEST_F(CommandTester, WithoutAnIdentifiedTunerNothingIsSentAndTheControlsAreDisabled) {
  GetModel().ClosePort();
  EXPECT_FALSE(page->CommandLine().isEnabled());
  page->SendText(QStringLiteral("rv;"));
  EXPECT_TRUE(Output().isEmpty());
}

TEST_F(CommandTester, EachReplyHasItsLineAndSilenceIsMarked) {
  CTimeScale::SetFactor(20);
  page->SendText(QStringLiteral("rv;sn;"));
  ASSERT_TRUE(WaitFor([&] { return Output().contains("SN01234;"); }, 3000)) << Output().toStdString();
  page->SendText(QStringLiteral("sm;"));  // the tuner answers nothing to this
  ASSERT_TRUE(WaitFor([&] { return Output().endsWith("(no reply)"); }, 3000)) << Output().toStdString();
  CTimeScale::SetFactor(1);
  EXPECT_EQ(Output(), "rv;sn;\nRV01.05;\nSN01234;\nsm;\n(no reply)");

  page->Output().clear();
  page->HexadecimalBox().setChecked(true);
  page->TimeStampBox().setChecked(true);
  page->SendText(QStringLiteral("rv;"));
  ASSERT_TRUE(WaitFor([&] { return Output().contains("3B"); }, 3000)) << Output().toStdString();
  const QStringList lines = Output().split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "));
  EXPECT_TRUE(stamp.match(lines[0]).hasMatch()) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].endsWith(" rv;"));
  EXPECT_TRUE(lines[1].endsWith(" 52 56 30 31 2E 30 35 3B")) << lines[1].toStdString();
}

TEST_F(CommandTester, UpAndDownRecallEarlierCommandsWithoutSendingThem) {
  for (const char* command : {"rv;", "sn;", "sn;", "an;"}) page->SendText(QString::fromLatin1(command));
  ASSERT_TRUE(WaitReceived("rv;sn;sn;an;"));
  QLineEdit& line = page->CommandLine();
  QStringList seen;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(&line, Qt::Key_Up);
    seen << line.text();
  }
  EXPECT_EQ(seen, QStringList({"an;", "sn;", "rv;", "rv;"}));  // a repeat is kept once
  QTest::keyClick(&line, Qt::Key_Down);
  EXPECT_EQ(line.text(), "sn;");
  EXPECT_EQ(f.Sim().Received(), "rv;sn;sn;an;");  // recalling sends nothing
}

TEST_F(CommandTester, LongLabelsAreCutWithTheWholeAsTooltip) {
  const QString label = QStringLiteral("Antenna 2 with the attenuator on and bypass off");
  page->MacroLabels.Set(3, label);
  EXPECT_EQ(page->MacroButton(3).toolTip(), label);
  EXPECT_TRUE(page->MacroButton(3).text().endsWith(QChar(0x2026)));
}

TEST(CommandTesterHelp, ListsEveryQueryTheProgramSends) {
  QFile page(QStringLiteral(ZU_HELP_SOURCE_DIR "/CommandTester.htm"));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(page.readAll());
  for (const char* command :
       {Tuner::Poll, Tuner::Identify, Tuner::McuVersion, Tuner::SerialNumber, Tuner::PowerStatus, Tuner::Mode,
        Tuner::Antenna, Tuner::Side, Tuner::Attenuator, Tuner::KeyInterrupt, Tuner::Bypass, Tuner::BandNumber,
        Tuner::Fault, Tuner::TuneStatus, Tuner::Capacitor, Tuner::Inductor, Tuner::Frequency, Tuner::FrequencyC,
        Tuner::FrequencyX, Tuner::FrequencyY, Tuner::ForwardVoltage, Tuner::ReflectedVoltage, Tuner::Swr,
        Tuner::SwrBypass, Tuner::Memorize, Tuner::Tune, Tuner::KeyInterruptPower, Tuner::PowerInitial, Tuner::Sleep})
    EXPECT_TRUE(text.contains(QStringLiteral("<code>%1</code>").arg(QLatin1String(command)))) << command;
}
