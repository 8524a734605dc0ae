#include "machines/firmware/FtpClient.h"

#include <QFile>
#include <QMetaObject>
#include <cerrno>
#include <chrono>
#include <mutex>

namespace {
using Clock = std::chrono::steady_clock;

// How often the transfer thread looks at the cancel flag and the stall clock
// while the server is quiet; Cancel wakes it at once.
constexpr int kPollMs = 100;

void InitialiseLibraryOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}
}  // namespace

// What the transfer thread owns while one request runs.
struct FtpJob {
  QByteArray url;
  bool list = false;
  QFile* target = nullptr;
  qint64 maxSize = 0;
  qint64 received = 0;
  bool tooLarge = false;
  bool stalled = false;
  int writeErrno = 0;
  Clock::time_point lastProgress = Clock::now();
  FtpReply reply;
};

namespace {

// libcurl's outcome in the program's vocabulary: the one place where its
// codes are translated.
ResultCode TranslateCurlCode(CURLcode code, const FtpJob& job, bool cancelled) {
  if (job.stalled) return Result::InternetTimeout;
  if (job.tooLarge) return Result::FileTooLarge;
  if (job.writeErrno != 0) return WinErrorFromErrno(job.writeErrno);
  switch (code) {
    case CURLE_OK: return Result::Success;
    case CURLE_ABORTED_BY_CALLBACK: return cancelled ? Result::Cancelled : Result::InternetConnectionAborted;
    case CURLE_UNSUPPORTED_PROTOCOL: return Result::InternetUnrecognizedScheme;
    case CURLE_URL_MALFORMAT: return Result::InternetInvalidUrl;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return Result::InternetNameNotResolved;
    case CURLE_COULDNT_CONNECT: return Result::InternetCannotConnect;
    case CURLE_OPERATION_TIMEDOUT: return Result::InternetTimeout;
    case CURLE_FILESIZE_EXCEEDED: return Result::FileTooLarge;
    case CURLE_OUT_OF_MEMORY: return Result::NotEnoughMemory;
    case CURLE_WRITE_ERROR: return Result::WriteFault;
    // The server refused: a missing directory or file, a refused login or
    // command. Its own words tell why.
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_LOGIN_DENIED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_QUOTE_ERROR: return Result::InternetExtendedError;
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE: return Result::InternetConnectionAborted;
    default: return Result::InternetInternalError;
  }
}

std::size_t OnData(char* data, std::size_t size, std::size_t count, void* userData) {
  auto& job = *static_cast<FtpJob*>(userData);
  const auto bytes = static_cast<qint64>(size * count);
  job.lastProgress = Clock::now();
  job.received += bytes;
  if (job.received > job.maxSize) {
    job.tooLarge = true;
    return 0;  // ends the transfer
  }
  if (job.target == nullptr) {
    job.reply.listing.append(data, bytes);
    return size * count;
  }
  errno = 0;
  // Flushed as it comes, so that the file on disk shows the progress.
  if (job.target->write(data, bytes) == bytes && job.target->flush()) return size * count;
  job.writeErrno = errno != 0 ? errno : EIO;
  return 0;
}

// libcurl hands the FTP server's responses to the header callback.
std::size_t OnResponse(char* data, std::size_t size, std::size_t count, void* userData) {
  auto& job = *static_cast<FtpJob*>(userData);
  job.lastProgress = Clock::now();
  const QByteArray line = QByteArray(data, static_cast<qsizetype>(size * count)).trimmed();
  if (!line.isEmpty()) {
    job.reply.response = QString::fromUtf8(line);
    job.reply.responseCode = line.left(3).toUInt();
  }
  return size * count;
}

}  // namespace

CFtpClient::CFtpClient(unsigned stallMs, QObject* parent) : QObject(parent), m_stallMs(stallMs) {
  InitialiseLibraryOnce();
  m_easy = curl_easy_init();
  m_multi = curl_multi_init();
}

CFtpClient::~CFtpClient() {
  Cancel();
  curl_easy_cleanup(m_easy);
  curl_multi_cleanup(m_multi);
}

void CFtpClient::Cancel() {
  m_cancel = true;
  curl_multi_wakeup(m_multi);
  if (m_thread.joinable()) m_thread.join();
}

void CFtpClient::Enter(const QByteArray& url) {
  auto job = std::make_unique<FtpJob>();
  job->url = url;
  Run(std::move(job));
}

void CFtpClient::List(const QByteArray& url) {
  auto job = std::make_unique<FtpJob>();
  job->url = url;
  job->list = true;
  job->maxSize = kMaxListingSize;
  Run(std::move(job));
}

void CFtpClient::Get(const QByteArray& url, QFile& target, qint64 maxSize) {
  auto job = std::make_unique<FtpJob>();
  job->url = url;
  job->target = &target;
  job->maxSize = maxSize;
  Run(std::move(job));
}

void CFtpClient::Run(std::unique_ptr<FtpJob> job) {
  if (m_thread.joinable()) m_thread.join();  // the last request has replied already
  if (m_cancel) return;
  m_thread = std::thread([this, job = std::move(job)]() mutable {
    const CURLcode code = Perform(*job);
    job->reply.code = TranslateCurlCode(code, *job, m_cancel);
    QMetaObject::invokeMethod(
        this, [this, reply = std::move(job->reply)] { emit Replied(reply); }, Qt::QueuedConnection);
  });
}

CURLcode CFtpClient::Perform(FtpJob& job) {
  CURL* easy = m_easy;
  const long stallSeconds = std::max(1L, static_cast<long>((m_stallMs + 999) / 1000));
  curl_easy_reset(easy);
  curl_easy_setopt(easy, CURLOPT_URL, job.url.constData());
  curl_easy_setopt(easy, CURLOPT_NOBODY, job.list || job.target != nullptr ? 0L : 1L);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnData);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &job);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnResponse);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &job);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_stallMs));
  curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, stallSeconds);
  if (job.target != nullptr) curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t{job.maxSize});
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  // A setting pointing elsewhere must not turn this into another protocol.
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");

  curl_multi_add_handle(m_multi, easy);
  const auto stallAfter = std::chrono::milliseconds(m_stallMs);
  int running = 1;
  while (running > 0 && !m_cancel) {
    if (curl_multi_perform(m_multi, &running) != CURLM_OK) break;
    if (running == 0) break;
    curl_multi_poll(m_multi, nullptr, 0, kPollMs, nullptr);
    if (Clock::now() - job.lastProgress > stallAfter) {
      job.stalled = true;
      break;
    }
  }
  CURLcode code = CURLE_ABORTED_BY_CALLBACK;
  int queued = 0;
  while (CURLMsg* message = curl_multi_info_read(m_multi, &queued))
    if (message->msg == CURLMSG_DONE) code = message->data.result;
  curl_multi_remove_handle(m_multi, easy);
  return code;
}
