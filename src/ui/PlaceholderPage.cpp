#include "ui/PlaceholderPage.h"

#include <QLabel>
#include <QVBoxLayout>

CPlaceholderPage::CPlaceholderPage(const QString& title, const QString& helpTopic, QWidget* parent)
    : CPage(title, helpTopic, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(tr("This page is not available in this version of the program."), this);
  note->setAlignment(Qt::AlignCenter);
  layout->addWidget(note);
}
