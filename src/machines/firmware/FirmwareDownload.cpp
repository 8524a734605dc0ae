#include "machines/firmware/FirmwareDownload.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <filesystem>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "base/TimeScale.h"
#include "firmware/FirmwareFolderScan.h"
#include "firmware/FtpListing.h"
#include "firmware/IntelHexReader.h"

namespace {

// "ftp://host[:port][/path]" without a slash at its end; a bare host is
// taken as an FTP server.
QString ServerBase(const QString& server) {
  QString base = server.trimmed();
  if (!base.contains(QStringLiteral("://"))) base.prepend(QStringLiteral("ftp://"));
  while (base.endsWith(u'/')) base.chop(1);
  return base;
}

// A listed name as a log line may show it: control characters (a line break
// sent to forge a log line) become "?".
QString Printable(QString name) {
  for (QChar& c : name)
    if (c.category() == QChar::Other_Control) c = u'?';
  return name;
}

bool IsHexFile(const QString& name) { return name.endsWith(QStringLiteral(".hex"), Qt::CaseInsensitive); }

// The temporary file is private to its owner; a placed file gets the mode any
// new file of this user gets, whatever the file it replaces had.
ResultCode GiveNewFileMode(const QString& path) {
#ifdef Q_OS_UNIX
  static const mode_t mode = [] {
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  if (chmod(QFile::encodeName(path).constData(), mode) != 0) return WinErrorFromErrno(errno);
#else
  Q_UNUSED(path);
#endif
  return Result::Success;
}

// Puts the verified file in its final place, replacing an older file of that
// name in one step.
ResultCode ReplaceFile(const QString& from, const QString& to) {
  if (const ResultCode code = GiveNewFileMode(from)) return code;
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                          std::filesystem::path(QFile::encodeName(to).toStdString()), error);
  return error ? WinErrorFromErrno(error.value()) : Result::Success;
}

}  // namespace

CFirmwareDownload::CFirmwareDownload(QString server, QString folder, FirmwareFolderScan& scan, bool trace,
                                     QObject* parent)
    : QObject(parent),
      m_server(ServerBase(server)),
      m_folder(std::move(folder)),
      m_scan(scan),
      m_trace(trace),
      m_client(CTimeScale::RealMs(kStallMs)) {
  connect(&m_client, &CFtpClient::Replied, this, &CFirmwareDownload::OnReply);
}

CFirmwareDownload::~CFirmwareDownload() = default;

QString CFirmwareDownload::HostOf(const QString& server) {
  const QUrl url(ServerBase(server));
  return url.host().isEmpty() ? server.trimmed() : url.host();
}

QString CFirmwareDownload::RemoteFolder() { return Format("%s/firmware", ModelName()); }

template <class... A>
void CFirmwareDownload::Log(DownloadLog where, unsigned id, const A&... args) {
  if (where == DownloadLog::Trace && !m_trace) return;
  emit Line(FormatString(id, args...), where);
}

void CFirmwareDownload::TraceLine(const QString& text) {
  if (m_trace) emit Line(text, DownloadLog::Trace);
}

QByteArray CFirmwareDownload::Url(const QString& remotePath) const {
  return m_server.toUtf8() + '/' + QUrl::toPercentEncoding(remotePath, "/");
}

void CFirmwareDownload::Start() {
  Log(DownloadLog::Both, Str::FtpOpenConnection, HostOf(m_server));
  m_step = Step::OpeningSession;
  m_client.Enter(Url({}));
}

void CFirmwareDownload::Cancel() {
  if (!Busy()) return;
  Finish(Ending::Cancelled, Result::Cancelled);
}

void CFirmwareDownload::OnReply(const FtpReply& reply) {
  if (!Busy()) return;  // the run ended while this was on its way
  SetInternetLastResponse(reply.responseCode, reply.response);
  TraceCompletion(reply);
  const bool ok = reply.code == Result::Success;
  switch (m_step) {
    case Step::OpeningSession:
      if (!ok) return Finish(Ending::Connecting, reply.code);
      Log(DownloadLog::Own, Str::FtpConnected);
      return Navigate();
    case Step::NavigatingDirectory:
      if (!ok) return Finish(Ending::EnteringFolder, reply.code);
      return StartListing();
    case Step::FindingFiles:
      if (!ok) return Finish(Ending::Listing, reply.code);
      return ReadDirectory(reply.listing);
    case Step::GettingFile: return OnFileReceived(reply);
    case Step::Idle: return;
  }
}

void CFirmwareDownload::TraceCompletion(const FtpReply& reply) {
  const unsigned result = reply.code == Result::Success ? 1 : 0;
  if (reply.code != Result::Success)
    TraceLine(Format("FtpDlg::OnInternetStatusRequestComplete dwResult 0x%04X dwError 0x%08X: %s", result,
                     reply.code, ErrorText(reply.code)));
  switch (m_step) {
    case Step::OpeningSession:
      return TraceLine(
          Format("OnInternetStatusRequestComplete OpeningSession dwResult 0x%08X dwError %u", result, reply.code));
    case Step::NavigatingDirectory:
      return TraceLine(Format("OnInternetStatusRequestComplete NavigatingDirectory dwResult %u dwError 0x%08X",
                              result, reply.code));
    case Step::FindingFiles:
      return TraceLine(Format("OnInternetStatusRequestComplete FindingNextFile dwError 0x%08X: %s", reply.code,
                              ErrorText(reply.code)));
    case Step::GettingFile:
      return TraceLine(
          Format("OnInternetStatusRequestComplete GettingFile dwResult %u dwError 0x%08X", result, reply.code));
    case Step::Idle: return;
  }
}

