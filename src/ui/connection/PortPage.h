#pragma once
// The Port tab: the user picks the serial port of the tuner and, if he wants,
// a fixed bit rate, and tests the connection. The page shows the run's port
// and speed and changes only those (and the saved ones with them); the rest it
// learns from the model.

#include <QStringList>

#include "ui/shell/Page.h"

class QComboBox;
class QLabel;
class QPushButton;

class CPortPage : public CPage {
  Q_OBJECT
 public:
  explicit CPortPage(QWidget* parent = nullptr);

  // Whether the named port is there to be opened: a device file that exists
  // (a network port is taken to be).
  static bool IsPresent(const QString& port);
  // What the connection is doing or why it failed, in the page's status box.
  void ShowStatus(const QString& text);

 signals:
  // The user wants to try the program on the simulated tuner, for this run.
  void SimulatedTunerRequested();

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;

 private:
  // The serial ports of this computer, as the box lists them.
  static QStringList AvailablePorts();
  // What a newcomer without a port is told to do.
  static QString GuideText();
  // The user chose a port by name (picked from the list or typed).
  void ChoosePort(const QString& name);
  void TestCommunications();
  void FillPortBox();
  void FillSpeedBox();
  bool SelectPort(const QString& name);
  void OnSpeedChosen(int index);
  void ShowStatusBox();
  void ShowGuide();
  void PointAtPortBox();

  QComboBox* m_portBox;
  QComboBox* m_speedBox;
  QPushButton* m_close;
  QPushButton* m_test;
  // Offered while no port is chosen or the chosen one is absent.
  QPushButton* m_simulate;
  QLabel* m_status;
};
