#pragma once
// The program's help: HTML pages in the "help" folder beside the program,
// shown in a help window of its own, translated pages in a folder per
// language ("help/de"). A missing page gives a "Help Error" box.

#include <QString>

class QTextBrowser;

class CHelp {
 public:
  static constexpr const char* kContents = "index.htm";

  // The folder of the help pages.
  static QString Folder();

  // Shows a topic such as "Port.htm" or "CommandTester.htm#MacroEditor";
  // false (after the error box) when its page is missing.
  static bool Show(const QString& topic);
  static bool ShowContents() { return Show(QString::fromLatin1(kContents)); }
  // The help window, once a topic has been shown.
  static QTextBrowser* Window();
  static void CloseWindow();
};
