#include "ui/operate/RelayGroup.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QVBoxLayout>

CRelaySpinBox::CRelaySpinBox(const RelayWeights& weights, QWidget* parent) : QSpinBox(parent), m_weights(weights) {
  setRange(0, static_cast<int>(RelayValue(0xFF, weights)));
  setGroupSeparatorShown(false);
}

// The arrows move to the next value the relays can make, not by one.
void CRelaySpinBox::stepBy(int steps) {
  setValue(static_cast<int>(StepRelayPosition(static_cast<unsigned>(value()), steps, m_weights)));
  emit Committed();
}

void CRelaySpinBox::keyPressEvent(QKeyEvent* event) {
  QSpinBox::keyPressEvent(event);
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) emit Committed();
}

void CRelaySpinBox::focusInEvent(QFocusEvent* event) {
  QSpinBox::focusInEvent(event);
  emit FocusChanged(true);
}

void CRelaySpinBox::focusOutEvent(QFocusEvent* event) {
  QSpinBox::focusOutEvent(event);
  emit FocusChanged(false);
}

CRelayGroup::CRelayGroup(const QString& title, const QString& boxName, const RelayWeights& weights, QWidget* parent)
    : QGroupBox(title, parent), m_weights(weights), m_edit(new CRelaySpinBox(weights, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_edit);
  for (int bit = 7; bit >= 0; --bit) {
    m_boxes[bit] = new QCheckBox(QString::number(weights[bit]), this);
    m_boxes[bit]->setAccessibleName(boxName.arg(weights[bit]));
    m_boxes[bit]->setObjectName(QStringLiteral("relay%1").arg(bit));
    layout->addWidget(m_boxes[bit]);
    connect(m_boxes[bit], &QCheckBox::clicked, this, [this] { emit BoxesClicked(FromBoxes()); });
  }
  layout->addStretch();
  connect(m_edit, &CRelaySpinBox::FocusChanged, this, [this](bool hasFocus) {
    m_editHasFocus = hasFocus;
    if (!hasFocus) emit EditFinished(FromEdit());
  });
  connect(m_edit, &CRelaySpinBox::Committed, this, [this] { emit EditFinished(FromEdit()); });
}

void CRelayGroup::Show(std::uint8_t relays) {
  for (unsigned bit = 0; bit < m_boxes.size(); ++bit) m_boxes[bit]->setChecked(relays & (1u << bit));
  if (!m_editHasFocus) m_edit->setValue(static_cast<int>(RelayValue(relays, m_weights)));
}

void CRelayGroup::Clear() {
  for (QCheckBox* box : m_boxes) box->setChecked(false);
  m_edit->clear();
}

std::uint8_t CRelayGroup::FromBoxes() const {
  std::uint8_t relays = 0;
  for (unsigned bit = 0; bit < m_boxes.size(); ++bit)
    if (m_boxes[bit]->isChecked()) relays |= static_cast<std::uint8_t>(1u << bit);
  return relays;
}

// What the user typed, made greedily; the edit's range caps it.
std::uint8_t CRelayGroup::FromEdit() const { return RelayByte(m_edit->cleanText().toUInt(), m_weights); }
