#pragma once
// What the program says about itself: its description, its version (from the
// build, as four numbers) and its legal notice.

#include <QString>

class CProgramVersion {
 public:
  // "ZU6400 Utility"
  static QString Description();
  // "1.0.0.0": major, minor, build, revision; missing parts are 0.
  static QString Number();
  // "ZU6400 Utility Version 1.0.0.0", as the title bar and saved files give it.
  static QString VersionText();
  static QString LegalNotice();
};
