#pragma once
// The Command Tester tab: the user types raw commands and sees what was sent
// (green) and what the tuner answered (black); sixteen macro buttons send
// stored command texts.

#include <QTextCharFormat>
#include <array>
#include <functional>

#include "model/Persistable.h"
#include "ui/Page.h"

class CMacroEditorDialog;
class CLogView;
class QLineEdit;
class QPushButton;

class CCommandTesterPage : public CPage {
  Q_OBJECT
 public:
  static constexpr std::size_t kMacros = 16;
  using MacroEditorRunner = std::function<int(CMacroEditorDialog&)>;

  explicit CCommandTesterPage(QWidget* parent = nullptr);

  CPersistable<QString, kMacros> MacroLabels{"CommandCaption%u", Msg::MacroLabels};
  CPersistable<QString, kMacros> MacroTexts{"CommandText%u", Msg::MacroTexts};

  // Writes the text to the tuner and shows it, when a tuner is identified.
  void SendText(const QString& text);
  void SendMacro(std::size_t index);
  void EditMacros();
  void OnCommEvent() override;

  QLineEdit& CommandLine() { return *m_commandLine; }
  CLogView& Output() { return *m_output; }
  QPushButton& MacroButton(std::size_t index) { return *m_macroButtons.at(index); }
  QPushButton& ClearButton() { return *m_clear; }
  // Tests run the macro editor without a modal loop.
  void SetMacroEditorRunner(MacroEditorRunner runner) { m_runMacroEditor = std::move(runner); }

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;

 private:
  void BuildControls();
  void DefaultEmptyLabels();
  void EnableControls();

  QLineEdit* m_commandLine = nullptr;
  CLogView* m_output = nullptr;
  QPushButton* m_editMacros = nullptr;
  QPushButton* m_clear = nullptr;
  std::array<QPushButton*, kMacros> m_macroButtons{};
  QWidget* m_focusAfterSend = nullptr;
  QTextCharFormat m_sentFormat;
  QTextCharFormat m_receivedFormat;
  MacroEditorRunner m_runMacroEditor;
};
