#include "base/WholeFileReader.h"

#include "base/FailureText.h"

#include <QFileInfo>
#include <cerrno>

#include "base/StringTable.h"
#include "base/TextFormat.h"

namespace {
// Files from outside must be plain files: opening a pipe or a device to read
// it whole could wait for ever. A path that does not exist passes, for the
// open to report it.
ResultCode CheckPlainFile(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isFile() ? Result::Success : Result::NotSupported;
}
}  // namespace

ResultCode ReportFileFailure(IReportSink& sink, const QString& title, IoOperation operation, const QString& path,
                             ResultCode code) {
  sink.ErrorBox(title, FailureText(operation, path, code));
  SetLastError(code);
  return code;
}

bool CWholeFileReader::Fail(IoOperation operation, ResultCode code) {
  ReportFileFailure(m_sink, m_title, operation, m_file.fileName(), code);
  m_file.close();
  return false;
}

bool CWholeFileReader::Open(const QString& path) {
  m_file.setFileName(path);
  if (const ResultCode code = CheckPlainFile(path)) return Fail(IoOperation::Open, code);
  errno = 0;
  if (!m_file.open(QIODevice::ReadOnly)) return Fail(IoOperation::Open, WinErrorFromFileDevice(m_file, errno));
  return true;
}

bool CWholeFileReader::Read(qint64 size, QByteArray& content) {
  errno = 0;
  content = m_file.read(size);
  if (content.size() != size) {
    const int savedErrno = errno;
    const bool reported = savedErrno != 0 || m_file.error() != QFileDevice::NoError;
    return Fail(IoOperation::Read, reported ? WinErrorFromFileDevice(m_file, savedErrno) : Result::ReadFault);
  }
  m_file.close();
  return true;
}
