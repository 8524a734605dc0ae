#include "ui/shell/AboutDialog.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ProgramVersion.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "ui/shell/LicenseDialog.h"

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent), m_text(new QLabel(this)) {
  setWindowTitle(tr("About Corvanta ?? Utility").replace(QStringLiteral("??"), ModelName()));
  // The same version text as the main window's title.
  m_text->setText(CProgramVersion::VersionText() + QStringLiteral("\n\n") + CProgramVersion::LegalNotice());
  m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_text->setObjectName("aboutText");
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/icons/zu6400.xpm")).pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);
  auto* license = new QPushButton(tr("View &License Agreement"), this);
  auto* close = new QPushButton(tr("Close"), this);
  close->setDefault(true);
  connect(license, &QPushButton::clicked, this, &CAboutDialog::ShowLicense);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* body = new QHBoxLayout;
  body->addWidget(icon);
  body->addWidget(m_text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(license);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addLayout(buttons);
}

void CAboutDialog::ShowLicense() {
  CLicenseDialog license(CLicenseDialog::kLicenseResource, this);
  license.exec();
}
