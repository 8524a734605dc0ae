#pragma once
// An edit for an SWR threshold such as "2.50". Typing is limited to what the
// tuner can take: up to three whole digits, one ".", and a text of at most six
// characters once it has the "."; anything may be typed over a selection.

#include <QLineEdit>

// Whether a typed character goes into an edit holding text.
bool AcceptsSwrThresholdKey(const QString& text, bool hasSelection, QChar typed);

class CSwrThresholdEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
