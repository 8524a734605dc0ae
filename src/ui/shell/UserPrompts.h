#pragma once
// What the program asks of the user and tells him in a box: questions,
// file and folder choices, and the model's message boxes. The real dialogs
// serve unless other prompts have been put in their place.

#include <QString>

#include "model/ModelEvents.h"

class QWidget;

class CUserPrompts {
 public:
  // A file to save to (asking before an existing file is replaced) or to
  // open (it must exist).
  enum class FileUse { Save, Open };

  virtual ~CUserPrompts() = default;

  // The prompts in use.
  static CUserPrompts& Current();
  // Puts prompts in place of the real dialogs; nullptr puts these back.
  static void Replace(CUserPrompts* prompts);

  // A Yes/No question with a warning icon, No by default; true for Yes.
  virtual bool Ask(QWidget* parent, const QString& title, const QString& text);
  // A Yes/No question with a question icon; true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& title, const QString& text);
  // Empty when the user cancelled.
  virtual QString ChooseConfigurationFile(QWidget* parent, FileUse use, const QString& initialPath);
  virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& start);
  // filter: as a file dialog's name filters.
  virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& proposal, const QString& filter);
  // Opened modal; it returns at once and the box waits on the main loop.
  virtual void ShowMessage(QWidget* parent, BoxIcon icon, const QString& title, const QString& text);
};
