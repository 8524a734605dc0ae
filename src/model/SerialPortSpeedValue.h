#pragma once
// The port's bit rate as an observable: it holds no value of its own.

#include <cstdint>

#include "model/EventSource.h"

class CModelBase;

template <class M>
class CSerialPortSpeedValue : public CEventSource {
 public:
  explicit CSerialPortSpeedValue(M& model);
  std::uint32_t Get() const;
  // Changes the port's rate when it is open and the rate is accepted; always
  // tells the observers.
  void Set(std::uint32_t bitRate);

 private:
  M& m_model;
};
