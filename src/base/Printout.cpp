#include "base/Printout.h"

#include <QJsonDocument>
#include <cerrno>
#include <cstdio>

namespace {
ResultCode g_outputFailure = Result::Success;

void NoteOutputFailure(int savedErrno) {
  if (g_outputFailure == Result::Success)
    g_outputFailure = savedErrno != 0 ? WinErrorFromErrno(savedErrno) : Result::WriteFault;
}
}  // namespace

bool PrintOut(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  errno = 0;
  const std::size_t size = static_cast<std::size_t>(bytes.size());
  if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) return true;
  NoteOutputFailure(errno);
  return false;
}

ResultCode StandardOutputFailure() {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) NoteOutputFailure(errno);
  return g_outputFailure;
}

void CPrintout::Add(const QString& name, const QString& text, const QJsonValue& json) {
  AddLine(name + QStringLiteral(": ") + text);
  AddJson(name, json);
}

void CPrintout::AddDecimal(const QString& name, const QString& text) {
  bool ok = false;
  const double number = text.toDouble(&ok);
  Add(name, text, ok ? QJsonValue(number) : QJsonValue());
}

void CPrintout::AddLine(const QString& line) { m_text += line + u'\n'; }

void CPrintout::AddJson(const QString& name, const QJsonValue& json) {
  m_object.insert(QString(name).replace(u' ', u'_').replace(u'-', u'_'), json);
}

void CPrintout::Print(bool json) const {
  PrintOut(json ? QString::fromUtf8(QJsonDocument(m_object).toJson(QJsonDocument::Compact)) + u'\n' : m_text);
}
