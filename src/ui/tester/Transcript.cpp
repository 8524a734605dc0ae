#include "ui/tester/Transcript.h"

#include <QTime>

#include "base/TimeScale.h"
#include "ui/shell/LogView.h"

CTranscript::CTranscript(CLogView& view, QObject* parent) : QObject(parent), m_view(view) {
  m_sentFormat.setForeground(QColor(0, 153, 0));
  m_receivedFormat.setForeground(Qt::black);
  m_noteFormat.setForeground(Qt::gray);
  m_noteFormat.setFontItalic(true);
  m_replyTimer.setSingleShot(true);
  connect(&m_replyTimer, &QTimer::timeout, this, &CTranscript::OnReplyTimeout);
}

// A line of its own, after a time stamp when those are on.
void CTranscript::StartLine(const QTextCharFormat& format) {
  if (!m_view.document()->isEmpty()) m_view.AppendText(QStringLiteral("\n"), format);
  if (m_timeStamps) m_view.AppendText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")), m_noteFormat);
}

void CTranscript::Sent(const QString& text) {
  m_inReply = false;
  m_anyReply = false;
  StartLine(m_sentFormat);
  m_view.AppendText(text, m_sentFormat);
  m_replyTimer.start(static_cast<int>(CTimeScale::RealMs(kReplyTimeoutMs)));
}

// Hexadecimal shows every byte as two digits; text leaves out line ends, as
// the transcript makes its own lines.
QString CTranscript::Shown(const QByteArray& bytes) const {
  if (m_hexadecimal) return QString::fromLatin1(bytes.toHex(' ').toUpper());
  QString text;
  for (char c : bytes)
    if (c != '\r' && c != '\n') text += QChar(static_cast<uchar>(c));
  return text;
}

// A reply ends at its ";": what follows starts a new line.
void CTranscript::Received(const QByteArray& bytes) {
  m_anyReply = true;
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype end = bytes.indexOf(';', start);
    const QByteArray part = bytes.mid(start, end < 0 ? -1 : end - start + 1);
    start += part.size();
    const QString shown = Shown(part);
    if (shown.isEmpty()) continue;
    if (!m_inReply) {
      StartLine(m_receivedFormat);
    } else if (m_hexadecimal) {
      m_view.AppendText(QStringLiteral(" "), m_receivedFormat);
    }
    m_view.AppendText(shown, m_receivedFormat);
    m_inReply = end < 0;
  }
  if (m_replyTimer.isActive()) m_replyTimer.start();
}

void CTranscript::OnReplyTimeout() {
  if (m_anyReply) return;
  StartLine(m_noteFormat);
  m_view.AppendText(tr("(no reply)"), m_noteFormat);
}
