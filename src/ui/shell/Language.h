#pragma once
// The language of the desktop program: its own translation, built in, and
// Qt's for the standard dialogs and buttons. zu6400ctl installs none, so the
// command line stays English for the scripts that read it.

#include <QString>
#include <QStringList>

class CLanguage {
 public:
  static constexpr const char* kEnglish = "en";

  // The languages the program speaks, English first: "en", "de", ...
  static QStringList Available();
  // The language's name in its own words: "Deutsch".
  static QString NativeName(const QString& language);

  // The choice saved with View > Language; empty follows the system.
  static QString Saved();
  static void Save(const QString& language);

  // The language asked for when the program speaks it, else the first of the
  // system's languages that it speaks, else English.
  static QString Choose(const QString& wanted);
  // Replaces the translators installed before with the language's.
  static void Install(const QString& language);
  static void Uninstall();
  // The language installed now.
  static QString Current();
};
