#include "cli/TerminalProgress.h"

#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr int kWidth = 30;
}

CTerminalProgress::CTerminalProgress() : m_enabled(isatty(fileno(stderr)) != 0) {}

QString CTerminalProgress::Render(int position, int maximum) {
  const int percent = maximum <= 0 ? 0 : static_cast<int>(std::clamp(qint64{position} * 100 / maximum, qint64{0}, qint64{100}));
  const int filled = percent * kWidth / 100;
  return u'[' + QString(filled, u'#') + QString(kWidth - filled, u'-') + QStringLiteral("] %1%").arg(percent, 3);
}

void CTerminalProgress::Show(int position, int maximum) {
  if (!m_enabled) return;
  const QString bar = Render(position, maximum);
  if (bar == m_last) return;
  m_last = bar;
  // The cursor goes back to the line's start, so that the next log line
  // writes over the bar.
  QTextStream(stderr) << '\r' << bar << '\r' << Qt::flush;
}
