#pragma once
// What the save and restore windows share: a line of text, a progress bar in
// units of 32 bytes, a Cancel button that becomes Close after a failure, and
// the folder of the last configuration file, which they keep in the settings.

#include "ui/shell/JobDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

class CConfigFileDialog : public CJobDialog {
  Q_OBJECT
 public:
  CConfigFileDialog(const QString& title, const QString& text, const QString& helpTopic, QWidget* parent);
  ~CConfigFileDialog() override;

 protected:
  // Once shown: the machine becomes the active one, then the file is chosen
  // (after the window is up, so that the file dialog opens over it).
  void showEvent(QShowEvent* event) override;
  virtual IStateMachine& JobMachine() = 0;
  virtual void ChooseAndStart() = 0;
  // The folder to offer: the last one used, else the default folder (which
  // is then kept as the last one).
  QString Folder();
  void KeepFolderOf(const QString& path);
  // Moves the bar; the machine's progress sink.
  void ShowProgress(int position, int maximum);
  // After a failure the window stays for the user to read it, then closes.
  void OfferClose();
  // Cancel, Escape and the window's close button.
  void reject() override = 0;
  void CloseNow(int result) { QDialog::done(result); }

 private:
  QProgressBar* m_progress;
  QPushButton* m_cancel;
};
