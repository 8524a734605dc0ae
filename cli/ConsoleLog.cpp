#include "cli/ConsoleLog.h"

#include <QTextStream>

#include "base/TextFormat.h"
#include "model/ModelEvents.h"

void CConsoleLog::PrintLogLine(const QString& text) {
  QString line = ChopLineEnds(text);
  line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextStream(stderr) << LogTimeStamp() << line << Qt::endl;
}

void CConsoleLog::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto* e = static_cast<CModelEvent*>(event);
  switch (e->Message) {
    case Msg::LogText:
      if (m_filter.ShowLogText(e->Text)) PrintLogLine(e->Text);
      break;
    case Msg::StateText:
      if (m_filter.ShowStateText(e->Text, m_showTrace)) PrintLogLine(e->Text);
      break;
    case Msg::MessageBox:
      if (!e->Logged) QTextStream(stderr) << e->Text << Qt::endl;
      break;
    default: break;
  }
}
