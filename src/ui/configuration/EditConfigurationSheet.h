#pragma once
// The edit-configuration sheet: a modal window whose tabs each edit one group
// of the tuner's stored settings. Showing it reads the whole configuration;
// OK and Apply write what the user changed. It owns the machine that does
// both, so Cancel is refused while a chain runs and the sheet then closes by
// itself when the chain ends.

#include <QDialog>
#include <optional>

#include "machines/configuration/EditConfigurationStateMachine.h"
#include "model/ActiveMachineScope.h"
#include "model/EventSubscriptions.h"
#include "ui/configuration/EditConfigurationPage.h"

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

class CEditConfigurationSheet : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "EditConfiguration.htm";

  explicit CEditConfigurationSheet(QWidget* parent = nullptr);
  ~CEditConfigurationSheet() override;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  QPushButton& Button(int standardButton);
  void AddPages();
  void AddPage(CEditConfigurationPage* page, unsigned short minimumVersion = 0);
  void Write(bool closeWhenFinished);
  void OnMachineFinished(ResultCode result);
  void UpdateButtons();
  void ShowHelp();

  CEditConfigurationStateMachine m_machine;
  CEditConfigurationContext m_context;
  // Set by OK and by a refused Cancel: the end of the running chain closes the sheet.
  bool m_closeWhenFinished = false;
  std::optional<CActiveMachineScope> m_active;
  CEventSubscriptions m_subscriptions;
  QTabWidget* m_tabs;
  QDialogButtonBox* m_buttons;
};
