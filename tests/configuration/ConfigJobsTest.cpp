// Save, restore, factory reset and the fault table, end to end through a real
// pseudo-terminal against the simulated tuner, and the simulated memories.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/support/TestSupport.h"
#include "base/TimeScale.h"
#include "config/ConfigurationFileReader.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/configuration/ConfigRestoreStateMachine.h"
#include "machines/configuration/ConfigSaveStateMachine.h"
#include "machines/configuration/EditConfigurationStateMachine.h"
#include "machines/configuration/EraseConfigurationStateMachine.h"
#include "machines/configuration/FaultTableStateMachine.h"
#include "machines/connection/ContactStateMachine.h"
#include "model/ActiveMachineScope.h"
#include "model/ModelReportSink.h"

namespace {

QByteArray Bytes(const auto& image) { return QByteArray(reinterpret_cast<const char*>(image.data()), image.size()); }

// How many different commands in the received stream begin with the prefix
// (one sent again after a reply came late on a busy machine counts once).
int Count(const QByteArray& received, const char* prefix) {
  QSet<QByteArray> commands;
  for (const QByteArray& command : received.split(';'))
    if (command.startsWith(prefix)) commands.insert(command);
  return static_cast<int>(commands.size());
}

// The pace of a restore's reset and power-on (the restarting tuner is deaf for
// a fifth of the shortened reset), as the jobs' status windows and the contact
// machine's, which finds the tuner again after a restart, hear it: the search
// at real time, whose polls even a busy machine answers, everything after a
// connection faster (its replies still in time).
constexpr unsigned kRestartTime = 30;
constexpr unsigned kRestartDeafMs = 20;
std::vector<PaceRule> RestartPace() {
  return {{"Waiting", kRestartTime},
          {"EraseConfiguration send", kIdleTime},  // the pause for the erase, before the reset
          {"Attempting to contact", 1},
          {"Connected to", kAnsweredTime}};
}

const SimPromFault::Kind kDamages[] = {SimPromFault::BadChecksum, SimPromFault::WrongAddress, SimPromFault::Corrupt};

// A restore of PIC bytes first..last of a page, each the low byte of its address.
std::unique_ptr<CConfigRestoreStateMachine> PicRestore(CTunerModel& model, std::uint8_t page, std::uint8_t first,
                                                       std::uint8_t last) {
  auto machine = std::make_unique<CConfigRestoreStateMachine>(model);
  PicPromRun run;
  run.page = page;
  run.first = first;
  run.last = last;
  for (int i = first; i <= last; ++i) run.data[i] = static_cast<std::uint8_t>(i);
  machine->Data().picRuns.push_back(run);
  return machine;
}

// A fixture with a contacted tuner that restarts quickly, its jobs paced.
class ConfigJobs : public ::testing::Test {
 protected:
  void SetUp() override {
    f.Sim().SetRestartTime(kRestartDeafMs);
    ASSERT_TRUE(f.ContactAndWait());
    f.Model().Trace.Set(1);
    f.Sim().ClearReceived();
  }
  // The next replies to a PROM command go wrong; the sends they answer time
  // out at once, the one after them at real time.
  void Damage(SimPromFault::Kind kind, const char* command, std::uint32_t address, unsigned times = 1) {
    f.Sim().Proms().AddFault({kind, command, address, times});
    const QString hex = QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
    const QString send = QStringLiteral(" send ") + QLatin1String(command) + hex;
    m_damaged.insert(m_damaged.end(), {{send, 1, times + 1}, {send, kIdleTime}});
  }
  // Runs a machine that ends with MachineFinished, its lines to the window
  // given or to the pace of the damaged replies and the restart.
  template <class M, class Start>
  ResultCode Run(M& machine, Start start, QObject* window = nullptr) {
    std::vector<PaceRule> rules = m_damaged;
    for (PaceRule& rule : RestartPace()) rules.push_back(std::move(rule));
    m_pace = std::make_unique<CPacer>(std::move(rules));  // the one before sets the time scale back
    dynamic_cast<CContactStateMachine&>(*f.Model().ContactMachine).SetStatusWindow(m_pace.get());
    machine.SetStatusWindow(window ? window : m_pace.get());
    const CActiveMachineScope active(f.Model(), machine);
    return f.RunJob([&] {
      start();
      return true;
    });
  }
  ResultCode Restore(CConfigRestoreStateMachine& machine, QObject* window = nullptr) {
    return Run(machine, [&] { machine.StartRestore(); }, window);
  }

