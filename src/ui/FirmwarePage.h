#pragma once
// The Firmware tab: the local firmware folder, the newest image in it against
// the version running in the tuner, the download of new files from the maker,
// the loading of an image into the tuner, and the program's activity log (it
// keeps every line, whichever tab is shown).

#include <QString>
#include <functional>

#include "firmware/FirmwareFolderScan.h"
#include "ui/Page.h"

class CLogView;
class QLabel;
class QLineEdit;
class QPushButton;

class CFirmwarePage : public CPage {
  Q_OBJECT
 public:
  // Asks the user for a folder (title, starting folder); empty when he
  // cancels. Tests replace it.
  using FolderPicker = std::function<QString(QWidget* parent, const QString& title, const QString& start)>;

  explicit CFirmwarePage(QWidget* parent = nullptr);
  void OnPageLog(const QString& line) override;

  static void SetFolderPicker(FolderPicker picker);
  // The whole seconds a job took, rounded to the nearest.
  static unsigned ElapsedSeconds(qint64 milliseconds) { return static_cast<unsigned>((milliseconds + 500) / 1000); }

  CLogView& Log() { return *m_log; }
  QLineEdit& FolderBox() { return *m_folderBox; }
  QPushButton& DefaultButton() { return *m_default; }
  QPushButton& BrowseButton() { return *m_browse; }
  QPushButton& CheckButton() { return *m_check; }
  QPushButton& CopyButton() { return *m_copy; }
  QPushButton& SendButton() { return *m_send; }
  QLabel& InstalledLabel() { return *m_installed; }
  QLabel& AvailableLabel() { return *m_available; }
  const FirmwareFolderScan& Scan() const { return m_scan; }

  // Scans the firmware folder and shows what it offers.
  void CheckVersions();
  void SendFirmware();
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
