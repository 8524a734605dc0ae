#include "config/ConfigurationFileReader.h"

#include <QByteArray>
#include <QCoreApplication>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "base/WholeFileReader.h"
#include "config/ConfigDataLineParser.h"

namespace {

const char kAlteredText[] = QT_TRANSLATE_NOOP(
    "ConfigurationFileReader",
    "The configuration file has been altered after it was saved.\r\nCannot restore from a modified configuration file.");
const char kIncompleteText[] = QT_TRANSLATE_NOOP(
    "ConfigurationFileReader",
    "The configuration file is incomplete.\r\nCannot restore from an incomplete configuration file.");

// Reads the hexadecimal digits of value from text, most significant first.
bool HexWord(QByteArrayView text, std::uint32_t& value) {
  value = 0;
  for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
    std::uint8_t byte = 0;
    if (!HexPairToByte(QChar::fromLatin1(text[i]), QChar::fromLatin1(text[i + 1]), byte)) return false;
    value = value << 8 | byte;
  }
  return true;
}

// A decimal number up to 65535 at the start of text.
bool Decimal16(QByteArrayView text, std::uint16_t& value) {
  std::uint32_t n = 0;
  qsizetype i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if ((n = n * 10 + static_cast<std::uint32_t>(text[i] - '0')) > 0xFFFF) return false;
  value = static_cast<std::uint16_t>(n);
  return i > 0;
}

}  // namespace

ResultCode CConfigurationFileReader::Fail(ResultCode code, const QString& text) {
  m_sink.ErrorBox(LoadString(Str::RestoreErrorTitle), text);
  return code;
}

ResultCode CConfigurationFileReader::Oversized() {
  return Fail(Result::FileTooLarge, Format("The file is too large for a configuration file (more than %u MiB).\r\n"
                                           "Cannot restore from it.",
                                           static_cast<unsigned>(kMaxConfigFileSize / (1024 * 1024))));
}

ResultCode CConfigurationFileReader::Parse(QByteArrayView content) {
  QByteArray line;
  for (const char byte : content) {
    if (byte == '\r') continue;
    if (byte != '\n') {
      line += byte;
      continue;
    }
    if (const ResultCode code = Line(line)) return code;
    line.clear();
  }
  // A last line without its LF may have been cut short: it never counts.
  if (!m_dataSeen || m_checkPending) return Fail(Result::IncompleteConfigurationFile, kIncompleteText);
  return Result::Success;
}

ResultCode CConfigurationFileReader::Line(QByteArrayView line) {
  if (line.startsWith(kCrcKey)) return CrcLine(line);
  m_crc.AddLine(line);
  if (line.startsWith("MEM")) {
    if (!CConfigDataLineParser(m_data).Parse(line))
      return Fail(Result::CorruptConfigurationFile,
                  Format(QCoreApplication::translate("ConfigurationFileReader", "Unable to parse line \"%s\""), QString::fromLatin1(line)));
    m_dataSeen = true;
    m_checkPending = true;
    return Result::Success;
  }
  if (line.startsWith(kSerialNumberKey)) return SerialNumberLine(line);
  return Result::Success;
}

ResultCode CConfigurationFileReader::CrcLine(QByteArrayView line) {
  const QByteArrayView rest = line.sliced(qstrlen(kCrcKey));
  std::uint32_t value = 0;
  const bool formed = (rest.startsWith(" = 0x") || rest.startsWith(" = 0X")) && rest.size() >= 13 &&
                      HexWord(rest.sliced(5, 8), value);
  if (!formed || value != m_crc.CheckValue()) return Fail(Result::CorruptConfigurationFile, kAlteredText);
  m_checkPending = false;
  return Result::Success;
}

ResultCode CConfigurationFileReader::SerialNumberLine(QByteArrayView line) {
  const QByteArrayView rest = line.sliced(qstrlen(kSerialNumberKey));
  const bool hasEquals = rest.startsWith(" = ");
  std::uint16_t number = 0;
  if (hasEquals && Decimal16(rest.sliced(3), number)) m_data.fileSerialNumber = number;
  if (m_tunerSerialNumber == kNoSerialNumber) return Result::Success;
  if (!hasEquals)
    return Fail(Result::CorruptConfigurationFile,
                Format(QCoreApplication::translate("ConfigurationFileReader", "Unable to parse %s line \"%s\", Serial number verification skipped"),
                       QString::fromLatin1(kSerialNumberKey), QString::fromLatin1(line)));
  m_data.serialNumberDiffers = m_data.fileSerialNumber != m_tunerSerialNumber;
  return Result::Success;
}

ResultCode ReadConfigurationFile(const QString& path, std::uint16_t tunerSerialNumber, ConfigRestoreData& data,
                                 IReportSink& sink) {
  CConfigurationFileReader reader(tunerSerialNumber, data, sink);
  CWholeFileReader file(QCoreApplication::translate("ConfigurationFileReader", kConfigReadErrorTitle), sink);
  if (!file.Open(path)) return GetLastError();
  const qint64 size = file.Size();
  if (size > kMaxConfigFileSize) return reader.Oversized();
  QByteArray content;
  if (!file.Read(size, content)) return GetLastError();
  return reader.Parse(content);
}