  std::unique_ptr<CPacer> m_pace;  // outlives the model, whose contact machine reports to it
  ModelFixture f;

 private:
  std::vector<PaceRule> m_damaged;
};

// More damaged replies than the retry limit, spread over the chunks, leave the
// save whole: each chunk has retries of its own.
TEST_F(ConfigJobs, SaveReadsBothPromsInWholeChunksWithProgress) {
  for (unsigned i = 0; i <= CStateHostBase::kDefaultRetryLimit; ++i) Damage(kDamages[i % 3], "ers", 0x1000 * i + 0x400);
  auto machine = std::make_unique<CConfigSaveStateMachine>(f.Model());
  int lastPosition = -1, lastMaximum = -1;
  machine->SetProgressBar([&](int position, int maximum) { lastPosition = position, lastMaximum = maximum; });
  ASSERT_EQ(Run(*machine, [&] { machine->StartSave(); }), 0u);
  const QByteArray received = f.Sim().Received();
  EXPECT_EQ(Count(received, "erp"), 16);
  EXPECT_EQ(Count(received, "ers"), 1024);
  for (const char* damaged : {"ers040040", "ers140040", "ers240040"})  // one of each kind, sent again
    EXPECT_GE(received.count(damaged), 2) << damaged;
  EXPECT_EQ(Bytes(machine->Snapshot().pic), f.Sim().Proms().Pic());
  EXPECT_EQ(Bytes(machine->Snapshot().serial), f.Sim().Proms().Serial());
  EXPECT_EQ(lastMaximum, 0x10400 / 32);
  EXPECT_EQ(lastPosition, lastMaximum);
}

// Silence: every write waits out the whole time-out (2 s, the time the tuner
// may take to write a page) before it goes again, then the restore ends with
// its code and never resets. (Reads share the wait.) The unanswered waits run
// as fast as the timers go; the search must still be answered.
TEST_F(ConfigJobs, PromJobsGiveUpOnSilenceAfterTheRetryLimitOfWholeTimeOuts) {
  constexpr unsigned kTimeOutMs = 2000;
  CPacer silence({{" send ewp", kIdleTime}});
  f.Sim().Proms().AddFault({SimPromFault::Refuse, "ewp", 0x0200, 100});
  auto restore = PicRestore(f.Model(), 2, 0, 0);
  const std::uint32_t begin = CTimeScale::Now();
  EXPECT_EQ(Run(*restore, [&] {
    CTimeScale::SetFactor(kSearchTime);
    restore->StartRestore();
  }, &silence), Result::NoResponseWriteEeprom);
  // Timers may fire a little early, never a whole time-out.
  EXPECT_GE(CTimeScale::Now() - begin, (CStateHostBase::kDefaultRetryLimit - 1) * kTimeOutMs);
  const qsizetype sends = CStateHostBase::kDefaultRetryLimit;
  WaitFor([&] { return f.Sim().Received().count("ewp020001") >= sends; }, 10000);  // a busy simulator reads late
  EXPECT_EQ(f.Sim().Received().count("ewp020001"), sends);
  EXPECT_FALSE(f.Sim().Received().contains("rst0;"));
}

// Stands in for a job's status window: 1.5 s (on the time scale) after the
// send of the held command, before the job's longer time-out that starts after
// it, it hands the program the reply and lets it read it at once. It paces the
// job as the fixture does.
class CLateReply : public CPacer {
 public:
  CLateReply(CSimulatedTuner& sim, const char* command)
      : CPacer(RestartPace()), m_sim(sim), m_send(QStringLiteral(" send ") + QLatin1String(command)) {
    m_sim.HoldReplies(command);
  }
  bool released = false;

 protected:
  void customEvent(QEvent* event) override {
    CPacer::customEvent(event);
    if (m_armed || event->type() != CModelEvent::EventType()) return;
    if (!static_cast<CModelEvent*>(event)->Text.contains(m_send)) return;
    m_armed = true;
    QTimer::singleShot(CTimeScale::RealMs(1500), Qt::PreciseTimer, this, [this] {
      released = m_sim.ReleaseHeld(5000);
      QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    });
  }

