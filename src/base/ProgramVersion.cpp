#include "base/ProgramVersion.h"

#include <QCoreApplication>
#include <QVersionNumber>
#include <array>

#include "base/StringTable.h"
#include "base/TextFormat.h"

namespace {
std::array<unsigned, 4> Parts() {
  const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(ZU_VERSION_TEXT));
  std::array<unsigned, 4> parts{};
  for (std::size_t i = 0; i < parts.size(); ++i) parts[i] = static_cast<unsigned>(version.segmentAt(static_cast<int>(i)));
  return parts;
}
}  // namespace

QString CProgramVersion::Description() { return Format("%s Utility", ModelName()); }

QString CProgramVersion::Number() {
  const auto v = Parts();
  return Format("%u.%u.%u.%u", v[0], v[1], v[2], v[3]);
}

QString CProgramVersion::VersionText() {
  const auto v = Parts();
  return FormatString(Str::TitleVersion, Description(), v[0], v[1], v[2], v[3]);
}

QString CProgramVersion::LegalNotice() {
  return QCoreApplication::translate("CProgramVersion",
                                     "Copyright © 2026 The ZU6400 Utility developers. Released under the MIT License.");
}
