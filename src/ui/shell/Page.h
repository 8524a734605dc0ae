#pragma once
// A tab of the main window. A page listens to the model only while it is
// shown: it subscribes in OnShown and every subscription ends when it is
// hidden or destroyed. The main window forwards to the page shown the serial
// input no machine took and the lines of the activity log.

#include <QString>
#include <QWidget>

#include "model/EventSubscriptions.h"
#include "model/ModelEvents.h"

class CPage : public QWidget {
  Q_OBJECT
 public:
  CPage(const QString& title, const QString& helpTopic, QWidget* parent = nullptr);
  ~CPage() override;

  const QString& Title() const { return m_title; }

  // Serial input that neither the contact machine nor the active machine took.
  virtual void OnCommEvent() {}
  // A line of the activity log (only the page that shows the log keeps it).
  virtual void OnPageLog(const QString& line) { Q_UNUSED(line); }
  void RequestHelp() { emit HelpRequested(m_helpTopic); }

 signals:
  // The user asked for help on this page (F1 or a help button).
  void HelpRequested(const QString& topic);
  // A short confirmation for the status bar.
  void StatusMessage(const QString& text);

 protected:
  // Subscribe here to what the page shows.
  virtual void OnShown() {}
  virtual void OnHidden() {}
  // A notification from the model for a value the page subscribed to.
  virtual void OnModelEvent(const CModelEvent& event) { Q_UNUSED(event); }

  // Subscribes this page to a source (and tells it the current value).
  void Subscribe(CEventSource& source) { m_subscriptions.Subscribe(this, source); }
  void SubscribeAndNotify(CEventSource& source) { m_subscriptions.SubscribeAndNotify(this, source); }

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  QString m_title;
  QString m_helpTopic;
  CEventSubscriptions m_subscriptions;
};