 private:
  CSimulatedTuner& m_sim;
  QString m_send;
  bool m_armed = false;
};

// A reply 1.5 s after its send still comes within the time-out.
TEST_F(ConfigJobs, PromRepliesAreAwaitedForTheirWholeTimeOut) {
  CLateReply late(f.Sim(), "ers0400");
  CFaultTableStateMachine faults(f.Model());
  ASSERT_EQ(Run(faults, [&] { faults.StartReading(); }, &late), 0u);
  EXPECT_TRUE(late.released);
  EXPECT_EQ(f.Sim().Received().count("ers0400"), 1) << "taken at the first send";
}

// Each chunk of a range (a PIC run or a serial block) has retries of its own,
// as in a save: a whole page goes in four chunks, a block across a page in two,
// a run of 72 bytes in one of 64 and one of its last 8. (The limit stays as it
// is: the jobs' searches for the tuner count on it too.)
TEST_F(ConfigJobs, EachChunkHasItsOwnRetriesAndOnlyTheBytesOfARunAreWritten) {
  constexpr unsigned kDamaged = CStateHostBase::kDefaultRetryLimit + 1;
  auto restore = PicRestore(f.Model(), 2, 0, 0xFF);
  restore->Data().picRuns.push_back(PicRestore(f.Model(), 1, 0xB0, 0xF7)->Data().picRuns[0]);
  QByteArray pic = f.Sim().Proms().Pic();
  for (unsigned n = 0; n < 256; ++n) pic[0x200 + n] = static_cast<char>(n);
  for (unsigned n = 0xB0; n <= 0xF7; ++n) pic[0x100 + n] = static_cast<char>(n);
  for (unsigned i = 0; i < 4; ++i)
    Damage(kDamages[i % 3], "ewp", 0x200 + 64 * i, kDamaged / 4 + (i < kDamaged % 4 ? 1 : 0));
  SerialPromBlock block;
  block.start = 0x10F0;
  block.count = 32;
  QByteArray serial = f.Sim().Proms().Serial();
  for (unsigned n = 0; n < block.count; ++n)
    serial[0x10F0 + n] = static_cast<char>(block.data[n] = static_cast<std::uint8_t>(0xA0 + n));
  restore->Data().serialBlocks.push_back(block);
  Damage(SimPromFault::BadChecksum, "ews", 0x1100, 2);
  ASSERT_EQ(Restore(*restore), 0u);
  const QByteArray received = f.Sim().Received();
  EXPECT_EQ(Count(received, "ewp"), 6);
  for (const char* damaged : {"ewp020040", "ewp024040", "ewp028040", "ews110010"})  // sent again
    EXPECT_GE(received.count(damaged), 2) << damaged;
  EXPECT_TRUE(received.contains("ewp01B040"));
  EXPECT_TRUE(received.contains("ewp01F008F0F1F2F3F4F5F6F7"));
  EXPECT_EQ(f.Sim().Proms().Pic(), pic);
  EXPECT_EQ(f.Sim().Proms().Serial(), serial);
}

// A factory reset erases the stored settings, restarts the tuner and finds it
// again; a restore writes the file saved before it back and restarts it too.
TEST_F(ConfigJobs, FactoryResetAndTheRestoreOfTheSavedFileRestartTheTuner) {
  f.Sim().Config().Modify([](SimConfig& c) { c.sleep = 1; });
  // The file a save writes of the tuner's memories as they are now.
  const QByteArray pic = f.Sim().Proms().Pic(), serial = f.Sim().Proms().Serial();
  ConfigSnapshot saved;
  std::copy(pic.cbegin(), pic.cend(), saved.pic.begin());
  std::copy(serial.cbegin(), serial.cend(), saved.serial.begin());
  saved.serialNumber = f.Model().SerialNumber.Get();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tuner.ZU6400Config"));
  CModelReportSink sink(f.Model());
  ASSERT_TRUE(WriteConfigurationFile(path, QDateTime::currentDateTime(), saved, sink));

  CEraseConfigurationStateMachine reset(f.Model());
  EXPECT_EQ(Run(reset, [&] { reset.StartErase(); }), 0u);
  EXPECT_TRUE(f.Sim().Received().startsWith(";I;eeinit;rst0;;I;rv;sn;")) << f.Sim().Received().data();
  EXPECT_EQ(f.Recorder().CountLinesContaining("Waiting 3 seconds for reset"), 1);
  EXPECT_EQ(f.Sim().Config().State().sleep, 0u);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);

