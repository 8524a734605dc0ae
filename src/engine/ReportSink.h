#pragma once
// Where file readers and writers send their log lines and message boxes, so
// that the desktop, the command-line front end and tests each show them their
// own way.

#include <QString>

class CModelBase;

class IReportSink {
 public:
  virtual ~IReportSink() = default;
  virtual void Log(const QString& text) = 0;
  virtual void ErrorBox(const QString& title, const QString& text) = 0;
};

// Reports through the model: the activity log and the front end's boxes.
class CModelReportSink final : public IReportSink {
 public:
  explicit CModelReportSink(const CModelBase& model) : m_model(model) {}
  void Log(const QString& text) override;
  void ErrorBox(const QString& title, const QString& text) override;

 private:
  const CModelBase& m_model;
};

// Drops everything: for callers that only want the result code.
class CSilentReportSink final : public IReportSink {
 public:
  void Log(const QString&) override {}
  void ErrorBox(const QString&, const QString&) override {}
};
