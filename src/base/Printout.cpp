#include "base/Printout.h"

#include <QJsonDocument>
#include <QTextStream>

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
  QTextStream out(stdout);
  if (json)
    out << QJsonDocument(m_object).toJson(QJsonDocument::Compact) << "\n";
  else
    out << m_text;
}
