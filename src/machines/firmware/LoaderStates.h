#pragma once
// The states of a load through the tuner's bootstrap loader: enter it, start
// the download, send the packets with their acknowledgements, realign the
// loader's receive buffer when a packet goes astray, wait for the restart.

#include <QByteArray>

#include "base/StringTable.h"
#include "engine/CommandStates.h"
#include "engine/FindSpeedState.h"
#include "firmware/FirmwareImage.h"
#include "link/TunerCommands.h"
#include "machines/connection/RestartStates.h"

// The bootstrap loader always talks at this speed.
inline constexpr std::uint32_t kLoaderSpeed = 38400;

// The loader has answered: it waits for a whole image from now on (also when
// it was running before this run), and observers show the load.
template <class T>
void MarkLoading(T& owner) {
  CModelBase& model = owner.Model();
  owner.SetInLoader(true);
  owner.SetStatusValue(FirmwareStatusLoader);
  if (model.McuVersion.Get() != McuVersionValue::Loading) model.McuVersion.Set(McuVersionValue::Loading);
  model.FirmwareStatus.Set(FirmwareStatusLoader);
}

// The search before a load. When nothing answers, a bootstrap loader that a
// load cut short left holding part of a packet may be listening: it takes the
// polls as packet bytes and answers none until its buffer is full.
template <class T>
class CLoadFindSpeedState : public CFindSpeedState<T> {
 public:
  CLoadFindSpeedState(T& owner, CState<T>* next, CState<T>& recover)
      : CFindSpeedState<T>(owner, next), m_recover(recover) {}
  void OnSearchExhausted() override { this->Owner().Go(m_recover); }

 private:
  CState<T>& m_recover;
};

// "lpf;" and a pause while the tuner restarts into its loader; skipped when
// the loader answered the identification already.
template <class T>
class CLoadEnterBootLoaderState : public CCommandDelayState<T> {
 public:
  static constexpr unsigned kDelay = 2000;
  CLoadEnterBootLoaderState(T& owner, CState<T>* next)
      : CCommandDelayState<T>(owner, "LoadEnterBootLoader", next, QString::fromLatin1(Tuner::EnterLoader), kDelay) {}

  void Enter() override {
    if (this->Owner().StatusValue() != FirmwareStatusLoader) {
      CCommandDelayState<T>::Enter();
      return;
    }
    this->Owner().SetInLoader(true);
    this->Next();
  }

  void OnTimeout() override {
    this->Owner().SetInLoader(true);
    this->Owner().Model().SerialSpeed.Set(kLoaderSpeed);
    this->Next();
  }
};

// "D", echoed by the loader when it is ready for the packets.
template <class T>
class CLoadBeginDownloadState : public CCommandResponseState<T> {
 public:
  static constexpr unsigned kTimeout = 5000;
  CLoadBeginDownloadState(T& owner, CState<T>* next)
      : CCommandResponseState<T>(owner, "LoadBeginDownload", next, Result::LoaderNoD, StartText()) {
    this->SetDelay(kTimeout);
  }

  QString Terminators() const override { return StartText(); }

  bool ParseReply() override {
    MarkLoading(this->Owner());
    return true;
  }

  void OnTimeout() override {
    T& owner = this->Owner();
    owner.Log(Str::LoaderNoEcho, ModelName(), StartText());
    owner.Model().ResetDeviceInfo();
    this->Fail(this->ErrorCode());
  }

 private:
  static QString StartText() { return QString(QLatin1Char(Tuner::LoaderStart)); }
};

// Sends the owner's packet and waits for its acknowledgement. "N" sends it
// again (the fifth time after a resynchronisation); a time-out resynchronises.
template <class T>
class CLoadFirmwareState : public CCommandResponseState<T> {
 public:
  static constexpr unsigned kTimeout = 2000;
  CLoadFirmwareState(T& owner, const char* name, CState<T>* next, char acknowledgement)
      : CCommandResponseState<T>(owner, name, next, Result::NoResponseFirmwarePacket, QString()),
        m_acknowledgement(QLatin1Char(acknowledgement)),
        m_terminators(QString(m_acknowledgement) + QStringLiteral("NC")) {
    this->SetDelay(kTimeout);
  }

