#pragma once
// Copies new firmware files from the maker's server into the firmware folder
// and shows what happens. It starts when first shown. It closes by itself
// after a clean run (Accepted) or a cancel (Rejected); after an error, or with
// Trace on, it stays open with its button renamed "Close" so that the log can
// be read. A folder that does not exist is offered for creation first; a
// refusal ends the dialog with kFailed.

#include <QDialog>

#include "base/ResultCodes.h"
#include "machines/firmware/FirmwareDownload.h"

class CLogView;
class CModelBase;
class FirmwareFolderScan;
class QPushButton;

class CFtpDialog : public QDialog {
  Q_OBJECT
 public:
  // The result after an error or a refused folder.
  static constexpr int kFailed = 3;

  // scan: the folder's scan result, updated as the server's names match.
  CFtpDialog(QWidget* parent, CModelBase& model, QString folder, FirmwareFolderScan& scan);
  ~CFtpDialog() override;

 public slots:
  // Escape and the window's close button: ignored while the copy runs.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool EnsureFolder();
  void Begin();
  void OnButton();
  void OnLine(const QString& text, DownloadLog where);
  void OnFinished(ResultCode code);
  int ResultFor(ResultCode code) const;

  CModelBase& m_model;
  QString m_folder;
  CLogView* m_log;
  QPushButton* m_button;
  CFirmwareDownload m_download;
  bool m_started = false;
};
