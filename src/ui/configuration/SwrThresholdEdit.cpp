#include "ui/configuration/SwrThresholdEdit.h"

#include <QKeyEvent>

bool AcceptsSwrThresholdKey(const QString& text, bool hasSelection, QChar typed) {
  const bool hasPoint = text.contains(u'.');
  if (typed == u'.') return hasSelection || text.isEmpty() || !hasPoint;
  if (!typed.isDigit() || typed.unicode() > 0x7F) return false;
  if (hasSelection || text.isEmpty()) return true;
  return text.size() < (hasPoint ? 6 : 3);
}

bool IsSwrThresholdText(const QString& text) {
  bool digit = false;
  for (QChar c : text) {
    if (c.unicode() >= '0' && c.unicode() <= '9')
      digit = true;
    else if (c != u'.')
      return false;
  }
  return digit && text.count(u'.') <= 1;
}

void CSwrThresholdEdit::keyPressEvent(QKeyEvent* event) {
  // Editing and moving keys carry no text of their own and always pass.
  const QString typed = event->text();
  const bool printable = typed.size() == 1 && typed.at(0).isPrint();
  const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (printable && !shortcut && !AcceptsSwrThresholdKey(text(), hasSelectedText(), typed.at(0))) {
    event->accept();  // dropped
    return;
  }
  QLineEdit::keyPressEvent(event);
}
