#pragma once
// The capacitor or inductor box of the Operate tab: a number edit with arrows
// that step through the values the relays can make, and one check box per
// relay, largest first.

#include <QGroupBox>
#include <QSpinBox>
#include <array>
#include <cstdint>

#include "machines/operate/RelayValues.h"

class QCheckBox;

// The edit: its arrows step by relay values, and it tells when it gains or
// loses the focus.
class CRelaySpinBox : public QSpinBox {
  Q_OBJECT
 public:
  CRelaySpinBox(const RelayWeights& weights, QWidget* parent);
  void stepBy(int steps) override;

 signals:
  void FocusChanged(bool hasFocus);
  // The arrows or Enter: the value shown is meant now.
  void Committed();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const RelayWeights& m_weights;
};

class CRelayGroup : public QGroupBox {
  Q_OBJECT
 public:
  // boxName names a relay's box for a screen reader, with %1 for its value:
  // "Capacitor %1 pF".
  CRelayGroup(const QString& title, const QString& boxName, const RelayWeights& weights, QWidget* parent);

  // A reading from the tuner: the boxes always, the edit unless it has focus.
  void Show(std::uint8_t relays);
  // Nothing read yet: no box checked and no number.
  void Clear();

 signals:
  // The user asked for a relay byte, by a box (at once) or the edit (later).
  void BoxesClicked(std::uint8_t relays);
  void EditFinished(std::uint8_t relays);

 private:
  std::uint8_t FromBoxes() const;
  std::uint8_t FromEdit() const;

  const RelayWeights& m_weights;
  CRelaySpinBox* m_edit;
  std::array<QCheckBox*, 8> m_boxes{};
  bool m_editHasFocus = false;
};
