#include "model/ModelReportSink.h"

#include "model/ModelBase.h"

void CModelReportSink::Log(const QString& text) { m_model.LogText(text); }

void CModelReportSink::ErrorBox(const QString& title, const QString& text) {
  m_model.MessageBoxAndLog(title, text, BoxIcon::Error);
}
