#pragma once
// The licence agreement, kept in the program as RTF and shown formatted.

#include <QDialog>

class CLogView;

class CLicenseDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLicenseResource = ":/licence/License.rtf";

  // A missing resource leaves the text empty; the dialog still works.
  explicit CLicenseDialog(const QString& resource, QWidget* parent = nullptr);
  CLogView& Text() { return *m_text; }

 private:
  CLogView* m_text;
};
