#pragma once
// The readings log: a CSV file with one line per poll cycle, appended to and
// flushed line by line, so that whatever was written before a failure stays.

#include <QDateTime>
#include <QFile>
#include <QString>

#include "base/ResultCodes.h"
#include "machines/operate/OperateValues.h"

// ISO 8601 local time with milliseconds and the offset from UTC, so that
// lines around a clock change still sort and subtract.
QString ReadingsTime(const QDateTime& time);
// The column names, the file's first line.
QString ReadingsHeader();
// One cycle's readings with the local time they were read (no line end). A
// sleeping tuner has nothing to read: its line carries the time alone.
QString ReadingsLine(const QDateTime& time, const COperateValues& values);
// Where the polls stopped for a while (the Operate page was hidden): the
// time, "polling paused" in the first column and the rest empty.
QString ReadingsPauseLine(const QDateTime& time);

class CReadingsFile {
 public:
  // Opens for appending; a new or empty file gets the header line first.
  ResultCode Open(const QString& path);
  // Writes the line and its end in one piece, straight to the file.
  ResultCode Append(const QString& line);
  void Close() { m_file.close(); }
  bool IsOpen() const { return m_file.isOpen(); }
  QString Path() const { return m_file.fileName(); }

 private:
  QFile m_file;
};
