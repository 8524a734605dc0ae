#include "machines/operate/ReadingsLog.h"

#include <QStringList>
#include <cerrno>

#include "base/TextFormat.h"
#include "machines/operate/RelayValues.h"

QString ReadingsTime(const QDateTime& time) {
  const QDateTime local = time.toLocalTime();
  return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QString ReadingsHeader() {
  return QStringLiteral("time,frequency (kHz),band,mode,antenna,side,bypass,C (pF),L (nH),VFWD,VRFL,SWR,bypass SWR,fault");
}

QString ReadingsLine(const QDateTime& time, const COperateValues& v) {
  QStringList fields{ReadingsTime(time)};
  if (v.IsAsleep()) return fields.first() + QString(ReadingsHeader().count(u','), u',');
  fields << QString::number(v.Frequency.Get()) << BandName(v.Band.Get()) << QString(v.Mode.Get())
         << QString::number(v.Antenna.Get()) << QString(v.Side.Get()) << QString(v.Bypass.Get())
         << QString::number(RelayValue(v.Capacitor.Get(), kCapacitorWeights))
         << QString::number(RelayValue(v.Inductor.Get(), kInductorWeights))
         << QString::number(v.ForwardVoltage.Get()) << QString::number(v.ReflectedVoltage.Get()) << v.Swr.Get()
         << v.SwrBypass.Get() << QString::number(v.Fault.Get());
  return CsvLine(fields);
}

QString ReadingsPauseLine(const QDateTime& time) {
  return ReadingsTime(time) + QStringLiteral(",polling paused") + QString(ReadingsHeader().count(u',') - 1, u',');
}

ResultCode CReadingsFile::Open(const QString& path) {
  Close();
  m_file.setFileName(path);
  errno = 0;
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
    return WinErrorFromFileDevice(m_file, errno);
  const ResultCode result = m_file.size() == 0 ? Append(ReadingsHeader()) : Result::Success;
  if (result != Result::Success) Close();
  return result;
}

ResultCode CReadingsFile::Append(const QString& line) {
  const QByteArray bytes = (line + u'\n').toUtf8();
  const qint64 before = m_file.size();
  errno = 0;
  if (m_file.write(bytes) == bytes.size()) return Result::Success;
  const ResultCode code = WinErrorFromFileDevice(m_file, errno);
  m_file.resize(before);  // no torn line after the last whole one
  return code == Result::Success ? Result::WriteFault : code;
}
