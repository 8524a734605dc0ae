#pragma once
// The event sources one observer listens to, so that it can leave them all.

#include <QList>
#include <QObject>
#include <memory>

#include "model/EventSource.h"

class CEventSubscriptions {
 public:
  ~CEventSubscriptions() { UnsubscribeAll(); }
  void Subscribe(QObject* observer, CEventSource& source);
  void SubscribeAndNotify(QObject* observer, CEventSource& source);
  void UnsubscribeAll();

 private:
  QObject* m_observer = nullptr;
  struct Source {
    CEventSource* source;
    std::weak_ptr<void> lifetime;
  };
  QList<Source> m_sources;
};
