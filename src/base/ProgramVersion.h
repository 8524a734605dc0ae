#pragma once
// What the program says about itself: its description, the four parts of its
// version (from the build) and its legal notice.

#include <QString>
#include <array>

class CProgramVersion {
 public:
  static QString Description();
  // Major, minor, build, revision; missing parts are 0.
  static std::array<unsigned, 4> Parts();
  static QString LegalNotice();
};
