#include "ui/shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <array>

namespace {
constexpr const char* kGroup = "Window";
constexpr std::array<const char*, 10> kNames = {"flags",  "showCmd", "minPosX", "minPosY", "maxPosX",
                                                 "maxPosY", "bottom",  "left",    "right",   "top"};
}  // namespace

CWindowPlacement CWindowPlacement::Of(const QWidget& window) {
  CWindowPlacement p;
  p.showCmd = window.isMaximized() ? kShowMaximized : window.isMinimized() ? kShowMinimized : kShowNormal;
  p.normal = window.normalGeometry();
  if (!p.normal.isValid()) p.normal = window.geometry();
  return p;
}

bool CWindowPlacement::Read(QSettings& settings) {
  std::array<int, kNames.size()> v{};
  settings.beginGroup(QString::fromLatin1(kGroup));
  bool ok = true;
  for (std::size_t i = 0; i < kNames.size() && ok; ++i) {
    const QVariant value = settings.value(QString::fromLatin1(kNames[i]));
    v[i] = value.toInt(&ok);
  }
  settings.endGroup();
  // Rectangle edges are stored like the window's own record: right and bottom
  // lie just outside the window.
  const QRect rect(QPoint(v[7], v[9]), QPoint(v[8] - 1, v[6] - 1));
  if (!ok || rect.width() <= 0 || rect.height() <= 0) return false;
  *this = {v[0], v[1], v[2], v[3], v[4], v[5], rect};
  return true;
}

bool CWindowPlacement::Write(QSettings& settings) const {
  const std::array<int, kNames.size()> v = {flags,   showCmd,         minPosX,       minPosY,          maxPosX,
                                            maxPosY, normal.bottom() + 1, normal.left(), normal.right() + 1, normal.top()};
  settings.beginGroup(QString::fromLatin1(kGroup));
  for (std::size_t i = 0; i < kNames.size(); ++i) settings.setValue(QString::fromLatin1(kNames[i]), v[i]);
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

// A placement saved on a larger screen, or at another scale, is brought back
// onto the screen it now falls on (the window's own when it falls on none).
void CWindowPlacement::ApplyTo(QWidget& window) const {
  const QScreen* screen = QGuiApplication::screenAt(normal.center());
  if (screen == nullptr) screen = window.screen();
  QRect rect = normal;
  if (screen != nullptr) {
    // Room for the window's frame too, so that its title bar can be reached.
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    rect.setSize(rect.size().boundedTo(room.size()).expandedTo(window.minimumSize()));
    rect.moveLeft(std::clamp(rect.left(), room.left(), std::max(room.left(), room.right() + 1 - rect.width())));
    rect.moveTop(std::clamp(rect.top(), room.top(), std::max(room.top(), room.bottom() + 1 - rect.height())));
  }
  window.setGeometry(rect);
  if (showCmd == kShowMaximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}
