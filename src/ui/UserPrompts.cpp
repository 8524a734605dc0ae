#include "ui/UserPrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "config/ConfigurationFileWriter.h"

namespace {
bool AskWithBox(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

// "ZU6400 Configuration File (*.ZU6400Config);;All Files (*)"
QString Filter() {
  const QString ext = QString::fromLatin1(kConfigFileExtension);
  return Format(QCoreApplication::translate("CUserPrompts", "%s Configuration File (*.%s);;All Files (*)"), ModelName(), ext);
}

QString ChooseWithDialog(QWidget* parent, CUserPrompts::FileUse use, const QString& initialPath) {
  QFileDialog dialog(parent, use == CUserPrompts::FileUse::Save ? LoadString(Str::SaveConfigurationTitle)
                                                                : LoadString(Str::RestoreConfigurationTitle));
  dialog.setNameFilter(Filter());
  dialog.setDefaultSuffix(QString::fromLatin1(kConfigFileExtension));
  if (use == CUserPrompts::FileUse::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(initialPath);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(initialPath);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

CUserPrompts::Question& CurrentQuestion() {
  static CUserPrompts::Question question = AskWithBox;
  return question;
}

CUserPrompts::FileChooser& CurrentChooser() {
  static CUserPrompts::FileChooser chooser = ChooseWithDialog;
  return chooser;
}
}  // namespace

bool CUserPrompts::Ask(QWidget* parent, const QString& title, const QString& text) {
  return CurrentQuestion()(parent, title, text);
}

QString CUserPrompts::ChooseConfigurationFile(QWidget* parent, FileUse use, const QString& initialPath) {
  return CurrentChooser()(parent, use, initialPath);
}

void CUserPrompts::SetQuestion(Question question) { CurrentQuestion() = question ? std::move(question) : AskWithBox; }

void CUserPrompts::SetFileChooser(FileChooser chooser) {
  CurrentChooser() = chooser ? std::move(chooser) : ChooseWithDialog;
}
