// The model: observable and persisted values, and settings.

#include <gtest/gtest.h>

#include <QSettings>

#include "tests/support/TestSupport.h"
#include "model/EventSubscriptions.h"
#include "model/Persistable.h"

namespace {

TEST(Observable, NotifiesOnlyOnChangeWithTheElementIndexAndRequestsAreQuiet) {
  CRecorder observer;
  CObservable<int, 3> value(0x9001, 7);
  value.AddObserver(&observer);
  value.AddObserver(&observer);  // no duplicates
  value.Set(1, 7);  // unchanged
  value.Set(2, 8);
  value.Set(3, 9);  // out of range: ignored
  ASSERT_EQ(observer.events.size(), 1u);
  EXPECT_EQ(observer.events[0].message, 0x9001u);
  EXPECT_EQ(observer.events[0].param, 2u);
  EXPECT_EQ(value.Get(2), 8);

  // A request is quiet and pending until a reading clears it.
  value.SetRequested(2, 9);
  EXPECT_EQ(observer.events.size(), 1u);
  EXPECT_TRUE(value.IsPending(2));
  value.Set(2, 9);
  EXPECT_EQ(observer.events.size(), 2u);
  EXPECT_FALSE(value.IsPending(2));
}

// A window that owns values it listens to loses them before its own
// subscriptions are left.
TEST(EventSubscriptions, SubscribeAndNotifySendsEveryElementThenUnsubscribesAndMayOutliveItsSources) {
  CRecorder window;
  CPersistable<QString, 16> texts("CommandText%u", 0x8069);
  CObservable<int, 1> single(0x9003);
  {
    CEventSubscriptions subscriptions;
    subscriptions.SubscribeAndNotify(&window, texts);
    subscriptions.Subscribe(&window, single);
    ASSERT_EQ(window.events.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(window.events[i].param, i);
    EXPECT_TRUE(single.IsObserver(&window));
    CObservable<int, 1> owned(0x9005);  // goes first
    subscriptions.Subscribe(&window, owned);
  }
  EXPECT_FALSE(texts.IsObserver(&window));
  EXPECT_FALSE(single.IsObserver(&window));
}

TEST(EventSource, ObserverThatLeavesDuringNotificationIsSafe) {
  CEventSource source(0x9004);
  struct Leaver : QObject {
    CEventSource* source = nullptr;
    int calls = 0;
    void customEvent(QEvent*) override {
      ++calls;
      source->RemoveObserver(this);
    }
  } a, b;
  a.source = b.source = &source;
  source.AddObserver(&a);
  source.AddObserver(&b);
  source.Fire(0);
  source.Fire(0);
  EXPECT_EQ(a.calls, 1);
  EXPECT_EQ(b.calls, 1);
}

// Loading neither notifies nor marks a value changed, so a value someone else
// changes meanwhile is not saved over. A chosen port is used, saved and
// announced even when it is the saved one: a run on a port of its own (the
// simulated tuner's) goes back to the saved port by choosing it, and the main
// window must reconnect.
TEST(ModelSettings, LoadedValuesAreNotWrittenBackAndAChosenPortIsAlwaysAnnounced) {
  ModelFixture fixture{SimOptions{}, false};
  {
    QSettings settings("Corvanta", "ZU6400 Utility");
    settings.setValue("Port", "/dev/ttyUSB3");
    settings.setValue("FirmwareFolder", "/nowhere/that/exists");
  }
  CTunerModel& model = fixture.Model();
  CRecorder observer;
  model.Port.AddObserver(&observer);
  model.LoadSettings();
  EXPECT_TRUE(observer.events.empty()) << "loading does not notify";
  EXPECT_EQ(model.Port.Get(), "/dev/ttyUSB3");
  EXPECT_EQ(model.FirmwareFolder.Get(), "/nowhere/that/exists") << "a saved folder stays even if missing";
  QSettings("Corvanta", "ZU6400 Utility").setValue("Port", "/dev/other");
  model.Trace.Set(1);
  model.SaveSettings();
  EXPECT_EQ(QSettings("Corvanta", "ZU6400 Utility").value("Port").toString(), "/dev/other");
  EXPECT_EQ(QSettings("Corvanta", "ZU6400 Utility").value("Trace").toInt(), 1);

  for (const QString chosen : {"/dev/ttyUSB3", "/dev/ttyUSB2"}) {
    model.Run.port = QStringLiteral("/dev/pts/99");
    model.ChoosePort(chosen);
    EXPECT_EQ(model.Run.port, chosen);
  }
  EXPECT_EQ(observer.Count(Msg::Port), 2);
  model.SaveSettings();
  EXPECT_EQ(QSettings("Corvanta", "ZU6400 Utility").value("Port").toString(), "/dev/ttyUSB2");
  model.Port.RemoveObserver(&observer);
}

TEST(SerialSpeedValue, RefusedRateKeepsTheSpeedButStillNotifies) {
  ModelFixture f;
  CTunerModel& model = f.Model();
  ASSERT_EQ(model.OpenPort(f.SimPort()), 0u);
  CRecorder observer;
  model.SerialSpeed.AddObserver(&observer);
  model.SerialSpeed.Set(2400);
  EXPECT_EQ(model.SerialSpeed.Get(), 38400u);
  EXPECT_EQ(observer.Count(Msg::SerialSpeed), 1) << "the speed shown goes back to the port's";
}

}  // namespace