  // More that the restore puts back.
  f.Sim().Proms().SetPic(0x0100, QByteArray(0x300, '\x55'));
  f.Sim().Proms().SetSerial(0x1000, QByteArray(0xF000, '\x00'));
  f.Sim().Live().Modify([](SimLive& live) { live.antenna = 3; });
  f.Sim().ClearReceived();
  auto machine = std::make_unique<CConfigRestoreStateMachine>(f.Model());
  ASSERT_EQ(ReadConfigurationFile(path, f.Model().SerialNumber.Get(), machine->Data(), sink), 0u);
  ASSERT_EQ(Restore(*machine), 0u);
  EXPECT_TRUE(f.Sim().Received().contains("rst0;ps1;")) << "reset, then power on";
  EXPECT_EQ(f.Sim().Proms().Pic(), pic);
  EXPECT_EQ(f.Sim().Proms().Serial(), serial);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning) << "found again after the restart";
  EXPECT_EQ(f.Sim().Live().State().antenna, 1u) << "as after power-up";
}

// A restore of a file from another tuner writes nothing unless forced; one
// cancelled on its way (a second start refused meanwhile) stops there and says
// so. Neither resets the tuner.
TEST_F(ConfigJobs, RefusedOrCancelledRestoresNeverReset) {
  auto refused = PicRestore(f.Model(), 2, 0, 0x0F);
  refused->Data().fileSerialNumber = 4321;
  EXPECT_EQ(Restore(*refused), Result::SerialNumberMismatch);
  EXPECT_EQ(Count(f.Sim().Received(), "ewp"), 0);
  EXPECT_FALSE(f.Sim().Received().contains("rst0;"));
  EXPECT_TRUE(refused->IncompleteText().isEmpty());
  refused->SetForced(true);
  EXPECT_EQ(Restore(*refused), 0u);
  EXPECT_EQ(f.Sim().Proms().Pic().mid(0x200, 16), QByteArray::fromHex("000102030405060708090A0B0C0D0E0F"));
  EXPECT_EQ(Count(f.Sim().Received(), "ews"), 0) << "the PIC alone";

  f.Sim().ClearReceived();
  auto cancelled = std::make_unique<CConfigRestoreStateMachine>(f.Model());
  SerialPromBlock block;
  block.count = 64;
  for (block.start = 0x1000; block.start < 0x3000; block.start += 64) cancelled->Data().serialBlocks.push_back(block);
  EXPECT_EQ(Run(*cancelled, [&] {
    cancelled->StartRestore();
    WaitFor([&] { return cancelled->Position() >= 64 * 8; }, 20000);
    EXPECT_FALSE(cancelled->StartRestore());
    EXPECT_EQ(GetLastError(), Result::BusyStateMachine);
    cancelled->Cancel();
  }), Result::Cancelled);
  EXPECT_LT(Count(f.Sim().Received(), "ews"), 128) << "stopped before the last block";
  EXPECT_FALSE(f.Sim().Received().contains("rst0;"));
  EXPECT_EQ(cancelled->IncompleteText(), "The tuner's stored configuration is now incomplete: restore a configuration "
                                         "file again before using the tuner.");
}

// Records of 16 bytes, the newest at 0: the rows go back from it round the
// ring, past the empty ones.
TEST_F(ConfigJobs, FaultRowsWalkTheRingBackwardsFromTheNewest) {
  QByteArray log(4096, '\xFF');
  log.replace(0 * 16, 16, QByteArray::fromHex("02CD5F0178372C012800800240010000"));
  log.replace(2 * 16, 16, QByteArray::fromHex("00000000050000000000000000000000"));
  log.replace(255 * 16, 16, QByteArray::fromHex("81100E002A000302413C150000000000"));
  f.Sim().Proms().SetSerial(0, log);
  f.Sim().Proms().SetPic(0x002, QByteArray(1, '\0'));
  CFaultTableStateMachine machine(f.Model());
  ASSERT_EQ(Run(machine, [&] { machine.StartReading(); }), 0u);
  EXPECT_TRUE(f.Sim().Received().contains("erp000201FD;ers000040C0;"));
  EXPECT_EQ(Count(f.Sim().Received(), "ers"), 64);
  QList<QStringList> rows;
  for (const FaultRow& row : machine.Rows()) rows.append({QString::number(row.index), row.timeOn, row.fault, row.data});
  EXPECT_EQ(rows, QList<QStringList>({
                      {"0", "1D 01:01:01", "02 - VFWD too high for SWR", "F 14200 VFWD 300 VRFL 40 SWR 2.50 SWRB 1.25"},
                      {"255", "01:00:00", "81 - No match detail", "STEPS 42 AN 3 BYP? SIDEA C3C L15"},
                      {"2", "", "00 - Power On", "5 times"},
                  }));
}