  void SetResync(CState<T>* resync) { m_resync = resync; }
  QString Terminators() const override { return m_terminators; }

  void Reset() override {
    CCommandResponseState<T>::Reset();
    m_retries = 0;
    this->Owner().SetFillBytes(0);
  }

  void Send() override {
    T& owner = this->Owner();
    if (IsFailure(owner.GetResult())) {
      this->ToFinal();  // cancelled: stop before the next packet
      return;
    }
    owner.SetTerminators(m_terminators);
    const auto& packet = owner.Packet();
    const QByteArray bytes(reinterpret_cast<const char*>(packet.data()), static_cast<qsizetype>(packet.size()));
    if (owner.IsTraceOn())
      owner.Trace("%s Send %u bytes 0x%s", this->Name(), static_cast<unsigned>(bytes.size()),
                  QString::fromLatin1(bytes.toHex().toUpper()));
    owner.ClearReply();
    if (!owner.Model().WriteBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()))) {
      owner.SetResult(GetLastError());
      this->ToFinal();
      return;
    }
    owner.StartStateTimer(this->Delay());
  }

  void OnReply() override {
    const QString& reply = this->Owner().Reply();
    if (reply.contains(m_acknowledgement)) {
      this->Owner().StopStateTimer();
      OnAcknowledged();
    } else if (reply.contains(u'N')) {
      this->Owner().StopStateTimer();
      OnRejected();
    }  // anything else: the timer keeps running
  }

  void OnTimeout() override {
    const unsigned before = m_retries++;
    if (before < this->Owner().Model().FirmwareLoadRetryLimit.Get())
      this->Owner().Go(*m_resync);
    else
      this->Fail(this->ErrorCode());
  }

  // Names the block that failed, then ends the run.
  void Fail(ResultCode code) override {
    T& owner = this->Owner();
    owner.Log(Str::LoaderSendFailed, owner.LoaderName(), owner.PacketAddress());
    owner.RecordRetries(m_retries);
    CState<T>::Fail(code);
  }

 protected:
  // The packet was acknowledged: on to the next one.
  virtual void Advance() = 0;

 private:
  void OnAcknowledged() {
    T& owner = this->Owner();
    if (m_retries != 0) {
      if (owner.FillBytes() == 0)
        owner.Log(Str::LoaderRetrySucceeded, m_retries, owner.PacketAddress());
      else
        owner.Log(Str::LoaderRetryWithFill, m_retries, owner.PacketAddress(), owner.FillBytes());
      owner.RecordRetries(m_retries);
      m_retries = 0;
    }
    owner.SetFillBytes(0);
    Advance();
  }

  void OnRejected() {
    const unsigned limit = this->Owner().RetryLimit();
    const unsigned before = m_retries++;
    if (before == limit / 2)
      this->Owner().Go(*m_resync);
    else if (m_retries >= limit)
      Fail(Result::RetryLimitExhausted);
    else
      Send();
  }

  QChar m_acknowledgement;
  QString m_terminators;
  CState<T>* m_resync = nullptr;
  unsigned m_retries = 0;
};

// The blocks from 0x880 up to the send end, in address order.
template <class T>
class CLoadFirmwareInitialState : public CLoadFirmwareState<T> {
 public:
  CLoadFirmwareInitialState(T& owner, CState<T>* next) : CLoadFirmwareState<T>(owner, "LoadFirmwareInitial", next, 'A') {}

  void Reset() override {
    CLoadFirmwareState<T>::Reset();
    this->Owner().Log(Str::LoaderSendingFile, this->Owner().LoaderName(), this->Owner().ImagePath());
  }

