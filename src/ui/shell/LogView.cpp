#include "ui/shell/LogView.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>

#include "base/AtomicFileWriter.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"
#include "ui/shell/UserPrompts.h"

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
  DropOldestLines();
  if (follow) FollowEnd();
}

void CLogView::DropOldestLines() {
  if (m_characterLimit <= 0) return;
  QTextDocument* doc = document();
  // characterCount() counts the document's closing paragraph separator too.
  while (doc->characterCount() - 1 > m_characterLimit && doc->blockCount() > 1) {
    QTextCursor first(doc->firstBlock());
    first.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    first.removeSelectedText();
  }
}

void CLogView::EnableSaving(const QString& itemText, const QString& defaultName) {
  m_saveItemText = itemText;
  m_saveDefaultName = defaultName;
}

bool CLogView::SaveTo(const QString& path, const QString& boxTitle) {
  CModelReportSink sink(GetModel());
  CAtomicFileWriter writer(boxTitle, sink);
  QString text = toPlainText();
  if (!text.isEmpty()) text += u'\n';
  return writer.Open(path) && writer.WriteBytes(text.toUtf8()) && writer.Commit();
}

void CLogView::SaveAs() {
  QString title = m_saveItemText;
  title.remove(u'&');
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = CUserPrompts::Current().ChooseSaveFile(this, title, QDir(folder).filePath(m_saveDefaultName),
                                                              tr("Text files (*.txt);;All files (*)"));
  if (!path.isEmpty()) SaveTo(path, title);
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
    QAction* action = menu->addAction(tr(text), this, slot);
    action->setEnabled(enabled);
  };
  add(QT_TR_NOOP("&Undo\tCtrl+Z"), editable && document()->isUndoAvailable(), &QTextEdit::undo);
  menu->addSeparator();
  add(QT_TR_NOOP("Cu&t\tCtrl+X"), selected && editable, &QTextEdit::cut);
  add(QT_TR_NOOP("&Copy\tCtrl+C"), selected, &QTextEdit::copy);
  add(QT_TR_NOOP("&Paste\tCtrl+V"), canPaste(), &QTextEdit::paste);
  QAction* remove = menu->addAction(tr("&Delete\tDel"), this, [this] { textCursor().removeSelectedText(); });
  remove->setEnabled(selected && editable);
  menu->addSeparator();
  add(QT_TR_NOOP("Select &All\tCtrl+A"), true, &QTextEdit::selectAll);
  if (!m_saveItemText.isEmpty()) {
    menu->addSeparator();
    menu->addAction(m_saveItemText, this, &CLogView::SaveAs)->setEnabled(!document()->isEmpty());
  }
  return menu;
}

// The menu key brings the menu too: without it, Save As could not be reached
// from the keyboard.
void CLogView::contextMenuEvent(QContextMenuEvent* event) { CreateContextMenu()->exec(event->globalPos()); }
