#include "model/EventSubscriptions.h"

#include <algorithm>

void CEventSubscriptions::Subscribe(QObject* observer, CEventSource& source) {
  if (m_observer == nullptr) m_observer = observer;
  const bool listed = std::any_of(m_sources.cbegin(), m_sources.cend(), [&](const Source& s) { return s.source == &source; });
  if (!listed) m_sources.append({&source, source.Lifetime()});
  source.AddObserver(observer);
}

void CEventSubscriptions::SubscribeAndNotify(QObject* observer, CEventSource& source) {
  Subscribe(observer, source);
  source.NotifyOne(observer);
}

void CEventSubscriptions::UnsubscribeAll() {
  for (const Source& s : m_sources)
    if (!s.lifetime.expired()) s.source->RemoveObserver(m_observer);
  m_sources.clear();
}
