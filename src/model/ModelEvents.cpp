#include "model/ModelEvents.h"

QEvent::Type CModelEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}
