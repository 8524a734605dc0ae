#include "ui/operate/SwrAlarmDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/shell/Accessible.h"

namespace {
constexpr double kSuggestedSwr = 2.5;

QDoubleSpinBox* NewBox(double low, double high, int decimals, double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(low, high);
  box->setDecimals(decimals);
  box->setSingleStep(decimals == 0 ? 1 : 0.1);
  box->setValue(value);
  return box;
}
}  // namespace

CSwrAlarmDialog::CSwrAlarmDialog(const SwrAlarmSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("SWR Alarm"));
  auto* layout = new QVBoxLayout(this);
  m_on = new QCheckBox(tr("&Warn when the SWR stays high"), this);
  m_on->setChecked(settings.IsOn());
  layout->addWidget(m_on);
  auto* form = new QFormLayout;
  m_swr = NewBox(SwrAlarmSettings::kLowestSwr, SwrAlarmSettings::kHighestSwr, 1,
                 settings.IsOn() ? settings.swr : kSuggestedSwr, this);
  m_seconds = NewBox(0, SwrAlarmSettings::kLongestSeconds, 1, settings.seconds, this);
  m_seconds->setSuffix(tr(" s"));
  m_on->setObjectName("alarmOnBox");
  m_swr->setObjectName("alarmSwrBox");
  m_seconds->setObjectName("alarmSecondsBox");
  form->addRow(BuddyLabel(tr("SWR a&bove:"), m_swr), m_swr);
  form->addRow(BuddyLabel(tr("&For at least:"), m_seconds), m_seconds);
  layout->addLayout(form);
  auto* note = new QLabel(tr("Only while the tuner sees power. The alarm clears when the SWR stays at or below "
                             "the threshold as long."),
                          this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  const auto enable = [this] {
    m_swr->setEnabled(m_on->isChecked());
    m_seconds->setEnabled(m_on->isChecked());
  };
  connect(m_on, &QCheckBox::toggled, this, enable);
  enable();
}

SwrAlarmSettings CSwrAlarmDialog::Settings() const {
  return {m_on->isChecked() ? m_swr->value() : 0, m_seconds->value()};
}
