#pragma once
// The Firmware tab: the local firmware folder, the newest image in it against
// the version running in the tuner, the download of new files from the maker,
// the loading of an image into the tuner, and the program's activity log (it
// keeps every line, whichever tab is shown).

#include <QString>

#include "firmware/FirmwareFolderScan.h"
#include "ui/shell/Page.h"

class CLogView;
class QLabel;
class QLineEdit;
class QPushButton;

class CFirmwarePage : public CPage {
  Q_OBJECT
 public:
  explicit CFirmwarePage(QWidget* parent = nullptr);
  void OnPageLog(const QString& line) override;

  // Nothing has answered the search for a long while: a load cut short may
  // have left a loader that only a load's own search reaches, so an image
  // may be sent without a tuner identified.
  void OfferLoadWithoutAnswer(bool offer);

 signals:
  // An image is about to be sent (a simulated tuner run by the program takes
  // its version from the name).
  void FirmwareLoadStarting(const QString& imagePath);
  // The loader's dialog has closed.
  void FirmwareLoadEnded();

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;

 private:
  QWidget* CreateFolderGroup();
  QWidget* CreateCheckGroup();
  QWidget* CreateVersionGroup();
  QWidget* CreateLogGroup();
  // Scans the firmware folder and shows what it offers.
  void CheckVersions();
  void SendFirmware();
  void Browse();
  void CheckVersionNow();
  void CopyNewFiles();
  void EnableSend();
  // The loader's dialog for the image; returns when it closes.
  void RunLoader(const QString& imagePath);
  // The download from the maker's server into the folder; returns when its
  // dialog closes.
  void RunDownload();

  FirmwareFolderScan m_scan;
  CLogView* m_log;
  QLineEdit* m_folderBox = nullptr;
  QPushButton* m_default = nullptr;
  QPushButton* m_browse = nullptr;
  QPushButton* m_check = nullptr;
  QPushButton* m_copy = nullptr;
  QPushButton* m_send = nullptr;
  QLabel* m_installed = nullptr;
  QLabel* m_available = nullptr;
  bool m_loadWithoutAnswer = false;
};
