#pragma once
// Where file readers and writers send their log lines and message boxes, so
// that the desktop, the command-line front end and tests each show them their
// own way.

#include <QString>

class IReportSink {
 public:
  virtual ~IReportSink() = default;
  virtual void Log(const QString& text) = 0;
  virtual void ErrorBox(const QString& title, const QString& text) = 0;
};

// Drops everything: for callers that only want the result code.
class CSilentReportSink final : public IReportSink {
 public:
  void Log(const QString&) override {}
  void ErrorBox(const QString&, const QString&) override {}
};
