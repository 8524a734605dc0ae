#pragma once
// Writes a configuration file: header, versions, serial number, the PIC PROM
// as MEM2 lines, the serial PROM as MEM3 lines, and the CRC32 line.

#include <QDateTime>
#include <QString>

#include "base/ReportSink.h"
#include "config/ConfigurationData.h"

inline constexpr char kConfigWriteErrorTitle[] = "Configuration file write error";
inline constexpr char kConfigFileExtension[] = "ZU6400Config";

// "SN01234.20210915T142530.ZU6400Config"; without the "SN" part when the
// serial number is not known.
QString DefaultConfigurationFileName(const QDateTime& localTime, std::uint16_t serialNumber);

// False with the reason as the last error; an earlier file at path is kept.
bool WriteConfigurationFile(const QString& path, const QDateTime& localTime, const ConfigSnapshot& data,
                            IReportSink& sink);
