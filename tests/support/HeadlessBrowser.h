#pragma once
// Headless Chromium (/usr/bin/chromium) on a page, driven through its
// DevTools protocol over a WebSocket: evaluate script, call any protocol
// command (a phone's screen, a reload).

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebSocket>
#include <optional>

class CHeadlessBrowser {
 public:
  static constexpr const char* kPath = "/usr/bin/chromium";
  static bool IsInstalled();

  CHeadlessBrowser();
  ~CHeadlessBrowser();
  CHeadlessBrowser(const CHeadlessBrowser&) = delete;
  CHeadlessBrowser& operator=(const CHeadlessBrowser&) = delete;

  // Starts the browser on the page and connects to it; empty when that
  // worked, else what went wrong.
  QString Open(const QUrl& page);

  // A protocol command's result; none on an error or no answer in time.
  std::optional<QJsonObject> Call(const QString& method, const QJsonObject& params = {}, int timeoutMs = 20000);
  // The value of a script expression in the page (awaited if a promise).
  QJsonValue Evaluate(const QString& expression);
  // Waits until the page's expression gives the value.
  bool WaitUntil(const QString& expression, const QJsonValue& value, int timeoutMs = 20000);

 private:
  QString PageSocketUrl(int timeoutMs);

  QTemporaryDir m_profile;
  QProcess m_process;
  QWebSocket m_socket;
  int m_nextId = 1;
  QHash<int, QJsonObject> m_replies;  // by id; the events are no test's
};
