#pragma once
// The licence agreement, kept in the program as RTF and shown formatted.

#include <QDialog>

class CRichEditCtrlContext;

class CLicenseDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLicenseResource = ":/licence/License.rtf";

  // A missing resource leaves the text empty; the dialog still works.
  explicit CLicenseDlg(const QString& resource, QWidget* parent = nullptr);
  CRichEditCtrlContext& Text() { return *m_text; }

 private:
  CRichEditCtrlContext* m_text;
};
