#include "ui/shell/DialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void LayOutLogWindow(QDialog& dialog, QWidget& log, QPushButton& button, QWidget* under) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(&button);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(&log, 1);
  if (under != nullptr) layout->addWidget(under);
  layout->addLayout(buttons);
}
