#pragma once
// How the configuration pages show and change a per-band value for the band
// selected on them, where one more choice, "All", stands for the eleven bands
// together.

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "machines/configuration/ConfigurationValues.h"
#include "machines/operate/OperateValues.h"

// The name of a band choice: a band's name, "All", or "?" for anything else.
inline QString BandChoiceName(unsigned band) {
  if (band == kAllBands) return QCoreApplication::translate("CBandGroup", "All");
  return band < kBandCount ? BandName(band) : QStringLiteral("?");
}

// The requested value of the chosen band; for "All" the value the eleven bands
// share, or none when they differ.
template <class T>
std::optional<T> SharedRequested(const CObservable<T, kBandCount>& value, unsigned band) {
  if (band < kBandCount) return value.GetRequested(band);
  for (unsigned b = 1; b < kBandCount; ++b)
    if (!(value.GetRequested(b) == value.GetRequested(0))) return std::nullopt;
  return value.GetRequested(0);
}

// A user's choice for the chosen band, or for every band under "All".
template <class T>
void RequestForBands(CObservable<T, kBandCount>& value, unsigned band, const T& wanted) {
  if (band < kBandCount) {
    value.SetRequested(band, wanted);
    return;
  }
  for (unsigned b = 0; b < kBandCount; ++b) value.SetRequested(b, wanted);
}
