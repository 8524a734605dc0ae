#include "firmware/FirmwareFolderScan.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

#include "base/StringTable.h"
#include "base/TextFormat.h"

namespace {

const QString& ImagePrefix() {
  static const QString prefix = QStringLiteral("zu6400fw");
  return prefix;
}

}  // namespace

const QString& FirmwareFolderScan::ReleaseNotesName() {
  static const QString name = QStringLiteral("zu6400fwnotes.rtf");
  return name;
}

bool FirmwareFolderScan::IsImageName(const QString& fileName) {
  return fileName.startsWith(ImagePrefix(), Qt::CaseInsensitive) &&
         fileName.endsWith(QStringLiteral(".hex"), Qt::CaseInsensitive);
}

bool FirmwareFolderScan::IsReleaseNotesName(const QString& fileName) {
  return fileName.compare(ReleaseNotesName(), Qt::CaseInsensitive) == 0;
}

bool FirmwareFolderScan::IsPlainFileName(const QString& name) {
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
  for (const QChar c : name) {
    if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  }
  return true;
}

std::uint16_t FirmwareFolderScan::VersionFromName(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.lastIndexOf(u'.');
  // The prefix's own digits are no version: "zu6400fwX.hex" has none.
  const qsizetype first = name.startsWith(ImagePrefix(), Qt::CaseInsensitive) ? ImagePrefix().size() : 0;
  qsizetype end = dot < 0 ? name.size() : dot;
  while (end > first && !name[end - 1].isDigit()) --end;
  qsizetype begin = end;
  while (begin > first && name[begin - 1].isDigit()) --begin;
  if (begin == end || begin == 0) return 0;
  bool ok = false;
  const uint value = name.mid(begin, end - begin).toUInt(&ok);
  return ok && value <= std::numeric_limits<std::uint16_t>::max() ? static_cast<std::uint16_t>(value) : 0;
}

void FirmwareFolderScan::Clear() { *this = FirmwareFolderScan(); }

bool FirmwareFolderScan::Scan(const QString& folder) {
  Clear();
  if (folder.isEmpty() || QDir::isRelativePath(folder)) return false;
  const QDir dir(folder);
  if (!dir.exists() || !dir.isReadable()) return false;
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
    if (IsReleaseNotesName(name)) {
      m_releaseNotes = true;
    } else if (IsImageName(name)) {
      const std::uint16_t version = VersionFromName(name);
      if (version > m_version) {
        m_version = version;
        m_path = dir.absoluteFilePath(name);
      }
    }
  }
  return true;
}

bool FirmwareFolderScan::Match(const QString& name) {
  if (!IsPlainFileName(name)) return false;
  if (IsReleaseNotesName(name)) {
    m_releaseNotes = true;
    return true;
  }
  if (!IsImageName(name)) return false;
  const std::uint16_t version = VersionFromName(name);
  if (version <= m_version) return false;
  m_version = version;
  return true;
}

QString FirmwareFolderScan::AvailableText() const {
  if (!Found()) return LoadString(Str::FirmwareMissing);
  return Format("%02u.%02u", m_version / 100u, m_version % 100u);
}

QString FolderIsNoFolderText(const QString& folder) {
  const QFileInfo info(folder);
  if (folder.isEmpty() || !info.exists() || info.isDir()) return {};
  return Format("The firmware folder \"%s\" is a file, not a folder", QDir::toNativeSeparators(folder));
}

FirmwareFolderScan CheckVersions(const QString& folder, IReportSink& sink, const QString& noImages) {
  FirmwareFolderScan scan;
  scan.Scan(folder);
  if (scan.Found()) return scan;
  const QString notFolder = FolderIsNoFolderText(folder);
  if (!notFolder.isEmpty()) sink.Log(notFolder);
  sink.Log(noImages.isEmpty() ? LoadString(Str::NoFirmwareFiles) : noImages);
  return scan;
}
