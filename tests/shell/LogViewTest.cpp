// The log view: the append rule, the scroll rule, the size limit and the context menu.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/shell/LogView.h"

namespace {
// Whether the context menu offers the action of that text.
bool Offers(CLogView& view, const QString& text) {
  const auto menu = view.CreateContextMenu();
  for (QAction* action : menu->actions())
    if (action->text() == text) return action->isEnabled();
  ADD_FAILURE() << "no action " << text.toStdString();
  return false;
}

class LogView : public ::testing::Test {
 protected:
  void SetUp() override {
    view.setReadOnly(true);
    view.resize(300, 120);
    view.show();
  }
  void Fill(int lines) {
    for (int i = 0; i < lines; ++i) view.AppendLine(QStringLiteral("line %1").arg(i));
    QCoreApplication::processEvents();
  }
  CLogView view;
};
}  // namespace

static void SelectFirstCharacters(QTextEdit& view, int count) {
  QTextCursor cursor = view.textCursor();
  cursor.setPosition(0);
  cursor.setPosition(count, QTextCursor::KeepAnchor);
  view.setTextCursor(cursor);
}

TEST_F(LogView, LinesAreSeparatedAndTimeStamped) {
  view.AppendLogLine(QStringLiteral("first\r\n"));
  view.AppendLine(QStringLiteral("second\r\nthird"));
  const QStringList lines = view.toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d first$")).match(lines[0]).hasMatch());
  EXPECT_EQ(lines[2], "third");
}

TEST_F(LogView, FollowsNewLinesAtTheBottomButNotWhenScrolledUpAndKeepsTheSelection) {
  Fill(100);
  QScrollBar* bar = view.verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());

  // Scrolled up, with a selection: both stay as the user left them.
  SelectFirstCharacters(view, 4);
  bar->setValue(bar->maximum() / 2);
  const int kept = bar->value();
  Fill(20);
  EXPECT_EQ(bar->value(), kept);
  EXPECT_EQ(view.textCursor().selectedText(), "line");
}

TEST_F(LogView, TheMenuOffersWhatTheControlCanDo) {
  Fill(3);
  QApplication::clipboard()->setText(QStringLiteral("pasted"));
  EXPECT_FALSE(Offers(view, "&Copy\tCtrl+C"));
  // Read-only with a selection: copy, but neither cut nor paste.
  SelectFirstCharacters(view, 4);
  EXPECT_TRUE(Offers(view, "&Copy\tCtrl+C"));
  EXPECT_FALSE(Offers(view, "Cu&t\tCtrl+X"));
  EXPECT_FALSE(Offers(view, "&Paste\tCtrl+V"));
  // Editable with text on the clipboard: paste, and then undo.
  view.setReadOnly(false);
  EXPECT_TRUE(Offers(view, "&Paste\tCtrl+V"));
  view.paste();
  EXPECT_TRUE(Offers(view, "&Undo\tCtrl+Z"));
}

TEST_F(LogView, TheContextMenuKeyShowsTheMenuForThoseWithoutAMouse) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = QApplication::activePopupWidget() != nullptr;
    if (shown) QApplication::activePopupWidget()->close();
  });
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), view.viewport()->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(view.viewport(), &key);
  EXPECT_TRUE(shown);
}

TEST_F(LogView, DropsTheOldestLinesBeyondItsLimit) {
  view.SetCharacterLimit(100);
  Fill(30);
  EXPECT_LE(view.toPlainText().size(), 100);
  EXPECT_TRUE(view.toPlainText().endsWith("line 29"));
}

