#include "cli/ConsoleLog.h"

#include <QTextStream>
#include <QTime>

#include "base/TextFormat.h"
#include "model/ModelEvents.h"

void CConsoleLog::PrintLogLine(const QString& text) {
  QString line = text;
  while (line.endsWith(u'\n') || line.endsWith(u'\r')) line.chop(1);
  line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QTime now = QTime::currentTime();
  QTextStream(stderr) << Format("%02u:%02u:%02u ", now.hour(), now.minute(), now.second()) << line << Qt::endl;
}

void CConsoleLog::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto* e = static_cast<CModelEvent*>(event);
  switch (e->Message) {
    case Msg::LogText:
      // A machine's progress line reaches its status window first; shown once.
      if (e->Text != m_lastStateText) PrintLogLine(e->Text);
      m_lastStateText.clear();
      break;
    case Msg::StateText:
      if (m_showTrace) PrintLogLine(e->Text);
      m_lastStateText = e->Text;
      break;
    case Msg::MessageBox:
      if (!e->Logged) QTextStream(stderr) << e->Text << Qt::endl;
      break;
    default: break;
  }
}
