#pragma once
// The firmware release notes: the RTF file beside the images, in a window of
// its own that stays open beside the main window until closed or replaced.

#include "ui/shell/TextDialog.h"

class CReleaseInfoDialog : public CTextDialog {
  Q_OBJECT
 public:
  // Far above any real notes file; a larger one is not read.
  static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

  explicit CReleaseInfoDialog(QWidget* parent = nullptr);
  // The notes in the folder, or an empty path when there is no folder.
  static QString NotesPath(const QString& folder);
  // Reads the file; false when it cannot be read (the text stays empty).
  bool Load(const QString& path);
};
