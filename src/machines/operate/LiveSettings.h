#pragma once
// The live settings a user may change by name ("mode", "c", ...), what each
// takes, and the judging of a change: asked for in the poll cycles, done when
// the tuner reports every value.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "base/ResultCodes.h"
#include "machines/operate/OperateValues.h"

// One requested change: how to ask for it and how to see that it was done.
struct LiveWish {
  std::function<void(COperateValues&)> request;
  std::function<bool(const COperateValues&)> reported;
  unsigned short minVersion = 0;
};

// A name, the values it allows as a message words them, and the wish a value
// makes (none for a value it does not take).
struct LiveSetting {
  const char* name;
  QString allowed;
  std::function<std::optional<LiveWish>(const QString&)> parse;
};

const std::vector<LiveSetting>& LiveSettings();
// "mode, antenna, ...".
QString LiveSettingNames();
// The wish for name (any case) and value; otherwise what is wrong, as
// "c takes 0 to 2701 pF ..." or "unknown setting (settings: ...)".
std::optional<LiveWish> ParseLiveSetting(const QString& name, const QString& value, QString& problem);

// Changes on their way to the tuner, judged after each poll cycle.
class CLiveRequest {
 public:
  // The cycles after the first in which a change may still arrive.
  static constexpr int kCycleLimit = 5;

  explicit CLiveRequest(std::vector<LiveWish> wishes) : m_wishes(std::move(wishes)) {}
  // The firmware version a setting needs beyond the tuner's, or 0.
  unsigned short NeededVersion(unsigned short mcuVersion) const;
  bool IsSupported(unsigned short mcuVersion) const { return NeededVersion(mcuVersion) == 0; }
  // Puts what is not reported yet in front of its query.
  void Ask(COperateValues& values) const;
  // After a cycle that ended with result: the cycle's failure (a sleeping
  // tuner excepted), Success once every value is reported, or after the last
  // cycle RetryLimitExhausted; none while it should be asked again.
  std::optional<ResultCode> Judge(ResultCode result, COperateValues& values);

 private:
  bool AllReported(const COperateValues& values) const;
  std::vector<LiveWish> m_wishes;
  int m_cycles = 0;
};
