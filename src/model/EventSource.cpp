#include "model/EventSource.h"

#include <QCoreApplication>

#include "model/ModelEvents.h"

void CEventSource::NotifyOne(QObject* observer) { Send(observer, 0); }

void CEventSource::Send(QObject* observer, std::uintptr_t param) const {
  if (observer == nullptr) return;
  CModelEvent event(m_message, param);
  QCoreApplication::sendEvent(observer, &event);
}

void CEventSource::Fire(std::uintptr_t param) {
  // A handler may unsubscribe while we walk the list: walk a copy.
  const auto observers = m_observers;
  for (const auto& observer : observers)
    if (observer) Send(observer, param);
}

void CEventSource::AddObserver(QObject* observer) {
  if (observer != nullptr && !IsObserver(observer)) m_observers.append(observer);
}

void CEventSource::RemoveObserver(QObject* observer) {
  m_observers.removeIf([observer](const QPointer<QObject>& p) { return p.isNull() || p == observer; });
}

bool CEventSource::IsObserver(QObject* observer) const {
  for (const auto& p : m_observers)
    if (p == observer) return true;
  return false;
}
