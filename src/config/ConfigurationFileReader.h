#pragma once
// Reads a configuration file for a restore: checks its CRC32 line, collects
// the PIC runs and serial blocks a restore may write, and gives the verdict
// (complete, incomplete or corrupt) with its message box.

#include <QByteArrayView>
#include <QString>

#include "base/ReportSink.h"
#include "base/ResultCodes.h"
#include "config/ConfigCrc.h"
#include "config/ConfigurationData.h"

inline constexpr char kRestoreErrorTitle[] = "Restore Configuration Error";
inline constexpr char kConfigReadErrorTitle[] = QT_TRANSLATE_NOOP("ConfigurationFileReader", "Configuration file read error");
// A complete file is about 150 KB; anything far larger is no configuration file.
inline constexpr qint64 kMaxConfigFileSize = 4 * 1024 * 1024;

class CConfigurationFileReader {
 public:
  // tunerSerialNumber is the connected tuner's, kNoSerialNumber when unknown.
  CConfigurationFileReader(std::uint16_t tunerSerialNumber, ConfigRestoreData& data, IReportSink& sink)
      : m_tunerSerialNumber(tunerSerialNumber), m_data(data), m_sink(sink) {}

  // The verdict on a whole file's bytes: 0, IncompleteConfigurationFile or
  // CorruptConfigurationFile, each failure shown in a box.
  ResultCode Parse(QByteArrayView content);
  // The verdict on a file too large to be read: FileTooLarge.
  ResultCode Oversized();

 private:
  ResultCode Line(QByteArrayView line);
  ResultCode CrcLine(QByteArrayView line);
  ResultCode SerialNumberLine(QByteArrayView line);
  ResultCode Fail(ResultCode code, const QString& text);

  std::uint16_t m_tunerSerialNumber;
  ConfigRestoreData& m_data;
  IReportSink& m_sink;
  ConfigCrc m_crc;
  bool m_dataSeen = false;
  bool m_checkPending = true;
};

// Reads the file at path into data: 0, a verdict of the reader, or the
// system error of opening or reading it (shown in a box as well).
ResultCode ReadConfigurationFile(const QString& path, std::uint16_t tunerSerialNumber, ConfigRestoreData& data,
                                 IReportSink& sink);