  void Enter() override {
    T& owner = this->Owner();
    const std::uint32_t address = owner.LoadAddress();
    if (address >= FirmwareImage::kStartAddress + owner.SendLength()) {
      this->Next();
      return;
    }
    owner.BuildPacket(address, false);
    owner.AdvanceProgress(FirmwareImage::kBlockSize);
    owner.SetLoadAddress(address + FirmwareImage::kBlockSize);
    this->Send();
  }

 protected:
  void Advance() override { Enter(); }
};

// The block at 0x800, last: only with it does the flash checksum come right.
template <class T>
class CLoadFirmwareLastState : public CLoadFirmwareState<T> {
 public:
  CLoadFirmwareLastState(T& owner, CState<T>* next) : CLoadFirmwareState<T>(owner, "LoadFirmwareLast", next, 'B') {}

  void Reset() override {
    CLoadFirmwareState<T>::Reset();
    this->Owner().BuildPacket(FirmwareImage::kStartAddress, true);
    this->Owner().AdvanceProgress(FirmwareImage::kBlockSize);
  }

  void Enter() override { this->Send(); }

 protected:
  void Advance() override {
    this->Owner().SetInLoader(false);  // the tuner restarts its new firmware
    this->Owner().SetSent();
    this->Next();
  }
};

// Single ";" polls fill the loader's 132-byte buffer until it answers "N";
// then the interrupted packet goes again, on a realigned buffer.
template <class T>
class CLoadResyncState : public CCommandResponseState<T> {
 public:
  static constexpr unsigned kPollTimeout = 100;
  static constexpr unsigned kMostPolls = 132;

  CLoadResyncState(T& owner, const char* name, CLoadFirmwareState<T>& packetState)
      : CCommandResponseState<T>(owner, name, nullptr, Result::NoResponseSyncPoll, QString::fromLatin1(Tuner::Poll)),
        m_packetState(packetState) {
    this->SetDelay(kPollTimeout);
  }

  QString Terminators() const override { return QStringLiteral("N"); }

  void Reset() override {
    CCommandResponseState<T>::Reset();
    this->Owner().SetFillBytes(1);
  }

  void OnAccepted() override {
    this->Owner().Resume(m_packetState);
    m_packetState.Send();
  }

  void OnTimeout() override {
    T& owner = this->Owner();
    if (owner.FillBytes() < kMostPolls) {
      owner.SetFillBytes(owner.FillBytes() + 1);
      this->Send();
    } else {
      this->Fail(this->ErrorCode());
    }
  }

 protected:
  CLoadFirmwareState<T>& PacketState() const { return m_packetState; }

 private:
  CLoadFirmwareState<T>& m_packetState;
};

// After a search that found nothing: single polls at the loader's speed fill
// the buffer of a loader that holds part of a packet; its "N" shows it ready
// for packets again, and the load starts over. No answer at all: only a power
// cycle helps.
template <class T>
class CLoadRecoverState : public CLoadResyncState<T> {
 public:
  CLoadRecoverState(T& owner, CLoadFirmwareState<T>& packetState)
      : CLoadResyncState<T>(owner, "LoadRecover", packetState) {}

  void Reset() override {
    CLoadResyncState<T>::Reset();
    T& owner = this->Owner();
    owner.Log(Str::LoaderRecovering);
    owner.Model().SerialSpeed.Set(kLoaderSpeed);
  }

  void OnAccepted() override {
    MarkLoading(this->Owner());
    this->Owner().Go(this->PacketState());
  }

  void Fail(ResultCode code) override {
    this->Owner().Log(Str::LoaderNotRecovered, ModelName());
    CState<T>::Fail(code);
  }
};

// The pause while the tuner restarts with its new firmware.
template <class T>
class CLoadWaitResetState : public CDelayState<T> {
 public:
  static constexpr unsigned kSeconds = 3;
  CLoadWaitResetState(T& owner, CState<T>* next) : CDelayState<T>(owner, "LoadWaitReset", next, kSeconds * 1000) {}
  void Reset() override { this->Owner().Log(Str::WaitingForReset, kSeconds); }
};

