#pragma once
// Erases the tuner's stored tuning memories for one band (or all) and one
// antenna. A first chain reads the band the tuner is on, for the choice.

#include "engine/FindSpeedState.h"
#include "engine/RunningFirmwareState.h"
#include "engine/StateHost.h"
#include "machines/configuration/ConfigurationValues.h"
#include "machines/operate/OperateStates.h"

// "em051;rv;" for band 5, antenna 1; band kAllBands erases "em001;" to
// "em101;" before the "rv;".
QString EraseMemoryCommand(unsigned band, unsigned antenna);

// The erase commands of one band, or of all eleven in one transmission,
// with "rv;" behind them: the tuner answers it once the erasing is done.
// Its "RV" reply, or none within the time-out, ends the state; a late reply
// to an earlier command does not.
template <class T>
class CEraseMemoryState : public CCommandOptionalResponseState<T> {
 public:
  static constexpr unsigned kTimeout = 1000;
  CEraseMemoryState(T& owner, CState<T>* next)
      : CCommandOptionalResponseState<T>(owner, "EraseMemory", next, QString(), kTimeout) {}
  void Reset() override {
    CCommandOptionalResponseState<T>::Reset();
    this->SetCommand(EraseMemoryCommand(this->Owner().Band.Get(), this->Owner().Antenna));
  }
  bool ParseReply() override {
    return this->Owner().HasPrefix(this->PrefixOf(QString::fromLatin1(Tuner::McuVersion)));
  }
};

class CEraseMemoryStateMachine : public CStateHost<CEraseMemoryStateMachine> {
 public:
  explicit CEraseMemoryStateMachine(CModelBase& model);

  // The band the tuner is on, into Band.
  bool StartReadBand() { return StartIfIdle(m_findSpeedRead); }
  // Erases Band (kAllBands for every band) for Antenna.
  bool StartErase() { return StartIfIdle(m_eraseCheck); }

  unsigned char Antenna = 1;
  CObservable<unsigned char, 1> Band{kEraseBandMessage};
  CObservable<unsigned char, 1>& BandValue() { return Band; }

 private:
  static constexpr unsigned kEraseBandMessage = 33032;
  using M = CEraseMemoryStateMachine;
  CFindSpeedState<M> m_findSpeedRead;
  CGetBandNumberState<M> m_getBandNumber;
  CRunningFirmwareState<M> m_eraseCheck;
  CFindSpeedState<M> m_findSpeedErase;
  CEraseMemoryState<M> m_eraseMemory;
};
