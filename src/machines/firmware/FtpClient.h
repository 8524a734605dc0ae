#pragma once
// One anonymous, passive FTP session, run by libcurl on a thread of its own
// so that the caller's thread never blocks. Requests run one at a time; each
// reply comes back as a signal on the thread that made the request, which is
// the only thread that sees the client's results. The control connection is
// kept from one request to the next.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <curl/curl.h>
#include <atomic>
#include <memory>
#include <thread>

#include "base/ResultCodes.h"

class QFile;
struct FtpJob;

struct FtpReply {
  ResultCode code = Result::Success;
  // The server's last response line, such as "550 No such file or directory."
  QString response;
  unsigned responseCode = 0;
  QByteArray listing;
};

class CFtpClient : public QObject {
  Q_OBJECT
 public:
  // A listing longer than this is no firmware folder.
  static constexpr qsizetype kMaxListingSize = 1024 * 1024;

  // stallMs: real milliseconds without a byte or a response from the server
  // after which a request ends with a time-out.
  explicit CFtpClient(unsigned stallMs, QObject* parent = nullptr);
  ~CFtpClient() override;

  // Logs in when not yet connected, then changes to the directory of url
  // ("ftp://host/" only logs in; a path is relative to the login directory).
  void Enter(const QByteArray& url);
  // Lists the directory url (ending in "/").
  void List(const QByteArray& url);
  // Copies the file url into target (open for writing); a file above
  // maxSize bytes is refused.
  void Get(const QByteArray& url, QFile& target, qint64 maxSize);
  // Stops the running request at once and waits for its thread; no
  // request runs after this. A reply already on its way may still arrive.
  void Cancel();

 signals:
  void Replied(const FtpReply& reply);

 private:
  void Run(std::unique_ptr<FtpJob> job);
  CURLcode Perform(FtpJob& job);

  unsigned m_stallMs;
  CURL* m_easy;
  CURLM* m_multi;
  std::atomic<bool> m_cancel{false};
  std::thread m_thread;
};
