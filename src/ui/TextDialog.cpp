#include "ui/TextDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/LogView.h"

CTextDialog::CTextDialog(QWidget* parent) : QDialog(parent), m_text(new CLogView(this)) {
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QTextEdit::WidgetWidth);
  auto* close = new QPushButton(tr("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text, 1);
  layout->addLayout(buttons);
  resize(620, 520);
}
