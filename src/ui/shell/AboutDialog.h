#pragma once
// Help > About: the program's name, version and legal notice, and the way to
// its licence.

#include <QDialog>

class QLabel;

class CAboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDialog(QWidget* parent = nullptr);

 private:
  void ShowLicense();

  QLabel* m_text;
};
