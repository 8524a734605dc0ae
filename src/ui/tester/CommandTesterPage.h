#pragma once
// The Command Tester tab: the user types raw commands and sees what was sent
// (green) and what the tuner answered (black), a line each; Up and Down recall
// earlier commands; sixteen macro buttons send stored command texts.

#include <QStringList>
#include <array>

#include "model/Persistable.h"
#include "ui/shell/Page.h"

class CLogView;
class CTranscript;
class QCheckBox;
class QLineEdit;
class QPushButton;

class CCommandTesterPage : public CPage {
  Q_OBJECT
 public:
  static constexpr std::size_t kMacros = 16;

  explicit CCommandTesterPage(QWidget* parent = nullptr);

  CPersistable<QString, kMacros> MacroLabels{"CommandCaption%u", Msg::MacroLabels};
  CPersistable<QString, kMacros> MacroTexts{"CommandText%u", Msg::MacroTexts};

  void OnCommEvent() override;

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Writes the text to the tuner and shows it, when a tuner is identified.
  void SendText(const QString& text);
  void SendMacro(std::size_t index);
  void EditMacros();
  void BuildControls();
  void DefaultEmptyLabels();
  // Gives empty labels their defaults and keeps labels and texts in the settings.
  void SaveMacros();
  void EnableControls();
  void ShowMacroLabel(std::size_t index);
  void Recall(int step);

  QLineEdit* m_commandLine = nullptr;
  CLogView* m_output = nullptr;
  QPushButton* m_editMacros = nullptr;
  QPushButton* m_clear = nullptr;
  std::array<QPushButton*, kMacros> m_macroButtons{};
  QCheckBox* m_timeStamps = nullptr;
  QCheckBox* m_hexadecimal = nullptr;
  QWidget* m_focusAfterSend = nullptr;
  CTranscript* m_transcript = nullptr;
  // Commands sent, oldest first; the recall position counts back from the end.
  QStringList m_history;
  qsizetype m_recall = 0;
};
