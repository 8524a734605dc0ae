#include "ui/FirmwarePage.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/LogView.h"

namespace {
// Enough for days of operation; the oldest lines go first.
constexpr int kActivityLogLimit = 2097152;
}  // namespace

CFirmwarePage::CFirmwarePage(QWidget* parent)
    : CPage(tr("Firmware"), QStringLiteral("Firmware.htm"), parent), m_log(new CLogView(this)) {
  auto* box = new QGroupBox(tr("Activity Log"), this);
  auto* boxLayout = new QVBoxLayout(box);
  m_log->setReadOnly(true);
  m_log->setFont(CLogView::LogFont());
  m_log->setLineWrapMode(QTextEdit::NoWrap);
  m_log->SetCharacterLimit(kActivityLogLimit);
  m_log->EnableSaving(tr("Save Log &As..."), QStringLiteral("ZU6400 activity log.txt"));
  boxLayout->addWidget(m_log);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
}

void CFirmwarePage::OnPageLog(const QString& line) { m_log->AppendLogLine(line); }
