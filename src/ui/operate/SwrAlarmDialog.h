#pragma once
// View > SWR Alarm...: whether there is an alarm, its threshold and how long
// the SWR must stay past it.

#include <QDialog>

#include "machines/operate/SwrAlarm.h"

class QCheckBox;
class QDoubleSpinBox;

class CSwrAlarmDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CSwrAlarmDialog(const SwrAlarmSettings& settings, QWidget* parent = nullptr);

  // What the dialog shows now (threshold 0 when the alarm is off).
  SwrAlarmSettings Settings() const;

 private:
  QCheckBox* m_on;
  QDoubleSpinBox* m_swr;
  QDoubleSpinBox* m_seconds;
};
