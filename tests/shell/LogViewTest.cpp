// The log view: the append rule, the scroll rule and the size limit.

#include <QCoreApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "ui/shell/LogView.h"

namespace {
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

TEST_F(LogView, FollowsNewLinesAtTheBottomButNotWhenScrolledUp) {
  Fill(100);
  QScrollBar* bar = view.verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());

  // Scrolled up, it stays where the user left it.
  bar->setValue(bar->maximum() / 2);
  const int kept = bar->value();
  Fill(20);
  EXPECT_EQ(bar->value(), kept);
}
