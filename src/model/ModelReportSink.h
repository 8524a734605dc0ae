#pragma once
// File readers and writers reporting through the model.

#include "base/ReportSink.h"

class CModelBase;

// Reports through the model: the activity log and the front end's boxes.
class CModelReportSink final : public IReportSink {
 public:
  explicit CModelReportSink(const CModelBase& model) : m_model(model) {}
  void Log(const QString& text) override;
  void ErrorBox(const QString& title, const QString& text) override;

 private:
  const CModelBase& m_model;
};
