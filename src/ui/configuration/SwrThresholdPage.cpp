#include "ui/configuration/SwrThresholdPage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>

#include "ui/operate/BandGroup.h"
#include "ui/configuration/SwrThresholdEdit.h"

CSwrThresholdPage::CSwrThresholdPage(const Thresholds& thresholds, CEditConfigurationContext& context,
                                     QWidget* parent)
    : CEditConfigurationPage(tr("S&WR Thresholds"), QStringLiteral("SwrThresholds"), context,
                             {thresholds[0], thresholds[1], thresholds[2]}, parent),
      m_thresholds(thresholds),
      m_bands(new CBandGroup(this)) {
  auto* group = new QGroupBox(tr("SWR Thresholds"), this);
  auto* form = new QFormLayout(group);
  const QString labels[] = {tr("Amplifier &Key Interrupt"), tr("Au&totune"), tr("B&ypass")};
  for (Threshold t : {KeyInterrupt, Autotune, Bypass}) {
    m_edits[t] = new CSwrThresholdEdit(group);
    m_edits[t]->setObjectName(QStringLiteral("threshold%1").arg(t));
    m_edits[t]->setMaximumWidth(m_edits[t]->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) * 2);
    form->addRow(labels[t], m_edits[t]);
    connect(m_edits[t], &QLineEdit::textEdited, this, [this, t](const QString& text) { OnEdited(t, text); });
  }
  auto* layout = new QGridLayout(this);
  layout->addWidget(m_bands, 0, 0);
  layout->addWidget(group, 0, 1, Qt::AlignTop);
  layout->setRowStretch(1, 1);
  layout->setColumnStretch(2, 1);
  connect(m_bands, &CBandGroup::BandChosen, this, [this](unsigned band) {
    Context().SelectedBand = band;
    ShowValues();
  });
}

// An emptied edit, or pasted text that is no number, leaves the threshold as it was.
void CSwrThresholdPage::OnEdited(Threshold threshold, const QString& text) {
  if (!IsSwrThresholdText(text)) return;
  RequestForBands(*m_thresholds[threshold], Context().SelectedBand, NormalizeSwrThreshold(text));
  NotifyChanged();
}

void CSwrThresholdPage::ShowValues() {
  const unsigned band = Context().SelectedBand;
  m_bands->Show(band);
  for (Threshold t : {KeyInterrupt, Autotune, Bypass})
    m_edits[t]->setText(SharedRequested(*m_thresholds[t], band).value_or(QString()));
}
