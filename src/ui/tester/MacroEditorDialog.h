#pragma once
// The macro editor: a dialog with one page of sixteen rows, each a label and
// the command text its button sends.

#include <QDialog>
#include <array>

#include "model/Persistable.h"
#include "ui/shell/Page.h"

class QDialogButtonBox;
class QLineEdit;

class CMacroEditorPage : public CPage {
  Q_OBJECT
 public:
  static constexpr std::size_t kRows = 16;
  using Macros = CPersistable<QString, kRows>;

  CMacroEditorPage(Macros& labels, Macros& texts, QWidget* parent = nullptr);

  // Takes the edited labels and texts into the macros.
  void Apply();

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;

 private:
  Macros& m_labelValues;
  Macros& m_textValues;
  std::array<QLineEdit*, kRows> m_labels{};
  std::array<QLineEdit*, kRows> m_texts{};
};

class CMacroEditorDialog : public QDialog {
  Q_OBJECT
 public:
  CMacroEditorDialog(CMacroEditorPage::Macros& labels, CMacroEditorPage::Macros& texts,
                      QWidget* parent = nullptr);

  CMacroEditorPage& Page() { return *m_page; }
  QDialogButtonBox& Buttons() { return *m_buttons; }

 private:
  CMacroEditorPage* m_page;
  QDialogButtonBox* m_buttons;
};
