#pragma once
// The licence agreement, kept in the program as RTF and shown formatted.

#include "ui/shell/TextDialog.h"

class CLicenseDialog : public CTextDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLicenseResource = ":/licence/License.rtf";

  // A missing resource leaves the text empty; the dialog still works.
  explicit CLicenseDialog(const QString& resource, QWidget* parent = nullptr);
};
