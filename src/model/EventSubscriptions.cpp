#include "model/EventSubscriptions.h"

void CEventSubscriptions::Subscribe(QObject* observer, CEventSource& source) {
  if (m_observer == nullptr) m_observer = observer;
  if (!m_sources.contains(&source)) m_sources.append(&source);
  source.AddObserver(observer);
}

void CEventSubscriptions::SubscribeAndNotify(QObject* observer, CEventSource& source) {
  Subscribe(observer, source);
  source.NotifyOne(observer);
}

void CEventSubscriptions::UnsubscribeAll() {
  for (CEventSource* source : m_sources) source->RemoveObserver(m_observer);
  m_sources.clear();
}
