#include "cli/UsageText.h"

#include <QTextStream>

namespace {
constexpr qsizetype kSynopsisWidth = 23;
}  // namespace

QString ListWithOr(const QStringList& choices) {
  if (choices.size() < 2) return choices.join(QString());
  return choices.first(choices.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + choices.last();
}

QString UsageLine(const QString& synopsis, const QString& description) {
  return QStringLiteral("  ") + synopsis.leftJustified(kSynopsisWidth) + u' ' + description + u'\n';
}

int UsageError(const QString& problem) {
  QTextStream(stderr) << "zu6400ctl: " << problem << "\ntry zu6400ctl --help\n";
  return 2;
}
