#include "base/ProgramVersion.h"

#include <QStringList>

#include "base/StringTable.h"
#include "base/TextFormat.h"

QString CProgramVersion::Description() { return Format("%s Utility", QString::fromLatin1(kModelName)); }

std::array<unsigned, 4> CProgramVersion::Parts() {
  std::array<unsigned, 4> parts{};
  const QStringList numbers = QStringLiteral(ZU_VERSION_TEXT).split(u'.');
  for (std::size_t i = 0; i < parts.size() && i < static_cast<std::size_t>(numbers.size()); ++i)
    parts[i] = numbers[static_cast<qsizetype>(i)].toUInt();
  return parts;
}

QString CProgramVersion::LegalNotice() {
  return QStringLiteral("Copyright \u00A9 2026 The ZU6400 Utility developers. Released under the MIT License.");
}
