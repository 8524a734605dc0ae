#include "ui/operate/BandGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include "ui/configuration/PerBandValues.h"

CBandGroup::CBandGroup(QWidget* parent) : QGroupBox(tr("&Band"), parent), m_buttons(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  constexpr unsigned kRows = (kAllBands + 2) / 2;
  for (unsigned band = 0; band <= kAllBands; ++band) {
    auto* button = new QRadioButton(BandChoiceName(band), this);
    button->setObjectName(QStringLiteral("band%1").arg(band));
    m_buttons->addButton(button, static_cast<int>(band));
    layout->addWidget(button, static_cast<int>(band % kRows), static_cast<int>(band / kRows));
  }
  connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) { emit BandChosen(static_cast<unsigned>(id)); });
}

void ShowChoice(QButtonGroup& group, int id) {
  if (QAbstractButton* button = group.button(id)) {
    button->setChecked(true);
    return;
  }
  group.setExclusive(false);  // an exclusive group cannot clear its last check
  for (QAbstractButton* b : group.buttons()) b->setChecked(false);
  group.setExclusive(true);
}

void CBandGroup::Show(unsigned band) { ShowChoice(*m_buttons, band <= kAllBands ? static_cast<int>(band) : -1); }
