#include "ui/shell/Accessible.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, buddy->parentWidget());
  label->setBuddy(buddy);
  return label;
}

void GiveMnemonics(QDialogButtonBox& buttons) {
  if (QPushButton* apply = buttons.button(QDialogButtonBox::Apply))
    apply->setText(QCoreApplication::translate("Accessible", "&Apply"));
  if (QPushButton* help = buttons.button(QDialogButtonBox::Help))
    help->setText(QCoreApplication::translate("Accessible", "&Help"));
}

void Announce(QWidget& widget, const QString& text) {
  // Line breaks and CR: screen readers speak the words, not the layout.
  widget.setAccessibleName(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' '));
}
