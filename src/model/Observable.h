#pragma once
// N values that tell their observers when they change. Each element has an
// observed part (what the device or the model holds) and a requested part
// (what the user wants); machines send what differs.

#include <array>
#include <cstddef>

#include "model/EventSource.h"

template <class T, std::size_t N>
class CObservable : public CEventSource {
 public:
  explicit CObservable(unsigned message = 0, const T& initial = T{}) : CEventSource(message) {
    m_value.fill(initial);
    m_requested.fill(initial);
  }

  const T& Get(std::size_t i = 0) const { return m_value[i < N ? i : 0]; }
  const T& GetRequested(std::size_t i = 0) const { return m_requested[i < N ? i : 0]; }

  // A reading: both parts take the value; observers hear of a change.
  void Set(std::size_t i, const T& v) {
    if (i >= N || m_value[i] == v) return;
    m_value[i] = v;
    m_requested[i] = v;
    Fire(i);
  }
  void Set(const T& v) { Set(0, v); }

  // A wish of the user: only the requested part, nobody is told.
  void SetRequested(std::size_t i, const T& v) {
    if (i < N) m_requested[i] = v;
  }
  void SetRequested(const T& v) { SetRequested(0, v); }

  bool IsPending(std::size_t i = 0) const { return i < N && !(m_value[i] == m_requested[i]); }

  void NotifyOne(QObject* observer) override {
    for (std::size_t i = 0; i < N; ++i) Send(observer, i);
  }

 protected:
  // Loading: takes a value without telling anyone.
  void Assign(std::size_t i, const T& v) {
    m_value[i] = v;
    m_requested[i] = v;
  }

 private:
  std::array<T, N> m_value;
  std::array<T, N> m_requested;
};
