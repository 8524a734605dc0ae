#pragma once
// The main window's tabs: Port, Firmware, Operate, Configuration and Command
// Tester, in that order.

#include <QTabWidget>

class CPage;

class CTabView : public QTabWidget {
  Q_OBJECT
 public:
  static constexpr int kPortPage = 0;
  static constexpr int kCommandTesterPage = 4;

  explicit CTabView(QWidget* parent = nullptr);

  CPage* Page(int index) const;
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
};
