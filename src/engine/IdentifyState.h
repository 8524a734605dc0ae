#pragma once
// Identification: "I;" and the device table. A reply naming the ZU6400 in
// upper case is the running firmware; in lower case, the bootstrap loader.

#include "engine/CommandStates.h"
#include "link/TunerCommands.h"

struct IdentityRow {
  const char* text;
  CorvantaDevice device;
  FirmwareStatusEnum status;
};

// Searched in order; the first row whose text occurs in the reply wins.
inline constexpr IdentityRow kIdentityTable[] = {
    {"ZR70", DeviceZR70, FirmwareStatusLoader},       {"ZR60", DeviceZR60, FirmwareStatusLoader},
    {"ZXL1900", DeviceZXL1900, FirmwareStatusRunning}, {"zxl1900", DeviceZXL1900, FirmwareStatusLoader},
    {"ZP5100", DeviceZP5100, FirmwareStatusLoader},   {"ZU6400", DeviceZU6400, FirmwareStatusRunning},
    {"zu6400", DeviceZU6400, FirmwareStatusLoader},   {"ZD4", DeviceZD4, FirmwareStatusRunning},
    {"zd4", DeviceZD4, FirmwareStatusLoader},         {"ZD5", DeviceZD5, FirmwareStatusRunning},
    {"zd5", DeviceZD5, FirmwareStatusLoader},         {"ZPH1700", DeviceZPH1700, FirmwareStatusRunning},
    {"zph1700", DeviceZPH1700, FirmwareStatusLoader}, {"Z9R", DeviceZ9, FirmwareStatusLoader},
    {"Z9S", DeviceZ9, FirmwareStatusLoader},          {"I;", DeviceNone, FirmwareStatusLoader},
};

// The device and status value a reply names (none and 0 when no row matches).
inline IdentityRow IdentifyReply(const QString& reply) {
  for (const IdentityRow& row : kIdentityTable)
    if (reply.contains(QLatin1String(row.text), Qt::CaseSensitive)) return row;
  return {"", DeviceNone, FirmwareStatusNone};
}

template <class T>
class CIdentifyState : public CCommandOptionalResponseState<T> {
 public:
  static constexpr unsigned kTimeout = 200;

  CIdentifyState(T& owner, CState<T>* next, const char* name = "Identify")
      : CCommandOptionalResponseState<T>(owner, name, next, QString::fromLatin1(Tuner::Identify), kTimeout) {}

  // A reply that names nothing of the table (garbled, or a late answer to an
  // earlier command) is no answer: the state waits on, as for any other.
  bool ParseReply() override {
    T& owner = this->Owner();
    const IdentityRow row = IdentifyReply(owner.Reply());
    if (row.status == FirmwareStatusNone) return false;
    owner.SetStatusValue(row.status);
    owner.Model().Device.Set(row.device);
    owner.Model().IdentityReply = owner.EscapedReply();
    return true;
  }

  void OnTimeout() override {
    NoDevice();
    Next();
  }

  void Next() override {
    T& owner = this->Owner();
    CModelBase& model = owner.Model();
    if (!model.IsDeviceSupported()) {
      model.Device.Set(DeviceNone);  // a device of another kind is not kept
      if (!IsNegative(owner.GetResult())) owner.SetResult(Result::UnexpectedDevice);
      this->ToFinal();
    } else if (owner.StatusValue() != FirmwareStatusLoader) {
      CCommandOptionalResponseState<T>::Next();
    } else if (m_alternative != nullptr) {
      owner.Go(*m_alternative);
    } else {
      this->ToFinal();
    }
  }

  void SetAlternative(CState<T>* state) { m_alternative = state; }

 protected:
  void NoDevice() {
    this->Owner().SetStatusValue(FirmwareStatusNone);
    this->Owner().Model().Device.Set(DeviceNone);
    this->Owner().Model().IdentityReply.clear();
  }

 private:
  CState<T>* m_alternative = nullptr;
};