void CFirmwareDownload::Navigate() {
  Log(DownloadLog::Trace, Str::FtpNavigateTo, RemoteFolder());
  m_step = Step::NavigatingDirectory;
  m_client.Enter(Url(RemoteFolder() + u'/'));
}

void CFirmwareDownload::StartListing() {
  m_step = Step::FindingFiles;
  m_client.List(Url(RemoteFolder() + u'/'));
}

void CFirmwareDownload::ReadDirectory(const QByteArray& listing) {
  for (const FtpListEntry& entry : ParseFtpListing(listing))
    if (entry.file) OfferName(entry.name);
  // The notes alone are not worth a copy when nothing new comes with them.
  if (m_scan.HasReleaseNotes() && m_names.size() == 1 && FirmwareFolderScan::IsReleaseNotesName(m_names.first())) {
    Log(DownloadLog::Trace, Str::FtpSkipped, m_names.first());
    m_names.clear();
  }
  if (m_names.isEmpty()) return Finish(Ending::AllCopied, Result::Success);
  Log(DownloadLog::Both, Str::FtpCopyingFiles, QDir::toNativeSeparators(m_folder));
  CopyNext();
}

void CFirmwareDownload::OfferName(const QString& name) {
  // The scan matches only plain names, which cannot lead out of the folder.
  if (m_scan.Match(name)) {
    m_names << name;
    Log(DownloadLog::Trace, Str::FtpFound, name);
  } else {
    Log(DownloadLog::Trace, Str::FtpSkipped, Printable(name));
  }
}

void CFirmwareDownload::CopyNext() {
  ++m_index;
  if (m_index == m_names.size()) {
    Log(DownloadLog::Both, Str::FtpCopiedFiles, m_copied, QDir::toNativeSeparators(m_folder));
    // A file that could not be copied makes the run a failure, though the others stay.
    if (m_copyFailure != Result::Success) return Finish(Ending::CopyingFiles, m_copyFailure);
    return Finish(Ending::AllCopied, Result::Success);
  }
  m_file = std::make_unique<QTemporaryFile>(QDir(m_folder).filePath(QStringLiteral(".download-XXXXXX")));
  errno = 0;
  if (!m_file->open()) {
    const ResultCode code = WinErrorFromFileDevice(*m_file, errno);
    Log(DownloadLog::Both, Str::FtpUnableToCopy, m_names[m_index]);
    return Finish(Ending::GettingFile, code);
  }
  m_step = Step::GettingFile;
  m_client.Get(Url(RemoteFolder() + u'/' + m_names[m_index]), *m_file, kMaxFileSize);
}

void CFirmwareDownload::OnFileReceived(const FtpReply& reply) {
  const QString& name = m_names[m_index];
  const ResultCode placed = reply.code == Result::Success ? VerifyAndPlace(QDir(m_folder).filePath(name)) : reply.code;
  m_file.reset();  // removes what was not placed
  if (placed != Result::Success) {
    Log(DownloadLog::Both, Str::FtpUnableToCopy, name);
    if (reply.code != Result::Success) return Finish(Ending::GettingFile, reply.code);
    if (m_copyFailure == Result::Success) m_copyFailure = placed;
    return CopyNext();
  }
  ++m_copied;
  Log(DownloadLog::Both, Str::FtpCopiedFile, name);
  CopyNext();
}

ResultCode CFirmwareDownload::VerifyAndPlace(const QString& path) {
  m_file->close();
  if (IsHexFile(path)) {
    const bool verified = IntelHexReader().VerifyFile(m_file->fileName());
    const QString shown = QDir::toNativeSeparators(path);
    Log(DownloadLog::Own, verified ? Str::FileVerified : Str::FileVerifyFailed, shown);
    if (!verified) return GetLastError() != Result::Success ? GetLastError() : Result::InvalidData;
  }
  if (const ResultCode code = ReplaceFile(m_file->fileName(), path)) return code;
  m_file->setAutoRemove(false);
  return Result::Success;
}

// The names the log has always given each ending.
const char* CFirmwareDownload::NameOf(Ending ending) {
  switch (ending) {
    case Ending::Connecting: return "InternetConnect";
    case Ending::EnteringFolder: return "FtpSetCurrentDirectory";
    case Ending::Listing: return "FtpFindFile";
    case Ending::GettingFile: return "FtpGetFile";
    case Ending::CopyingFiles: return "File Copy";
    case Ending::Cancelled: return "Cancel Button";
    case Ending::AllCopied: return "All Copy Complete";
  }
  Q_UNREACHABLE();
}

void CFirmwareDownload::Finish(Ending ending, ResultCode code) {
  const QString name = QString::fromLatin1(NameOf(ending));
  if (code != Result::Success)
    TraceLine(Format("FtpDlg::Finish %s State %u dwErrorCode 0x%08X fForceError %u", name,
                     static_cast<unsigned>(m_step), code, 0u));
  m_step = Step::Idle;
  m_result = code;
  m_client.Cancel();  // nothing more to ask; a transfer in progress stops here
  m_file.reset();
  if (code != Result::Success)
    Log(DownloadLog::Both, Str::FtpCompletedWithError, name, code, ErrorText(code));
  emit Finished(code);
}
