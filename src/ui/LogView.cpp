#include "ui/LogView.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QScrollBar>
#include <QTextCursor>


CLogView::CLogView(QWidget* parent) : QTextEdit(parent) {}

QFont CLogView::LogFont() {
  QFont font(QStringLiteral("Courier New"), 10);
  if (QFontInfo(font).family() != font.family()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
  }
  return font;
}

bool CLogView::IsScrolledUp() const {
  const QScrollBar* bar = verticalScrollBar();
  return bar->pageStep() != 0 && bar->value() < bar->maximum();
}

void CLogView::AppendLine(const QString& line) {
  QString text = ChopLineEnds(line);
  if (!document()->isEmpty()) text.prepend(u'\n');
  Insert(text, nullptr);
}

void CLogView::AppendText(const QString& text, const QTextCharFormat& format) {
  Insert(text, &format);
}

void CLogView::Insert(const QString& text, const QTextCharFormat* format) {
  const bool follow = !IsScrolledUp();
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(u'\r', u'\n');
  // A cursor of our own: the user's selection and view stay where they are.
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  if (format != nullptr)
    end.insertText(plain, *format);
  else
    end.insertText(plain);
  if (follow) FollowEnd();
}

void CLogView::FollowEnd() {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->maximum());
}

std::unique_ptr<QMenu> CLogView::CreateContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  const bool selected = textCursor().hasSelection();
  const bool editable = !isReadOnly();
  auto add = [&](const char* text, bool enabled, void (QTextEdit::*slot)()) {
    QAction* action = menu->addAction(QString::fromUtf8(text), this, slot);
    action->setEnabled(enabled);
  };
  add("&Undo\tCtrl+Z", editable && document()->isUndoAvailable(), &QTextEdit::undo);
  menu->addSeparator();
  add("Cu&t\tCtrl+X", selected && editable, &QTextEdit::cut);
  add("&Copy\tCtrl+C", selected, &QTextEdit::copy);
  add("&Paste\tCtrl+V", canPaste(), &QTextEdit::paste);
  QAction* remove = menu->addAction(QStringLiteral("&Delete\tDel"), this, [this] { textCursor().removeSelectedText(); });
  remove->setEnabled(selected && editable);
  menu->addSeparator();
  add("Select &All\tCtrl+A", true, &QTextEdit::selectAll);
  return menu;
}

void CLogView::contextMenuEvent(QContextMenuEvent* event) {
  // Only a mouse click brings the menu; the menu key is passed on.
  if (event->reason() != QContextMenuEvent::Mouse) {
    event->ignore();
    return;
  }
  CreateContextMenu()->exec(event->globalPos());
}
