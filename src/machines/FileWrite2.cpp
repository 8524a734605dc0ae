#include "machines/FileWrite2.h"

#include <cerrno>

#include "machines/FileRead2.h"

bool CFileWrite2::Fail(const char* call, ResultCode code) {
  ReportFileFailure(m_sink, m_title, call, m_file.fileName(), code);
  m_file.cancelWriting();
  return false;
}

bool CFileWrite2::Open(const QString& path) {
  m_file.setFileName(path);
  errno = 0;
  // Unbuffered, so that a full disk shows at the line that did not fit.
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return Fail("CreateFile", WinErrorFromFileDevice(m_file, errno));
  return true;
}

bool CFileWrite2::WriteBytes(const QByteArray& bytes) {
  errno = 0;
  const qint64 written = m_file.write(bytes);
  if (written == bytes.size()) return true;
  const int savedErrno = errno;
  return Fail("WriteFile", written < 0 || savedErrno != 0 ? WinErrorFromFileDevice(m_file, savedErrno)
                                                          : Result::WriteFault);
}

bool CFileWrite2::Commit() {
  errno = 0;
  if (m_file.commit()) return true;
  const int savedErrno = errno;
  return Fail("WriteFile", WinErrorFromFileDevice(m_file, savedErrno));
}
