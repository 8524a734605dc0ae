#pragma once
// The tuner's stored configuration as the edit-configuration machine reads and
// writes it, and the rules that decide what a change sends. The desktop sheet
// and zu6400ctl share these rules.

#include <QString>
#include <array>

#include "machines/operate/OperateValues.h"
#include "model/Observable.h"

// The observer message of each configuration value; the element index (the
// band, for per-band values) is the event's Param.
namespace ConfigMsg {
constexpr unsigned AntennaEnable1 = 33018;
constexpr unsigned AntennaEnable2 = 33019;
constexpr unsigned AntennaEnable3 = 33020;
constexpr unsigned AntennaPreferred = 33022;
constexpr unsigned AutoFineTune = 33030;
constexpr unsigned SwrThresholdAutotune = 33031;
constexpr unsigned SwrThresholdBypass = 33033;
constexpr unsigned KeyInterruptPower = 33050;
constexpr unsigned SwrThresholdKeyInterrupt = 33051;
constexpr unsigned PowerStatusInitial = 33060;
constexpr unsigned Sleep = 33062;
}  // namespace ConfigMsg

// Firmware versions (times 100) from which the tuner keeps a setting.
namespace ConfigFeature {
constexpr unsigned short KeyInterruptPower = 105;
constexpr unsigned short PowerStatusInitial = 137;
constexpr unsigned short Sleep = 138;
constexpr unsigned short AutoFineTune = 139;
}  // namespace ConfigFeature

// The band number the pages use for all eleven bands at once.
constexpr unsigned kAllBands = 11;

struct CConfigurationValues {
  using PerBandFlag = CObservable<int, kBandCount>;
  using PerBandText = CObservable<QString, kBandCount>;

  PerBandFlag AntennaEnable1{ConfigMsg::AntennaEnable1};
  PerBandFlag AntennaEnable2{ConfigMsg::AntennaEnable2};
  PerBandFlag AntennaEnable3{ConfigMsg::AntennaEnable3};
  CObservable<unsigned char, kBandCount> AntennaPreferred{ConfigMsg::AntennaPreferred};
  PerBandFlag AutoFineTune{ConfigMsg::AutoFineTune};
  PerBandText SwrThresholdAutotune{ConfigMsg::SwrThresholdAutotune};
  PerBandText SwrThresholdBypass{ConfigMsg::SwrThresholdBypass};
  CObservable<unsigned short, 1> KeyInterruptPower{ConfigMsg::KeyInterruptPower};
  PerBandText SwrThresholdKeyInterrupt{ConfigMsg::SwrThresholdKeyInterrupt};
  CObservable<int, 1> PowerStatusInitial{ConfigMsg::PowerStatusInitial};
  CObservable<int, 1> Sleep{ConfigMsg::Sleep};

  // The enable value of antenna 1, 2 or 3.
  PerBandFlag& AntennaEnable(unsigned antenna);
  // The threshold of kind 'k' (key interrupt), 'a' (autotune) or 'b' (bypass).
  PerBandText& SwrThreshold(char kind);
  // Every value, for observers that follow them all.
  std::array<CEventSource*, 11> All();
  // Whether any element of any value has a requested part that differs from
  // its observed part (the sheet's Apply is enabled then).
  bool IsAnyPending() const;
  // Whether the write chain has anything to send: a pending value, or a
  // threshold whose change the tuner can tell.
  bool HasChangesToSend() const;
};

// A threshold text as the sheet stores it: exactly two decimals ("2.5" gives
// "2.50", "2.555" gives "2.55", "2" gives "2.00").
QString NormalizeSwrThreshold(const QString& text);

// The tuner's fine encoding of a threshold: the whole part (capped at 99)
// times 256 plus the hundredths as eight binary digits of a fraction.
unsigned SwrThresholdFine(const QString& text);
// The coarse encoding: the same, with only the first seven binary digits.
unsigned SwrThresholdCoarse(const QString& text);
// A threshold is written only when the texts and both encodings differ, so a
// change below the tuner's resolution ("1.50" to "1.501") sends nothing.
bool IsSwrThresholdChange(const QString& observed, const QString& requested);

// The set command of a changed value with its query behind it ("AE0021;ae002;"),
// or nothing when the value has not changed.
QString SettingCommand(const QString& prefix, unsigned observed, unsigned requested, const QString& query);
QString SwrThresholdCommand(const QString& prefix, const QString& observed, const QString& requested,
                            const QString& query);
