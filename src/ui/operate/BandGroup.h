#pragma once
// The "Band" group of the configuration windows: a radio button for each of
// the eleven bands and one for "All", in two columns of six.

#include <QGroupBox>

class QButtonGroup;
class QAbstractButton;

// Checks the button of an exclusive group with this id, or clears them all.
void ShowChoice(QButtonGroup& group, int id);

class CBandGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit CBandGroup(QWidget* parent = nullptr);

  // Checks the button of a band (0 to 10) or "All" (11); anything else clears them.
  void Show(unsigned band);

 signals:
  // The user chose a band (0 to 10) or "All" (11).
  void BandChosen(unsigned band);

 private:
  QButtonGroup* m_buttons;
};
