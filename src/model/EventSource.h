#pragma once
// An event with a fixed message number and the observers that receive it.

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>

class CEventSource {
 public:
  explicit CEventSource(unsigned message = 0) : m_message(message) {}
  virtual ~CEventSource() = default;
  CEventSource(const CEventSource&) = delete;
  CEventSource& operator=(const CEventSource&) = delete;

  // Tells one observer the current state (once, or once per element).
  virtual void NotifyOne(QObject* observer);
  void Fire(std::uintptr_t param);
  void AddObserver(QObject* observer);
  void RemoveObserver(QObject* observer);
  bool IsObserver(QObject* observer) const;
  unsigned Message() const { return m_message; }
  // Expires when the source is destroyed, so that a subscriber that outlives
  // it (a page whose own values go first) does not touch it.
  std::weak_ptr<void> Lifetime() const { return m_lifetime; }

 protected:
  void Send(QObject* observer, std::uintptr_t param) const;

 private:
  unsigned m_message;
  QList<QPointer<QObject>> m_observers;
  std::shared_ptr<void> m_lifetime = std::make_shared<char>(0);
};
