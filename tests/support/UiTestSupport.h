#pragma once
// Helpers for the desktop program's tests: prompts answered in place of a
// person, named widgets, and a fixture with clean settings, an optional
// simulated tuner and the real main window.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

#include "tests/support/TestSupport.h"
#include "ui/shell/MainWindow.h"
#include "ui/operate/OperatePage.h"
#include "ui/shell/UserPrompts.h"

// The child of that name (any, when empty); the test fails when there is none.
template <class T = QWidget>
T& Child(const QObject& parent, const QString& name = {}) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) throw std::runtime_error("no child named " + name.toStdString());
  return *child;
}

// A dialog's standard button.
inline QPushButton& Button(const QWidget& dialog, QDialogButtonBox::StandardButton which) {
  QPushButton* button = Child<QDialogButtonBox>(dialog).button(which);
  if (button == nullptr) throw std::runtime_error("no such standard button");
  return *button;
}

// Shows the tab of the parent's tab widget that holds its P; that P.
template <class P>
P& ShowTab(const QWidget& parent) {
  auto& tabs = Child<QTabWidget>(parent);
  auto& page = Child<P>(tabs);
  for (int i = 0; i < tabs.count(); ++i)
    if (tabs.widget(i) == &page || tabs.widget(i)->isAncestorOf(&page)) tabs.setCurrentIndex(i);
  return page;
}

// Runs the action on the next modal dialog of type T once it is up.
template <class T = QDialog>
void OnNextModal(std::function<void(T&)> action) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    timer->deleteLater();
    timer->stop();
    action(*dialog);
  });
  timer->start(5);
}

// Keeps the boxes the program shows, answers its questions and file choices
// and remembers what it asked, for as long as it lives.
class CPromptAnswers : public CUserPrompts {
 public:
  struct Box {
    QString title;
    QString text;
  };
  CPromptAnswers() { Replace(this); }
  ~CPromptAnswers() override { Replace(nullptr); }
  CPromptAnswers(const CPromptAnswers&) = delete;
  CPromptAnswers& operator=(const CPromptAnswers&) = delete;

  int Count(const QString& title) const {
    return std::count_if(boxes.begin(), boxes.end(), [&](const Box& box) { return box.title == title; });
  }

  bool Ask(QWidget*, const QString& title, const QString& text) override {
    questions << title + ": " + text;
    return yes;
  }
  bool Confirm(QWidget* parent, const QString& title, const QString& text) override { return Ask(parent, title, text); }
  QString ChooseConfigurationFile(QWidget*, FileUse, const QString& start) override { return Choose(start); }
  QString ChooseFolder(QWidget*, const QString&, const QString& start) override { return Choose(start); }
  QString ChooseSaveFile(QWidget*, const QString&, const QString& proposal, const QString&) override {
    return Choose(proposal);
  }
  void ShowMessage(QWidget*, BoxIcon, const QString& title, const QString& text) override {
    boxes.push_back({title, text});
  }

  std::vector<Box> boxes;
  bool yes = false;
  QStringList questions;  // "title: text"
  // The file or folder chosen, and what the program offered.
  QString file;
  QString offered;

 private:
  QString Choose(const QString& offer) {
    offered = offer;
    return file;
  }
};

// The Operate page alone, shown on a model contacted with the simulated tuner
// and polling every 50 ms.
class OperatePageFixture : public ModelFixture {
 public:
  explicit OperatePageFixture(SimOptions options = Firmware("01.97")) : ModelFixture(options) {
    QSettings("Corvanta", "ZU6400 Utility").setValue("OperatePollInterval", 50);
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
    page = std::make_unique<COperatePage>();
    page->show();
  }
  // Every poll cycle ends a machine.
  bool WaitForCycles(int n) {
    const int target = Recorder().Count(Msg::MachineFinished) + n;
    return WaitFor([&] { return Recorder().Count(Msg::MachineFinished) >= target; }, 5000);
  }
  std::unique_ptr<COperatePage> page;
};

class UiFixture {
 public:
  UiFixture();
  ~UiFixture();
  // A value in the settings as a previous run would have left it.
  static void SaveSetting(const QString& name, const QVariant& value) { Settings().setValue(name, value); }
  static QVariant Setting(const QString& name) { return Settings().value(name); }
  bool StartSimulator(SimOptions options = {});
  CSimulatedTuner& Sim() { return m_sim->Tuner(); }
  QString SimPort() const { return m_sim->SlavePath(); }
  // Creates and shows the main window.
  CMainWindow& OpenWindow(const QString& portForThisRun = {});
  // Closes the window as the user would and lets the model go.
  void CloseWindow();
  CMainWindow& Window() { return *m_window; }
  // A page of the window, shown.
  template <class P>
  P& ShowPage() { return ShowTab<P>(*m_window); }
  bool WaitRunning(int timeoutMs = 15000);
  CPromptAnswers prompts;

 private:
  static QSettings Settings() { return QSettings("Corvanta", "ZU6400 Utility"); }
  std::unique_ptr<CSimulatorThread> m_sim;
  std::unique_ptr<CMainWindow> m_window;
};
