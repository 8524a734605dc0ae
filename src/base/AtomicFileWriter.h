#pragma once
// A file written line by line into a temporary file beside the target, which
// replaces the target only when everything was written: a failed save leaves
// an earlier file untouched. Failing system calls are reported in a box.

#include <QSaveFile>
#include <QString>

#include "base/FailureText.h"
#include "base/ReportSink.h"
#include "base/ResultCodes.h"

// Why no file can be written into the folder, found before any work is done
// for it: it is missing or no folder (PathNotFound), or may not be written
// (AccessDenied); 0 when one can be.
ResultCode FolderWriteProblem(const QString& folder);

class CAtomicFileWriter {
 public:
  CAtomicFileWriter(QString title, IReportSink& sink) : m_title(std::move(title)), m_sink(sink) {}
  bool Open(const QString& path);
  bool WriteBytes(const QByteArray& bytes);
  bool WriteText(const QString& text) { return WriteBytes(text.toLatin1()); }
  bool WriteLine(const QString& text) { return WriteText(text + QStringLiteral("\r\n")); }
  // Puts the written file in the target's place.
  bool Commit();

 private:
  bool Fail(IoOperation operation, ResultCode code);

  QString m_title;
  IReportSink& m_sink;
  QSaveFile m_file;
};
