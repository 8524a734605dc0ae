#pragma once
// A file read whole, reporting every failing system call in a box titled for
// the job ("Could not open \"%s\"\r\nError 0x%08X: %s").

#include <QByteArray>
#include <QFile>
#include <QString>

#include "base/FailureText.h"
#include "base/ReportSink.h"
#include "base/ResultCodes.h"

// Shows the failure of an operation on a file and leaves its code as the
// last error; returns the code.
ResultCode ReportFileFailure(IReportSink& sink, const QString& title, IoOperation operation, const QString& path,
                             ResultCode code);

class CWholeFileReader {
 public:
  CWholeFileReader(QString title, IReportSink& sink) : m_title(std::move(title)), m_sink(sink) {}
  bool Open(const QString& path);
  qint64 Size() const { return m_file.size(); }
  // Reads exactly size bytes (a short read is a failure) and closes the file.
  bool Read(qint64 size, QByteArray& content);

 private:
  bool Fail(IoOperation operation, ResultCode code);

  QString m_title;
  IReportSink& m_sink;
  QFile m_file;
};
