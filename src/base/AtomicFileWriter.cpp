#include "base/AtomicFileWriter.h"

#include <QFileInfo>
#include <cerrno>

#include "base/WholeFileReader.h"

ResultCode FolderWriteProblem(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.isDir()) return Result::PathNotFound;
  return info.isWritable() ? Result::Success : Result::AccessDenied;
}

bool CAtomicFileWriter::Fail(IoOperation operation, ResultCode code) {
  ReportFileFailure(m_sink, m_title, operation, m_file.fileName(), code);
  m_file.cancelWriting();
  return false;
}

bool CAtomicFileWriter::Open(const QString& path) {
  m_file.setFileName(path);
  errno = 0;
  // Unbuffered, so that a full disk shows at the line that did not fit.
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return Fail(IoOperation::Open, WinErrorFromFileDevice(m_file, errno));
  return true;
}

bool CAtomicFileWriter::WriteBytes(const QByteArray& bytes) {
  errno = 0;
  const qint64 written = m_file.write(bytes);
  if (written == bytes.size()) return true;
  const int savedErrno = errno;
  return Fail(IoOperation::Write, written < 0 || savedErrno != 0 ? WinErrorFromFileDevice(m_file, savedErrno)
                                                                 : Result::WriteFault);
}

bool CAtomicFileWriter::Commit() {
  errno = 0;
  if (m_file.commit()) return true;
  const int savedErrno = errno;
  return Fail(IoOperation::Write, WinErrorFromFileDevice(m_file, savedErrno));
}
