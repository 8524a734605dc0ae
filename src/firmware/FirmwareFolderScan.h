#pragma once
// What a firmware folder offers: the newest image (path and version) and
// whether the release notes are there. Names compare without regard to case:
// an image is "zu6400fw*.hex", the notes are exactly "zu6400fwnotes.rtf".

#include <QString>
#include <cstdint>

#include "base/ReportSink.h"

class FirmwareFolderScan {
 public:
  static const QString& ReleaseNotesName();
  static bool IsImageName(const QString& fileName);
  static bool IsReleaseNotesName(const QString& fileName);
  // A name that can only mean a file inside the folder: not empty, no
  // separator, no "." or "..", no control character.
  static bool IsPlainFileName(const QString& name);
  // The version times 100 from the digits that end just before the
  // extension (zu6400fw0105b.hex gives 105); 0 when there are none or they
  // do not fit 16 bits. The digits of the image prefix never count.
  static std::uint16_t VersionFromName(const QString& path);

  void Clear();
  // Lists the folder (an absolute path; the working directory plays no
  // part) and keeps the newest image; the first of equal versions wins.
  // False when the folder cannot be listed: the result is then empty.
  bool Scan(const QString& folder);
  // Offers a name listed elsewhere (the maker's server): the notes always
  // match and set the flag; an image matches when it is newer than the best
  // version, which moves up to it so that older images listed later do not.
  bool Match(const QString& name);

  bool Found() const { return !m_path.isEmpty(); }
  const QString& Path() const { return m_path; }
  std::uint16_t Version() const { return m_version; }
  bool HasReleaseNotes() const { return m_releaseNotes; }
  // "Missing", or the version as "01.05".
  QString AvailableText() const;

 private:
  QString m_path;
  std::uint16_t m_version = 0;
  bool m_releaseNotes = false;
};

// "The firmware folder "PATH" is a file, not a folder" when something other
// than a folder stands at its path; empty otherwise.
QString FolderIsNoFolderText(const QString& folder);

// Scans the folder; when it holds no image, logs why a file in the folder's
// place cannot hold any, then how to get one (noImages: the desktop's words
// by default).
FirmwareFolderScan CheckVersions(const QString& folder, IReportSink& sink, const QString& noImages = {});
