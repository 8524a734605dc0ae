#pragma once
// printf-style formatting of the program's texts with QString arguments.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <type_traits>

#include "base/StringTable.h"

namespace TextFormatDetail {
template <class T>
const T& Hold(const T& v) { return v; }
inline QByteArray Hold(const QString& s) { return s.toUtf8(); }

template <class T>
const T& Raw(const T& v) { return v; }
inline const char* Raw(const QByteArray& b) { return b.constData(); }

template <class... A>
QString Apply(const char* format, const A&... held) {
  return QString::asprintf(format, Raw(held)...);
}

// The first argument when it is a number: the count a plural form follows.
inline int CountOf() { return -1; }
template <class T, class... R>
int CountOf(const T& first, const R&...) {
  if constexpr (std::is_integral_v<T>)
    return static_cast<int>(first);
  else
    return -1;
}
}  // namespace TextFormatDetail

// Format(fmt, args...): QString arguments stand for %s.
template <class... A>
QString Format(const char* format, const A&... args) {
  return TextFormatDetail::Apply(format, TextFormatDetail::Hold(args)...);
}

template <class... A>
QString Format(const QString& format, const A&... args) {
  return Format(format.toUtf8().constData(), args...);
}

// A string-table entry filled with arguments; a text with a count takes the
// plural form of its first argument.
template <class... A>
QString FormatString(unsigned id, const A&... args) {
  return Format(LoadString(id, TextFormatDetail::CountOf(args...)), args...);
}

// The text without the CR and LF characters at its end.
QString ChopLineEnds(QString text);

// "hh:mm:ss " of the local time: how every line of the activity log begins.
QString LogTimeStamp();

// "A, M or B".
QString ListWithOr(const QStringList& choices);

// One line of comma-separated values, each field quoted when it holds a
// separator, a quote or a line end.
QString CsvLine(QStringList fields);
