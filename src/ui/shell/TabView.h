#pragma once
// The main window's tabs: Port, Firmware, Operate, Configuration and Command
// Tester, in that order. Each page scrolls when the window is smaller than
// the page needs, so that a small screen never squeezes one.

#include <QTabWidget>

class CCommandTesterPage;
class CFirmwarePage;
class COperatePage;
class CPage;
class CPortPage;

class CTabView : public QTabWidget {
  Q_OBJECT
 public:
  // The tabs by their index, as the ActivePage setting keeps it.
  enum Tab { kPortTab, kFirmwareTab, kOperateTab, kConfigurationTab, kCommandTesterTab };

  explicit CTabView(QWidget* parent = nullptr);

  CPage* Page(int index) const;
  // What the tab bar and frame take around a page.
  QSize PageFrame() const;
  CPage* CurrentPage() const { return Page(currentIndex()); }
  CPortPage& PortPage() const { return *m_portPage; }
  CFirmwarePage& FirmwarePage() const { return *m_firmwarePage; }
  COperatePage& OperatePage() const { return *m_operatePage; }

 signals:
  void HelpRequested(const QString& topic);
  void StatusMessage(const QString& text);

 private:
  void CreatePages();
  void AddPage(CPage* page);

  CPortPage* m_portPage = nullptr;
  CFirmwarePage* m_firmwarePage = nullptr;
  COperatePage* m_operatePage = nullptr;
  QList<CPage*> m_pages;
};
