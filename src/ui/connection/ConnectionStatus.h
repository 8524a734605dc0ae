#pragma once
// What the connection to the tuner is doing, for the Port page's status box
// and the status bar: the search's progress (with advice once nothing has
// answered for a while), the tuner found, or why the port failed. While
// nothing answers, a firmware load may go out to a loader left waiting.

#include <QObject>
#include <QTimer>

#include "base/ResultCodes.h"
#include "model/EventSubscriptions.h"
#include "model/ModelEvents.h"

class CConnectionStatus : public QObject {
  Q_OBJECT
 public:
  explicit CConnectionStatus(QObject* parent = nullptr);

  // A load starts while nothing answers: the search would take the loader's
  // replies, so it stops; the load's end contacts the tuner again.
  void OnLoadStarting();
  void OnLoadEnded();

 signals:
  // The whole text, for the Port page's status box.
  void Changed(const QString& text);
  // One line of it, for the status bar.
  void Summary(const QString& line);
  // Whether an image may be sent with no tuner identified.
  void LoadWithoutAnswerOffered(bool offer);

 protected:
  void customEvent(QEvent* event) override;

 private:
  void OnModelEvent(const CModelEvent& event);
  void OnMachineFinished(ResultCode result);
  void Show(const QString& text);
  bool IsSearching() const;
  void OnSearchStep();
  void OnNoAnswerYet();
  void ShowSearch();
  void StopAdviceTimer();
  void EndSearch();

  CEventSubscriptions m_subscriptions;
  QTimer m_noAnswerTimer;
  // A search is under way; after a while without an answer it gives advice.
  bool m_searching = false;
  bool m_adviceShown = false;
  // A load runs that began while nothing answered.
  bool m_loadWithoutAnswer = false;
};
