#include "ui/shell/UserPrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "config/ConfigurationFileWriter.h"

namespace {
// "ZU6400 Configuration File (*.ZU6400Config);;All Files (*)"
QString Filter() {
  const QString ext = QString::fromLatin1(kConfigFileExtension);
  return Format(QCoreApplication::translate("CUserPrompts", "%s Configuration File (*.%s);;All Files (*)"), ModelName(), ext);
}

CUserPrompts*& Replacement() {
  static CUserPrompts* prompts = nullptr;
  return prompts;
}
}  // namespace

CUserPrompts& CUserPrompts::Current() {
  static CUserPrompts dialogs;
  return Replacement() != nullptr ? *Replacement() : dialogs;
}

void CUserPrompts::Replace(CUserPrompts* prompts) { Replacement() = prompts; }

bool CUserPrompts::Ask(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

bool CUserPrompts::Confirm(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString CUserPrompts::ChooseConfigurationFile(QWidget* parent, FileUse use, const QString& initialPath) {
  QFileDialog dialog(parent, use == FileUse::Save ? LoadString(Str::SaveConfigurationTitle)
                                                  : LoadString(Str::RestoreConfigurationTitle));
  dialog.setNameFilter(Filter());
  dialog.setDefaultSuffix(QString::fromLatin1(kConfigFileExtension));
  if (use == FileUse::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(initialPath);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(initialPath);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString CUserPrompts::ChooseFolder(QWidget* parent, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
}

QString CUserPrompts::ChooseSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                                     const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, proposal, filter);
}

// Boxes often come from inside serial input or a machine's timer. The box is
// opened modal and returns at once, without a nested event loop, so that the
// machine that asked for it finishes its step before anything else runs.
void CUserPrompts::ShowMessage(QWidget* parent, BoxIcon icon, const QString& title, const QString& text) {
  static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical};
  auto* box = new QMessageBox(icons[static_cast<int>(icon)], title, text, QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  box->open();
}
