#pragma once
// The main window's placement in the settings group "Window": ten numbers,
// all of which must be there for the placement to be restored.

#include <QRect>

class QSettings;
class QWidget;

struct CWindowPlacement {
  static constexpr int kShowNormal = 1;
  static constexpr int kShowMinimized = 2;
  static constexpr int kShowMaximized = 3;

  int flags = 0;
  int showCmd = kShowNormal;
  int minPosX = -1;
  int minPosY = -1;
  int maxPosX = -1;
  int maxPosY = -1;
  QRect normal;  // stored as bottom, left, right, top

  static CWindowPlacement Of(const QWidget& window);
  // False, and nothing read, unless every value is present and a number and
  // the normal rectangle has a size.
  bool Read(QSettings& settings);
  bool Write(QSettings& settings) const;
  void ApplyTo(QWidget& window) const;
};
