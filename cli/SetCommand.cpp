// zu6400ctl set NAME=VALUE ...: request changes, then poll until the tuner
// reports them or a few cycles have passed.

#include <optional>
#include <vector>

#include "cli/OperateSession.h"
#include "cli/UsageText.h"
#include "machines/operate/LiveSettings.h"
#include "machines/connection/TunerModel.h"

QString SettingUsages() {
  QString text;
  for (const LiveSetting& setting : LiveSettings()) text += UsageLine(QLatin1String(setting.name), setting.allowed);
  return text;
}

namespace {
// The wish a NAME=VALUE argument makes; otherwise the problem, naming it.
std::optional<LiveWish> ParseWish(const QString& arg, QString& problem) {
  const qsizetype eq = arg.indexOf(u'=');
  if (eq <= 0) {
    problem = arg + QStringLiteral(": expected NAME=VALUE");
    return std::nullopt;
  }
  std::optional<LiveWish> wish = ParseLiveSetting(arg.left(eq), arg.mid(eq + 1), problem);
  if (!wish) problem = arg + QStringLiteral(": ") + problem;
  return wish;
}
}  // namespace

int RunSet(CCliContext& context, const QStringList& args) {
  std::vector<LiveWish> wishes;
  for (const QString& arg : args) {
    QString problem;
    const std::optional<LiveWish> wish = ParseWish(arg, problem);
    if (!wish) return UsageError(problem);
    wishes.push_back(*wish);
  }
  CLiveRequest request(std::move(wishes));

  COperateSession session(context);
  ResultCode result = session.Connect();
  if (result != Result::Success) return CCliContext::Fail(result);
  if (const unsigned short needed = request.NeededVersion(GetModel().McuVersion.Get()))
    return CCliContext::Fail(Result::NotSupported, GetModel().FirmwareNeededText(needed));

  result = session.Cycle();  // learn what the tuner has now
  std::optional<ResultCode> verdict;
  while (!(verdict = request.Judge(result, session.Values()))) result = session.Cycle();
  // A failed cycle has nothing new to show; otherwise show what the tuner has.
  if (*verdict != result || !IsFailure(result) || result == Result::DevicePoweredOff) session.Print();
  return *verdict == Result::Success ? 0 : CCliContext::Fail(*verdict);
}
