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
void SelectFirstCharacters(QTextEdit& view, int count) {
  QTextCursor cursor = view.textCursor();
  cursor.setPosition(0);
  cursor.setPosition(count, QTextCursor::KeepAnchor);
  view.setTextCursor(cursor);
}

class LogView : public ::testing::Test {
 protected:
  void SetUp() override {
    view.setReadOnly(true);
    view.EnableSaving(QStringLiteral("Save &Log As..."), QStringLiteral("log.txt"));
    view.resize(300, 120);
    view.show();
  }
  void Fill(int lines) {
    for (int i = 0; i < lines; ++i) view.AppendLine(QStringLiteral("line %1").arg(i));
    QCoreApplication::processEvents();
  }
  // What the context menu offers, opened with the menu key as by those without
  // a mouse: the program's own menu, with its Save As.
  QStringList Offered() {
    QStringList offered;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* action : menu->actions())
        if (action->isEnabled() && !action->isSeparator()) offered << action->text().section(u'\t', 0, 0).remove(u'&');
      menu->close();
    });
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), view.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view.viewport(), &key);
    return offered;
  }
  CLogView view;
};
}  // namespace

TEST_F(LogView, LinesAreSeparatedAndTimeStampedAndTheOldestDroppedBeyondTheLimit) {
  view.AppendLogLine(QStringLiteral("first\r\n"));
  view.AppendLine(QStringLiteral("second\r\nthird"));
  const QStringList lines = view.toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d first$")).match(lines[0]).hasMatch());
  EXPECT_EQ(lines[2], "third");
  view.SetCharacterLimit(100);
  Fill(30);
  EXPECT_LE(view.toPlainText().size(), 100);
  EXPECT_TRUE(view.toPlainText().endsWith("line 29"));
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
  EXPECT_EQ(Offered(), QStringList({"Select All", "Save Log As..."}));
  // Read-only with a selection: copy, but neither cut nor paste.
  SelectFirstCharacters(view, 4);
  EXPECT_EQ(Offered(), QStringList({"Copy", "Select All", "Save Log As..."}));
}
