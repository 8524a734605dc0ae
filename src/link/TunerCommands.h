#pragma once
// Every command the program sends to the tuner, and the reply forms it relies
// on. The machines take their command texts from here.

namespace Tuner {
// Connection and identification.
inline constexpr const char* Poll = ";";             // any reply ending in ";"
inline constexpr const char* Identify = "I;";        // "ZU6400" running, "zu6400" loader
inline constexpr const char* McuVersion = "rv;";     // "RV" dd "." dd ";"
inline constexpr const char* SerialNumber = "sn;";   // "SN" decimal ";"
inline constexpr const char* Terminators = ";";

// Live state (reply: the query's prefix and its value).
inline constexpr const char* PowerStatus = "ps;";
inline constexpr const char* Mode = "md;";
inline constexpr const char* Antenna = "an;";
inline constexpr const char* Side = "side;";
inline constexpr const char* Attenuator = "attn;";
inline constexpr const char* KeyInterrupt = "ampi;";
inline constexpr const char* Bypass = "byp;";
inline constexpr const char* BandNumber = "bn;";
inline constexpr const char* Fault = "flt;";
inline constexpr const char* TuneStatus = "ts;";
inline constexpr const char* Capacitor = "c;";       // two hexadecimal digits
inline constexpr const char* Inductor = "l;";        // two hexadecimal digits
inline constexpr const char* Frequency = "f;";
inline constexpr const char* FrequencyC = "fc;";
inline constexpr const char* FrequencyX = "fx;";
inline constexpr const char* FrequencyY = "fy;";     // two numbers joined by "-"
inline constexpr const char* ForwardVoltage = "vfwd;";
inline constexpr const char* ReflectedVoltage = "vrfl;";
inline constexpr const char* Swr = "vswr;";
inline constexpr const char* SwrBypass = "vswrb;";
inline constexpr const char* Memorize = "sm;";       // no reply awaited
inline constexpr const char* Tune = "t;";            // no reply awaited

// Stored configuration.
inline constexpr const char* KeyInterruptPower = "akip;";
inline constexpr const char* PowerInitial = "psi;";
inline constexpr const char* Sleep = "sl;";
inline constexpr const char* AntennaEnableFormat = "%s%02u%01u;";   // "ae", band, antenna
inline constexpr const char* BandValueFormat = "%s%02u;";          // "ap", "aft", band
inline constexpr const char* SwrThresholdFormat = "%s%02u%c;";     // "st", band, kind
inline constexpr const char* SetWithQueryFormat = "%s%u;%s";       // "AN2;an;"

// Jobs that restart the tuner (fixed delays, no reply awaited).
inline constexpr const char* FactoryInit = "eeinit;";
inline constexpr const char* Reset = "rst0;";
inline constexpr const char* PowerOn = "ps1;";
inline constexpr const char* EraseMemoryFormat = "%s%02u%01u;";    // "em", band, antenna
inline constexpr const char* EnterLoader = "lpf;";

// Checked PROM access: "erp"/"ers" + address, length, checksum ";" (reply:
// the request echoed with data and checksum); "ewp"/"ews" + address, length,
// data, checksum ";" (reply: the request echoed with a checksum).
inline constexpr const char* ReadPicProm = "erp";
inline constexpr const char* ReadSerialProm = "ers";
inline constexpr const char* WritePicProm = "ewp";
inline constexpr const char* WriteSerialProm = "ews";

// The bootstrap loader: "D", then 132-byte packets and ";" polls; it answers
// "D", then "A", "B" or "N".
inline constexpr char LoaderStart = 'D';
}  // namespace Tuner
