#pragma once
// A host that reports its progress to a bar (positions divided by a divisor,
// since the bar's range is 16-bit).

#include <functional>

#include "engine/StateHost.h"

template <class T>
class CProgressBarStateHost : public CStateHost<T> {
 public:
  using ProgressSink = std::function<void(int position, int maximum)>;
  using CStateHost<T>::CStateHost;

  void AdvanceProgress(unsigned units) override {
    m_position = std::min(m_position + units, m_maximum);
    if (m_bar) m_bar(static_cast<int>(m_position / m_divisor), static_cast<int>(m_maximum / m_divisor));
  }

  // Before a run with a known amount of work.
  void BeginProgress(unsigned maximum) {
    m_position = 0;
    m_maximum = maximum;
    if (m_bar) m_bar(0, static_cast<int>(m_maximum / m_divisor));
  }

  void SetProgressBar(ProgressSink bar) { m_bar = std::move(bar); }
  void SetDivisor(unsigned divisor) { m_divisor = divisor == 0 ? 1 : divisor; }
  unsigned Position() const { return m_position; }
  unsigned Maximum() const { return m_maximum; }

 private:
  unsigned m_divisor = 1;
  unsigned m_position = 0;
  unsigned m_maximum = 0;
  ProgressSink m_bar;
};
