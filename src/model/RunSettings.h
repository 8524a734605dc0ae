#pragma once
// What one run of a front end connects to and fetches firmware with. Each
// front end builds it from its options over the saved settings; it is never
// saved, so an option given for one run cannot end up in the settings file.

#include <QString>

struct RunSettings {
  QString port;
  unsigned long fixedSpeed = 0;  // 0: the search tries every speed
  QString firmwareFolder;
  QString firmwareServer;
};
