#pragma once
// The command tester's output read like a terminal: each command sent and
// each reply on a line of its own, optionally time-stamped or in hexadecimal,
// and a visible mark when the tuner stays silent.

#include <QByteArray>
#include <QTextCharFormat>
#include <QTimer>

class CLogView;

class CTranscript : public QObject {
  Q_OBJECT
 public:
  // How long the tuner may stay silent after a command before "(no reply)".
  static constexpr unsigned kReplyTimeoutMs = 1000;

  explicit CTranscript(CLogView& view, QObject* parent = nullptr);

  void SetTimeStamps(bool on) { m_timeStamps = on; }
  void SetHexadecimal(bool on) { m_hexadecimal = on; }

  void Sent(const QString& text);
  void Received(const QByteArray& bytes);

 private:
  void StartLine(const QTextCharFormat& format);
  void OnReplyTimeout();
  QString Shown(const QByteArray& bytes) const;

  CLogView& m_view;
  QTextCharFormat m_sentFormat;
  QTextCharFormat m_receivedFormat;
  QTextCharFormat m_noteFormat;
  QTimer m_replyTimer;
  bool m_timeStamps = false;
  bool m_hexadecimal = false;
  // A reply line is open: more of it may come.
  bool m_inReply = false;
  bool m_anyReply = false;
};
