#pragma once
// The questions and file choices the configuration jobs put to the user.
// Tests answer them in place of a person.

#include <QString>
#include <functional>

class QWidget;

class CUserPrompts {
 public:
  // A Yes/No question with a warning icon; true for Yes.
  using Question = std::function<bool(QWidget* parent, const QString& title, const QString& text)>;
  // A file to save to (asking before an existing file is replaced) or to
  // open (it must exist); empty when the user cancelled.
  enum class FileUse { Save, Open };
  using FileChooser = std::function<QString(QWidget* parent, FileUse use, const QString& initialPath)>;

  static bool Ask(QWidget* parent, const QString& title, const QString& text);
  static QString ChooseConfigurationFile(QWidget* parent, FileUse use, const QString& initialPath);

  // An empty function puts back the real dialogs.
  static void SetQuestion(Question question);
  static void SetFileChooser(FileChooser chooser);
};