// A tuner in its bootstrap loader has no memories to show or edit: every job
// ends at once with its own code, nothing is read or written, and the tuner
// stays there to take firmware.
TEST_F(ConfigJobs, OnATunerInItsLoaderJobsEndBeforeReadingOrWriting) {
  f.Sim().SetIdentity(QStringLiteral("zu6400"));
  ASSERT_TRUE(f.ContactAndWait());
  auto restore = std::make_unique<CConfigRestoreStateMachine>(f.Model());
  restore->Data().picRuns.emplace_back();
  EXPECT_EQ(Restore(*restore), Result::BootstrapLoaderRunning);
  CEditConfigurationStateMachine edit(f.Model());
  EXPECT_EQ(Run(edit, [&] { edit.StartRead(); }), Result::BootstrapLoaderRunning);
  CEraseConfigurationStateMachine reset(f.Model());
  EXPECT_EQ(Run(reset, [&] { reset.StartErase(); }), Result::BootstrapLoaderRunning);
  const QByteArray received = f.Sim().Received();
  for (const char* prefix : {"erp", "ers", "ewp", "ews", "rst0", "ae", "eeinit"})
    EXPECT_EQ(Count(received, prefix), 0) << prefix;
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
}

// The simulator's frames against worked examples (the program's meet them in
// the jobs above, which the simulator's damaged replies make send again). The
// stored configuration is PIC PROM bytes: a setting changes them, a written
// byte changes what is reported, "eeinit;" writes the factory values, and the
// unit's own bytes below 0x030 stay as they were.
TEST(SimProms, StoredConfigurationLivesInThePicProm) {
  CSimProms proms;
  proms.SetPic(0x0120, QByteArray("\x01\xFF", 2));
  EXPECT_EQ(proms.Answer("erp012002DD;"), "ERP01200201FFDD;");
  EXPECT_EQ(proms.Answer("ewp0120021122AA;"), "EWP012002DD;");
  EXPECT_EQ(proms.Pic().mid(0x120, 2), QByteArray("\x11\x22"));
  EXPECT_EQ(proms.Answer("ersA000015F;").value_or("").left(9), "ERSA00001") << "an address that begins with a letter";
  // A wrong checksum on a read or a write, a write across a page, a read past
  // the end or of more than 64 bytes: no answer.
  for (const char* command : {"erp01200200;", "ewp012002112200;", "ews00FF021122CC;", "erp03F040CD;", "ers000041BF;"})
    EXPECT_FALSE(proms.Answer(command).value_or("").endsWith(';')) << command;
  EXPECT_EQ(proms.Pic().mid(0x120, 2), QByteArray("\x11\x22"));

  CSimConfigState config(139, proms, [](unsigned, unsigned) {});
  const QByteArray before = proms.Pic();
  config.Answer("ap053;");
  config.Answer("st05b2.5;");
  EXPECT_EQ(proms.Pic().at(0x0B9), 3) << "band 5 at 0x040 + 5 * 24, its preferred antenna next";
  EXPECT_EQ(proms.Pic().mid(0x0C5, 5), QByteArray("2.50\0", 5));
  EXPECT_EQ(proms.Answer("ewp00B9010145;"), "EWP00B90146;");
  EXPECT_EQ(config.Answer("ap05;"), "AP051;");
  config.Answer("eeinit;");
  const QByteArray pic = proms.Pic();
  EXPECT_EQ(pic.mid(0x030, 2), QByteArray("\xDC\x05")) << "1500 W";
  EXPECT_EQ(pic.at(0x0B9), 0);
  EXPECT_EQ(pic.left(0x030), before.left(0x030));
  EXPECT_EQ(pic.mid(0x148), before.mid(0x148));
}

TEST(SimProms, FaultsAreParsedFromTheirOptionText) {
  const auto fault = SimPromFault::Parse(QStringLiteral("checksum:ers:0400:2"));
  EXPECT_TRUE(fault && fault->kind == SimPromFault::BadChecksum && fault->times == 2u);
  for (const char* bad : {"refuse:ewx:20", "melt:ers:0", "address:ers:zz", "refuse:ers:0:0"})
    EXPECT_FALSE(SimPromFault::Parse(QString::fromLatin1(bad))) << bad;
}

}  // namespace
