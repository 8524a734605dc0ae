#include "ui/configuration/KeyInterruptPowerPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "base/StringTable.h"
#include "ui/shell/Accessible.h"

CKeyInterruptPowerPage::CKeyInterruptPowerPage(CObservable<unsigned short, 1>& power,
                                               CEditConfigurationContext& context, QWidget* parent)
    : CEditConfigurationPage(tr("A&mplifier Key Interrupt Power"), QStringLiteral("AmplifierKeyInterruptPower"),
                             context, {&power}, parent),
      m_power(power),
      m_edit(new QLineEdit(this)),
      m_optimize(new QPushButton(this)) {
  m_edit->setObjectName("powerEdit");
  m_optimize->setObjectName("optimizeButton");
  // Digits only, and no more than the tuner can hold (65535 W).
  m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), m_edit));
  m_edit->setMaximumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) * 2);
  auto* layout = new QGridLayout(this);
  layout->addWidget(BuddyLabel(tr("Maximum &Power (Watts):"), m_edit), 0, 0);
  layout->addWidget(m_edit, 0, 1);
  layout->addWidget(ExplanationLabel(tr("The amplifier key line will NOT be interrupted while transmit power exceeds "
                                        "this value.\n\nClick \"Help\" for suggested values."),
                                     this),
                    1, 0, 1, 3);
  layout->addWidget(m_optimize, 2, 0, 1, 2, Qt::AlignLeft);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(2, 1);
  ShowOptimizeButton();  // named before the first reading too

  connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) {
    m_power.SetRequested(static_cast<unsigned short>(std::min(text.toUInt(), 0xFFFFu)));
    NotifyChanged();
    ShowOptimizeButton();
  });
  connect(m_optimize, &QPushButton::clicked, this, [this] {
    m_power.SetRequested(kZp5100Power);
    Changed();
  });
}

void CKeyInterruptPowerPage::ShowValues() {
  m_edit->setText(QString::number(m_power.GetRequested()));
  ShowOptimizeButton();
}

void CKeyInterruptPowerPage::ShowOptimizeButton() {
  const bool optimized = m_power.GetRequested() == kZp5100Power;
  m_optimize->setText(LoadString(optimized ? Str::OptimizedForZp5100 : Str::OptimizeForZp5100));
  m_optimize->setEnabled(!optimized);
  // Greyed, it says why; otherwise what it will do.
  m_optimize->setToolTip(optimized ? tr("The maximum power is already %1 W, the value for the ZP5100").arg(kZp5100Power)
                                   : tr("Set the maximum power to %1 W, the value for the ZP5100").arg(kZp5100Power));
}
