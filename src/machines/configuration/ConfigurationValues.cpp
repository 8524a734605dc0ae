#include "machines/configuration/ConfigurationValues.h"

#include <algorithm>

#include "base/TextFormat.h"

namespace {
template <class T, std::size_t N>
bool AnyPending(const CObservable<T, N>& value) {
  for (std::size_t i = 0; i < N; ++i)
    if (value.IsPending(i)) return true;
  return false;
}

bool AnyThresholdChange(const CConfigurationValues::PerBandText& value) {
  for (std::size_t i = 0; i < kBandCount; ++i)
    if (IsSwrThresholdChange(value.Get(i), value.GetRequested(i))) return true;
  return false;
}

bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// The leading decimal number of a threshold, capped at 99.
unsigned WholePart(const QString& text) {
  unsigned n = 0;
  for (qsizetype i = 0; i < text.size() && IsAsciiDigit(text[i]); ++i) n = std::min(99u, n * 10 + (text[i].unicode() - '0'));
  return n;
}

// The first one or two digits after the ".", as hundredths.
unsigned Hundredths(const QString& text) {
  const qsizetype dot = text.indexOf(u'.');
  if (dot < 0 || dot + 1 >= text.size() || !IsAsciiDigit(text[dot + 1])) return 0;
  const unsigned tens = text[dot + 1].unicode() - '0';
  const bool second = dot + 2 < text.size() && IsAsciiDigit(text[dot + 2]);
  return tens * 10 + (second ? text[dot + 2].unicode() - '0' : 0);
}

// The hundredths as a binary fraction of eight digits.
unsigned FractionBits(unsigned hundredths) {
  unsigned bits = 0;
  for (int i = 0; i < 8; ++i) {
    hundredths *= 2;
    const bool one = hundredths >= 100;
    if (one) hundredths -= 100;
    bits = bits << 1 | (one ? 1u : 0u);
  }
  return bits;
}
}  // namespace

CConfigurationValues::PerBandFlag& CConfigurationValues::AntennaEnable(unsigned antenna) {
  return antenna == 3 ? AntennaEnable3 : antenna == 2 ? AntennaEnable2 : AntennaEnable1;
}

CConfigurationValues::PerBandText& CConfigurationValues::SwrThreshold(char kind) {
  return kind == 'k' ? SwrThresholdKeyInterrupt : kind == 'b' ? SwrThresholdBypass : SwrThresholdAutotune;
}

std::array<CEventSource*, 11> CConfigurationValues::All() {
  return {&AntennaEnable1,     &AntennaEnable2,           &AntennaEnable3,     &AntennaPreferred,
          &AutoFineTune,       &SwrThresholdAutotune,     &SwrThresholdBypass, &KeyInterruptPower,
          &SwrThresholdKeyInterrupt, &PowerStatusInitial, &Sleep};
}

bool CConfigurationValues::IsAnyPending() const {
  return AnyPending(AntennaEnable1) || AnyPending(AntennaEnable2) || AnyPending(AntennaEnable3) ||
         AnyPending(AntennaPreferred) || AnyPending(AutoFineTune) || AnyPending(SwrThresholdAutotune) ||
         AnyPending(SwrThresholdBypass) || AnyPending(KeyInterruptPower) || AnyPending(SwrThresholdKeyInterrupt) ||
         AnyPending(PowerStatusInitial) || AnyPending(Sleep);
}

bool CConfigurationValues::HasChangesToSend() const {
  return AnyPending(AntennaEnable1) || AnyPending(AntennaEnable2) || AnyPending(AntennaEnable3) ||
         AnyPending(AntennaPreferred) || AnyPending(AutoFineTune) || AnyThresholdChange(SwrThresholdAutotune) ||
         AnyThresholdChange(SwrThresholdBypass) || AnyPending(KeyInterruptPower) ||
         AnyThresholdChange(SwrThresholdKeyInterrupt) || AnyPending(PowerStatusInitial) || AnyPending(Sleep);
}

QString NormalizeSwrThreshold(const QString& text) {
  const qsizetype dot = text.indexOf(u'.');
  if (dot < 0) return text + QStringLiteral(".00");
  return (text + QStringLiteral("00")).left(dot + 3);
}

unsigned SwrThresholdFine(const QString& text) { return WholePart(text) * 256 + FractionBits(Hundredths(text)); }

unsigned SwrThresholdCoarse(const QString& text) { return SwrThresholdFine(text) & ~1u; }

bool IsSwrThresholdChange(const QString& observed, const QString& requested) {
  return observed != requested && SwrThresholdFine(observed) != SwrThresholdFine(requested) &&
         SwrThresholdCoarse(observed) != SwrThresholdCoarse(requested);
}

QString SettingCommand(const QString& prefix, unsigned observed, unsigned requested, const QString& query) {
  return observed == requested ? QString() : Format("%s%u;%s", prefix, requested, query);
}

QString SwrThresholdCommand(const QString& prefix, const QString& observed, const QString& requested,
                            const QString& query) {
  return IsSwrThresholdChange(observed, requested) ? Format("%s%s;%s", prefix, requested, query) : QString();
}
