#pragma once
// The main window's tabs: Port, Firmware, Operate, Configuration and Command
// Tester, in that order. Each page scrolls when the window is smaller than
// the page needs, so that a small screen never squeezes one.

#include <QTabWidget>

class CPage;

class CTabView : public QTabWidget {
  Q_OBJECT
 public:
  static constexpr int kPortPage = 0;
  static constexpr int kCommandTesterPage = 4;

  explicit CTabView(QWidget* parent = nullptr);

  CPage* Page(int index) const;
  // What the tab bar and frame take around a page.
  QSize PageFrame() const;
  CPage* CurrentPage() const { return Page(currentIndex()); }
  int FirmwarePageIndex() const { return m_firmwarePageIndex; }
  bool IsFirmwarePageShown() const { return currentIndex() == m_firmwarePageIndex; }

 signals:
  void HelpRequested(const QString& topic);
  void StatusMessage(const QString& text);

 private:
  void CreatePages();
  void AddPage(CPage* page);

  int m_firmwarePageIndex = -1;
  QList<CPage*> m_pages;
};
