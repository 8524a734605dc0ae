#pragma once
// The non-template part of every state machine host: result, retry limit,
// status value, reply collection and parsing, the state timer and traces.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "base/ResultCodes.h"
#include "base/TextFormat.h"
#include "model/DeviceTypes.h"
#include "model/Observable.h"

class CModelBase;

// Milliseconds since the program started (the engine's tick count), at the
// pace of the state timers.
std::uint32_t TickCount();

class CStateHostBase {
 public:
  static constexpr unsigned kDefaultRetryLimit = 8;

  explicit CStateHostBase(CModelBase& model);
  virtual ~CStateHostBase();
  CStateHostBase(const CStateHostBase&) = delete;
  CStateHostBase& operator=(const CStateHostBase&) = delete;

  virtual void StateText(const QString& text);
  virtual void OnFinished();
  virtual void FinishAndRecontact();

  CModelBase& Model() const { return m_model; }

  ResultCode GetResult() const { return m_result; }
  void SetResult(ResultCode code) { m_result = code; }
  unsigned RetryLimit() const { return m_retryLimit; }
  void SetRetryLimit(unsigned limit) { m_retryLimit = limit; }
  FirmwareStatusEnum StatusValue() const { return m_statusValue; }
  void SetStatusValue(FirmwareStatusEnum value) { m_statusValue = value; }
  QObject* StatusWindow() const { return m_statusWindow; }
  void SetStatusWindow(QObject* window) { m_statusWindow = window; }
  const QString& Reply() const { return m_reply; }
  void ClearReply() { m_reply.clear(); }
  const QString& Terminators() const { return m_terminators; }
  void SetTerminators(const QString& t) { m_terminators = t; }
  std::uint32_t SendTime() const { return m_sendTime; }

  void StartStateTimer(unsigned ms);
  void StopStateTimer();
  bool IsStateTimerActive() const { return m_timer.isActive(); }

  bool ReadReply();
  bool IsReplyComplete() const;

  // A progress line of the machine: to its status window and the activity log.
  template <class... A>
  void Log(unsigned stringId, const A&... args) {
    LogLine(FormatString(stringId, args...));
  }
  void LogLine(const QString& text);

  // Formatted only when the Trace setting is on.
  template <class... A>
  void Trace(const char* format, const A&... args) {
    if (IsTraceOn()) StateText(Format(format, args...));
  }
  bool IsTraceOn() const;

  // Reply parsers: the reply must begin with the prefix (any case); the value
  // follows it. Each stores through the observable's setter on success.
  template <class T, std::size_t N>
  bool ParseFlag(const QString& prefix, CObservable<T, N>& value, std::size_t i = 0) {
    int v = 0;
    return ScanFlag(prefix, v) && Store(value, i, v);
  }
  template <std::size_t N>
  bool ParseText(const QString& prefix, CObservable<QString, N>& value, std::size_t i = 0) {
    QString v;
    if (!ScanText(prefix, v)) return false;
    value.Set(i, v);
    return true;
  }
  template <class T, std::size_t N>
  bool ParseNumber16(const QString& prefix, CObservable<T, N>& value, std::size_t i = 0) {
    unsigned v = 0;
    return ScanNumber(prefix, 0xFFFF, v) && Store(value, i, v);
  }
  template <class T>
  bool ParseRange16(const QString& prefix, CObservable<T, 2>& value) {
    unsigned first = 0, second = 0;
    if (!ScanRange(prefix, first, second)) return false;
    value.Set(0, static_cast<T>(first));
    value.Set(1, static_cast<T>(second));
    return true;
  }
  template <class T, std::size_t N>
  bool ParseNumber8(const QString& prefix, CObservable<T, N>& value, std::size_t i = 0) {
    unsigned v = 0;
    return ScanNumber(prefix, 0xFF, v) && Store(value, i, v);
  }
  template <class T, std::size_t N>
  bool ParseHexByte(const QString& prefix, CObservable<T, N>& value, std::size_t i = 0) {
    std::uint8_t v = 0;
    return ScanHexByte(prefix, v) && Store(value, i, v);
  }
  // A number from low to high; the tuner has no other ("AN0;" names no antenna).
  template <class T, std::size_t N>
  bool ParseNumberIn(const QString& prefix, unsigned low, unsigned high, CObservable<T, N>& value) {
    unsigned v = 0;
    return ScanNumber(prefix, high, v) && v >= low && Store(value, 0, v);
  }
  // One of the letters of a command's set ("MDZ;" is no mode).
  template <class T, std::size_t N>
  bool ParseLetter(const QString& prefix, const char* letters, CObservable<T, N>& value) {
    QChar c;
    if (!ScanChar(prefix, c) || !QLatin1String(letters).contains(c)) return false;
    value.Set(0, static_cast<T>(c.unicode()));
    return true;
  }
  bool ParseVersion(const QString& prefix);

  // The scanners behind the parsers, for states that judge a reply themselves
  // (ReplyScanner over the reply collected so far).
  bool HasPrefix(const QString& prefix) const;
  bool ScanFlag(const QString& prefix, int& v) const;
  bool ScanText(const QString& prefix, QString& v) const;
  bool ScanNumber(const QString& prefix, unsigned max, unsigned& v) const;
  bool ScanRange(const QString& prefix, unsigned& first, unsigned& second) const;
  bool ScanHexByte(const QString& prefix, std::uint8_t& v) const;
  bool ScanChar(const QString& prefix, QChar& c) const;
  bool ScanVersion(const QString& prefix, unsigned short& version) const;

  // The reply with non-printable characters written as \xHH.
  QString EscapedReply() const;

 protected:
  // The state timer fired: the current state's time-out.
  virtual void TimerFired() = 0;
  void BeginRun();

 private:
  template <class T, std::size_t N, class V>
  static bool Store(CObservable<T, N>& value, std::size_t i, V v) {
    value.Set(i, static_cast<T>(v));
    return true;
  }

  CModelBase& m_model;
  QTimer m_timer;
  ResultCode m_result = 0;
  unsigned m_retryLimit = kDefaultRetryLimit;
  std::uint32_t m_sendTime = 0;
  FirmwareStatusEnum m_statusValue = FirmwareStatusNone;
  QObject* m_statusWindow = nullptr;
  QString m_reply;
  QString m_terminators;
};
