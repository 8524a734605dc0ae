#include "ui/configuration/AntennaPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/operate/BandGroup.h"

Qt::CheckState CheckStateFor(const CObservable<int, kBandCount>& value, unsigned band) {
  const std::optional<int> shared = SharedRequested(value, band);
  if (!shared) return Qt::PartiallyChecked;
  return *shared != 0 ? Qt::Checked : Qt::Unchecked;
}

CAntennaPage::CAntennaPage(const Enables& enables, CObservable<unsigned char, kBandCount>& preferred,
                           CEditConfigurationContext& context, QWidget* parent)
    : CEditConfigurationPage(tr("A&ntennas"), QStringLiteral("AntennaEnable"), context,
                             {enables[0], enables[1], enables[2], &preferred}, parent),
      m_enables(enables),
      m_preferred(preferred),
      m_bands(new CBandGroup(this)),
      m_preferredButtons(new QButtonGroup(this)) {
  auto* enableGroup = new QGroupBox(tr("Antenna Enable"), this);
  auto* enableLayout = new QVBoxLayout(enableGroup);
  for (unsigned antenna = 1; antenna <= 3; ++antenna) {
    QCheckBox*& box = m_enableBoxes[antenna - 1];
    box = new QCheckBox(tr("ANT &%1").arg(antenna), enableGroup);
    box->setTristate(true);
    box->setObjectName(QStringLiteral("enableAntenna%1").arg(antenna));
    enableLayout->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, antenna] { OnEnableClicked(antenna); });
  }
  auto* preferredGroup = new QGroupBox(tr("&Preferred Antenna"), this);
  auto* preferredLayout = new QVBoxLayout(preferredGroup);
  for (const QString& text : {tr("Last &Used"), tr("ANT 1"), tr("ANT 2"), tr("ANT 3")}) {
    auto* button = new QRadioButton(text, preferredGroup);
    button->setObjectName(QStringLiteral("preferred%1").arg(m_preferredButtons->buttons().size()));
    preferredLayout->addWidget(button);
    m_preferredButtons->addButton(button, static_cast<int>(m_preferredButtons->buttons().size()));
  }
  auto* layout = new QGridLayout(this);
  layout->addWidget(m_bands, 0, 0, 2, 1);
  layout->addWidget(enableGroup, 0, 1);
  layout->addWidget(preferredGroup, 1, 1);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(2, 1);

  connect(m_bands, &CBandGroup::BandChosen, this, [this](unsigned band) {
    Context().SelectedBand = band;
    ShowValues();
  });
  connect(m_preferredButtons, &QButtonGroup::idClicked, this, [this](int id) {
    RequestForBands(m_preferred, Context().SelectedBand, static_cast<unsigned char>(id));
    Changed();
  });
}

// A checked box turns the antenna off; an unchecked or mixed one turns it on
// for every band it stands for.
void CAntennaPage::OnEnableClicked(unsigned antenna) {
  CObservable<int, kBandCount>& value = *m_enables.at(antenna - 1);
  const unsigned band = Context().SelectedBand;
  RequestForBands(value, band, CheckStateFor(value, band) == Qt::Checked ? 0 : 1);
  Changed();
}

void CAntennaPage::ShowValues() {
  const unsigned band = Context().SelectedBand;
  m_bands->Show(band);
  for (unsigned i = 0; i < 3; ++i) m_enableBoxes[i]->setCheckState(CheckStateFor(*m_enables[i], band));
  const std::optional<unsigned char> preferred = SharedRequested(m_preferred, band);
  ShowChoice(*m_preferredButtons, preferred ? *preferred : -1);
}
