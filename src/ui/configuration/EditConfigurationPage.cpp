#include "ui/configuration/EditConfigurationPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "machines/connection/TunerModel.h"

CEditConfigurationPage::CEditConfigurationPage(const QString& title, const QString& anchor,
                                               CEditConfigurationContext& context,
                                               std::initializer_list<CEventSource*> values, QWidget* parent)
    : CPage(title, QStringLiteral("EditConfiguration.htm#") + anchor, parent), m_context(context), m_values(values) {}

void CEditConfigurationPage::OnShown() {
  for (CEventSource* value : m_values) Subscribe(*value);
  Subscribe(GetModel().MachineFinished);
  ShowValues();
}

// Any reading or the end of a run: the page shows what now stands, so that a
// band page under "All" also follows a change on one band.
void CEditConfigurationPage::OnModelEvent(const CModelEvent&) { ShowValues(); }

void CEditConfigurationPage::NotifyChanged() {
  if (m_context.UserChanged) m_context.UserChanged();
}

void CEditConfigurationPage::Changed() {
  NotifyChanged();
  ShowValues();
}

QLabel* ExplanationLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

CSwitchPage::CSwitchPage(const QString& title, const QString& anchor, const QString& text, const QString& boxText,
                         CObservable<int, 1>& value, CEditConfigurationContext& context, QWidget* parent)
    : CEditConfigurationPage(title, anchor, context, {&value}, parent),
      m_value(value),
      m_box(new QCheckBox(boxText, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ExplanationLabel(text, this));
  layout->addWidget(m_box);
  layout->addStretch();
  connect(m_box, &QCheckBox::clicked, this, [this](bool on) {
    m_value.SetRequested(on ? 1 : 0);
    Changed();
  });
}

void CSwitchPage::ShowValues() { m_box->setChecked(m_value.GetRequested() != 0); }

CAutoFineTunePage::CAutoFineTunePage(CObservable<int, kBandCount>& value, CEditConfigurationContext& context,
                                     QWidget* parent)
    : CEditConfigurationPage(tr("Auto &Fine Tune"), QStringLiteral("AutoFineTune"), context, {&value}, parent),
      m_value(value) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ExplanationLabel(
      tr("Some high-Q antennas require smaller coarse tune steps to find the starting point for lowest SWR. "
         "\n\nSelect this option to use a smaller coarse tune step size, at the cost of additional tuning time."),
      this));
  auto* grid = new QGridLayout;
  constexpr unsigned kRows = (kBandCount + 1) / 2;
  for (unsigned band = 0; band < kBandCount; ++band) {
    m_boxes[band] = new QCheckBox(BandName(band), this);
    grid->addWidget(m_boxes[band], static_cast<int>(band % kRows), static_cast<int>(band / kRows));
    connect(m_boxes[band], &QCheckBox::clicked, this, [this, band](bool on) {
      m_value.SetRequested(band, on ? 1 : 0);
      Changed();
    });
  }
  layout->addLayout(grid);
  layout->addStretch();
}

void CAutoFineTunePage::ShowValues() {
  for (unsigned band = 0; band < kBandCount; ++band) m_boxes[band]->setChecked(m_value.GetRequested(band) != 0);
}
