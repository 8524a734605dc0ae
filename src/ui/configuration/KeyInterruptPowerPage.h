#pragma once
// "Amplifier Key Interrupt Power": the transmit power above which the tuner
// never interrupts the amplifier's key line, with a button for the value that
// suits the ZP5100 amplifier.

#include "ui/configuration/EditConfigurationPage.h"

class QLineEdit;
class QPushButton;

class CKeyInterruptPowerPage : public CEditConfigurationPage {
  Q_OBJECT
 public:
  static constexpr unsigned short kZp5100Power = 1500;

  CKeyInterruptPowerPage(CObservable<unsigned short, 1>& power, CEditConfigurationContext& context,
                         QWidget* parent = nullptr);
  void ShowValues() override;

 private:
  void ShowOptimizeButton();

  CObservable<unsigned short, 1>& m_power;
  QLineEdit* m_edit;
  QPushButton* m_optimize;
};
