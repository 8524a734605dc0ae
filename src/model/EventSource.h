#pragma once
// An event with a fixed message number and the observers that receive it.

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>

class CEventSource {
 public:
  explicit CEventSource(unsigned message = 0) : m_message(message) {}
  virtual ~CEventSource() = default;
  CEventSource(const CEventSource&) = delete;
  CEventSource& operator=(const CEventSource&) = delete;

  // Tells one observer the current state (once, or once per element).
  virtual void NotifyOne(QObject* observer);
  void Fire(std::uintptr_t wParam);
  void AddObserver(QObject* observer);
  void RemoveObserver(QObject* observer);
  bool IsObserver(QObject* observer) const;
  unsigned Message() const { return m_message; }

 protected:
  void Send(QObject* observer, std::uintptr_t wParam) const;

 private:
  unsigned m_message;
  QList<QPointer<QObject>> m_observers;
};
