// The command tester against the simulated tuner: sending at ";" and on
// Enter, colours, macros, the macro editor and the macros' persistence.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/CommandTesterPage.h"
#include "ui/LogView.h"
#include "ui/MacroEditorDialog.h"
#include "ui/TabView.h"

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
  EXPECT_TRUE(page->CommandLine().text().isEmpty());
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
  EXPECT_EQ(Output(), "AN\n");
  // The tuner still waits for the end of the command: the next text completes it.
  QTest::keyClicks(&page->CommandLine(), "1;");
  EXPECT_TRUE(WaitReceived("AN1;"));
}

TEST_F(CommandTester, MacroAppendsItsTextToTheCommandLineInOneSend) {
  page->MacroTexts.Set(2, QStringLiteral("BYP;MD;"));
  QTest::keyClicks(&page->CommandLine(), "AN");
  page->MacroButton(2).click();
  EXPECT_TRUE(WaitReceived("ANBYP;MD;"));
  EXPECT_TRUE(Output().startsWith("ANBYP;MD;\n"));
  EXPECT_TRUE(page->CommandLine().text().isEmpty());
}

TEST_F(CommandTester, UnsolicitedInputIsShownWithoutCarriageReturns) {
  f.Sim().SendUnsolicited("AN1;\r\n");
  ASSERT_TRUE(WaitFor([&] { return Output() == "AN1;\n"; }, 3000)) << Output().toStdString();
  EXPECT_EQ(ColourOf("AN1;"), QColor(Qt::black));
}

TEST_F(CommandTester, EmptiedLabelReturnsAsItsDefaultAndMacrosPersist) {
  page->SetMacroEditorRunner([](CMacroEditorDialog& editor) {
    editor.show();
    CMacroEditorPage& rows = editor.Page();
    EXPECT_EQ(rows.LabelEdit(4).text(), "MACRO5");
    rows.LabelEdit(0).setText("Tune");
    rows.TextEdit(0).setText("TU;");
    rows.LabelEdit(4).clear();
    editor.Buttons().button(QDialogButtonBox::Ok)->click();
    return editor.result();
  });
  page->EditMacros();
  EXPECT_EQ(page->MacroButton(0).text(), "Tune");
  EXPECT_EQ(page->MacroButton(4).text(), "MACRO5");
  EXPECT_EQ(page->MacroTexts.Get(0), "TU;");

  f.CloseWindow();
  Open();
  EXPECT_EQ(page->MacroButton(0).text(), "Tune");
  EXPECT_EQ(page->MacroTexts.Get(0), "TU;");
  EXPECT_EQ(page->MacroButton(4).text(), "MACRO5");
  EXPECT_EQ(page->MacroButton(15).text(), "MACRO16");
}

TEST_F(CommandTester, CancelledEditorChangesNothingAndApplyRelabelsAtOnce) {
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
  // Not accepted: nothing was saved.
  EXPECT_FALSE(UiFixture::Setting("CommandCaption2").isValid());
}

TEST_F(CommandTester, WithoutAnIdentifiedTunerNothingIsSentAndTheControlsAreDisabled) {
  GetModel().ClosePort();
  EXPECT_FALSE(page->CommandLine().isEnabled());
  EXPECT_FALSE(page->MacroButton(0).isEnabled());
  page->SendText(QStringLiteral("rv;"));
  EXPECT_TRUE(Output().isEmpty());
}

TEST_F(CommandTester, MacroLabelsShowAmpersandsAsTyped) {
  page->MacroLabels.Set(0, QStringLiteral("S&P"));
  EXPECT_EQ(page->MacroButton(0).text(), "S&&P");
}
