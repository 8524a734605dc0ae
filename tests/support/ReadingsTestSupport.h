#pragma once
// What the readings log's tests share: the lines of a file, a path whose
// folder cannot take a file for any user, and a file-size limit that makes
// writes fail part way, as a full disk does.

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "tests/support/TestSupport.h"

inline QStringList FileLines(const QString& path) {
  return QString::fromUtf8(FileBytes(path)).split('\n', Qt::SkipEmptyParts);
}

// "plain/readings.csv" in dir, where plain is a file: root cannot make it either.
inline QString PathUnderAFile(const QTemporaryDir& dir) {
  QFile plain(dir.filePath("plain"));
  if (plain.open(QIODevice::WriteOnly)) plain.close();
  return dir.filePath("plain/readings.csv");
}

// Files of this process grow no larger than bytes while it lives.
class CFileSizeLimit {
 public:
  explicit CFileSizeLimit(qint64 bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~CFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
  CFileSizeLimit(const CFileSizeLimit&) = delete;
  CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;
  bool IsSet() const { return m_set; }

 private:
  rlimit m_previous{};
  bool m_set = false;
};
