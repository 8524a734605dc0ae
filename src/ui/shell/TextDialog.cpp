#include "ui/shell/TextDialog.h"

#include <QPushButton>

#include "ui/shell/DialogLayout.h"
#include "ui/shell/LogView.h"

CTextDialog::CTextDialog(QWidget* parent) : QDialog(parent), m_text(new CLogView(this)) {
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QTextEdit::WidgetWidth);
  auto* close = new QPushButton(tr("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  LayOutLogWindow(*this, *m_text, *close);
  resize(620, 520);
}
