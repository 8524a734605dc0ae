#pragma once
#include <cstdint>

// The maker's device models, as the identify reply names them.
enum CorvantaDevice : std::uint8_t {
  DeviceNone = 0,
  DeviceZ9 = 1,
  DeviceZR70 = 2,
  DeviceZP5100 = 3,
  DeviceZU6400 = 4,
  DeviceZD4 = 6,
  DeviceZXL1900 = 9,
  DeviceZD5 = 12,
  DeviceZR60 = 14,
  DeviceZPH1700 = 15,
};

// What answered the identify command.
enum FirmwareStatusEnum : std::uint32_t {
  FirmwareStatusNone = 0,
  FirmwareStatusLoader = 1,
  FirmwareStatusRunning = 2,
};

// Special values of the firmware version (version times 100).
namespace McuVersionValue {
constexpr unsigned short Unknown = 0;
constexpr unsigned short NotAvailable = 9999;
constexpr unsigned short Loading = 65534;
}  // namespace McuVersionValue
