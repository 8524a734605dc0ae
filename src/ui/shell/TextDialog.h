#pragma once
// A window of formatted text, wrapped at its width, with a Close button: the
// licence agreement and the firmware release notes.

#include <QDialog>

class CLogView;

class CTextDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CTextDialog(QWidget* parent = nullptr);

 protected:
  CLogView& Text() { return *m_text; }

 private:
  CLogView* m_text;
};
