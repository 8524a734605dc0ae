#pragma once
// What a command prints on standard output: "name: text" lines, or with
// --json one JSON object of the same values and nothing else.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class CPrintout {
 public:
  // A value: the line "name: text", and in the object under the name in
  // snake_case ("swr bypass" and "swr-bypass" are "swr_bypass").
  void Add(const QString& name, const QString& text, const QJsonValue& json);
  void Add(const QString& name, const QString& text) { Add(name, text, text); }
  void Add(const QString& name, unsigned number) { Add(name, QString::number(number), qint64{number}); }
  // A decimal reading such as an SWR ("1.15"): a number in the object, null
  // when the text is none.
  void AddDecimal(const QString& name, const QString& text);
  // A line of the text alone, and a value of the object alone, for what the
  // two show differently.
  void AddLine(const QString& line);
  void AddJson(const QString& name, const QJsonValue& json);

  void Print(bool json) const;
  const QJsonObject& Object() const { return m_object; }

 private:
  QString m_text;
  QJsonObject m_object;
};
