#include "cli/UsageText.h"

#include <QTextStream>

namespace {
constexpr qsizetype kSynopsisWidth = 23;
}  // namespace

QString UsageLine(const QString& synopsis, const QString& description) {
  return QStringLiteral("  ") + synopsis.leftJustified(kSynopsisWidth) + u' ' + description + u'\n';
}

int UsageError(const QString& problem) {
  QTextStream(stderr) << "zu6400ctl: " << problem << "\ntry zu6400ctl --help\n";
  return 2;
}
