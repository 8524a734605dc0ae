#pragma once
// Copies new firmware files from the maker's FTP server into the firmware
// folder: logs in, lists "ZU6400/firmware", offers each name to the folder's
// scan (which moves its best version up as newer images are listed) and copies
// the names that matched. Every file arrives in a temporary file beside its
// final name, is verified (".hex" files as Intel HEX), and only then replaces
// that name; nothing is ever written outside the folder. A file that could not
// be copied makes the run fail once the others are done. The desktop dialog
// and zu6400ctl share it; it runs on the caller's thread, the network on a
// thread of its own.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>

#include "base/ResultCodes.h"
#include "machines/firmware/FtpClient.h"

class FirmwareFolderScan;

// Where a line of the download belongs.
enum class DownloadLog {
  Both,    // the download's own log and the activity log
  Own,     // the download's own log only
  Trace,   // the download's own log, sent only while tracing
};

class CFirmwareDownload : public QObject {
  Q_OBJECT
 public:
  // Far above any real firmware file or notes.
  static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
  // A server that sends nothing for this long has stalled.
  static constexpr unsigned kStallMs = 30000;

  // server: "ftp://host[:port][/path]" or a bare host name. scan: the
  // folder's scan result, updated as remote names match.
  CFirmwareDownload(QString server, QString folder, FirmwareFolderScan& scan, bool trace,
                    QObject* parent = nullptr);
  ~CFirmwareDownload() override;

  // One run per object.
  void Start();
  // Ends the download at once with Cancelled; files already copied stay.
  void Cancel();
  bool Busy() const { return m_step != Step::Idle; }
  ResultCode Result() const { return m_result; }

  // The server's host as the log names it.
  static QString HostOf(const QString& server);
  // The remote folder, relative to the login directory.
  static QString RemoteFolder();

 signals:
  void Line(const QString& text, DownloadLog where);
  void Finished(ResultCode result);

 private:
  // The numbers are the transfer states a trace names.
  enum class Step { Idle = 0, OpeningSession = 1, NavigatingDirectory = 2, FindingFiles = 3, GettingFile = 5 };
  // What the run was doing when it ended; a failure is logged under its name.
  enum class Ending { Connecting, EnteringFolder, Listing, GettingFile, CopyingFiles, Cancelled, AllCopied };

  template <class... A>
  void Log(DownloadLog where, unsigned id, const A&... args);
  void TraceLine(const QString& text);
  void OnReply(const FtpReply& reply);
  void TraceCompletion(const FtpReply& reply);
  void Navigate();
  void StartListing();
  void ReadDirectory(const QByteArray& listing);
  void OfferName(const QString& name);
  void CopyNext();
  void OnFileReceived(const FtpReply& reply);
  // Verifies the file received and puts it in place; why not when it failed.
  ResultCode VerifyAndPlace(const QString& path);
  static const char* NameOf(Ending ending);
  void Finish(Ending ending, ResultCode code);
  QByteArray Url(const QString& remotePath) const;

  QString m_server;
  QString m_folder;
  FirmwareFolderScan& m_scan;
  bool m_trace;
  Step m_step = Step::Idle;
  ResultCode m_result = Result::Success;
  QStringList m_names;
  qsizetype m_index = -1;
  unsigned m_copied = 0;
  ResultCode m_copyFailure = Result::Success;  // the first file that could not be copied
  // The file being received; the client's thread writes it, so the client
  // stops before it goes.
  std::unique_ptr<QTemporaryFile> m_file;
  CFtpClient m_client;
};
