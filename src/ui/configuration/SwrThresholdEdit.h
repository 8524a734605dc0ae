#pragma once
// An edit for an SWR threshold such as "2.50". Typing is limited to what the
// tuner can take: up to three whole digits, one ".", and a text of at most six
// characters once it has the "."; anything may be typed over a selection.

#include <QLineEdit>

// Whether a typed character goes into an edit holding text.
bool AcceptsSwrThresholdKey(const QString& text, bool hasSelection, QChar typed);

// Whether a whole text (typed or pasted) is a threshold: digits with at most
// one ".", and at least one digit.
bool IsSwrThresholdText(const QString& text);

class CSwrThresholdEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
