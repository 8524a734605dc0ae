// A paced save and a paced load at 38400 bit/s through ser2net on loopback,
// beside the same jobs on the local pseudo-terminal, in one run: the cost of
// the network as a ratio. With --slow-link the same through a proxy that holds
// each direction back by 50 ms. Prints the figures; it does not pass or fail
// on them.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "BenchmarkSupport.h"
#include "tests/support/FaultStation.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/Ser2NetServer.h"
#include "machines/configuration/ConfigSaveStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {
constexpr std::uint32_t kImageBytes = 24 * 1024;

enum class Route { Local, Ser2Net, SlowLink };

struct Figures {
  double save = 0;   // seconds for a whole save
  double flash = 0;  // seconds from the first packet to the last acknowledgement
};

bool TimeSave(ModelFixture& f, double& seconds) {
  CConfigSaveStateMachine save(f.Model());
  const CActiveMachineScope active(f.Model(), save);
  QElapsedTimer clock;
  clock.start();
  save.StartSave();
  RunUntil([&] { return save.IsIdle(); });
  seconds = clock.nsecsElapsed() / 1e9;
  return save.GetResult() == 0;
}

bool TimeFlash(ModelFixture& f, double& seconds) {
  QTemporaryDir dir;
  const QString path = WriteFirmwareFile(dir.path(), QStringLiteral("zu6400fw0105.hex"), 0x800 + kImageBytes);
  const LoadTiming timing = TimeLoad(f, path, 600000);
  seconds = timing.packetsMs / 1e3;
  return timing.done;
}

bool Measure(Route route, Figures& figures) {
  SimOptions options;
  options.pace = true;
  ModelFixture f(options);
  std::unique_ptr<CSer2Net> ser2net;
  std::unique_ptr<CFaultStation> proxy;
  if (route != Route::Local) {
    ser2net = std::make_unique<CSer2Net>(f.SimPort());
    if (!ser2net->Start()) return false;
    f.Model().Run.port = ser2net->PortName();
  }
  if (route == Route::SlowLink) {
    proxy = std::make_unique<CFaultStation>(CFaultStation::Delaying(ser2net->PortName().section(u':', -1).toUShort(), 50));
    if (!proxy->Start()) return false;
    f.Model().Run.port = proxy->PortName();
  }
  return f.ContactAndWait() && f.LastResult() == 0 && TimeSave(f, figures.save) && TimeFlash(f, figures.flash);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  Figures local, network;
  if (!Measure(Route::Local, local) || !Measure(Route::Ser2Net, network)) {
    QTextStream(stderr) << "a job did not complete\n";
    return 1;
  }
  out << QString::asprintf("paced at 38400 bit/s    local pty   ser2net (loopback)   ratio\n"
                           "save (both memories)   %8.2f s   %8.2f s           %.3f x\n"
                           "flash (%u KiB)          %8.2f s   %8.2f s           %.3f x\n",
                           local.save, network.save, network.save / local.save, kImageBytes / 1024, local.flash,
                           network.flash, network.flash / local.flash);
  if (app.arguments().contains(QStringLiteral("--slow-link"))) {
    Figures slow;
    if (!Measure(Route::SlowLink, slow)) {
      QTextStream(stderr) << "a job through the slow link did not complete\n";
      return 1;
    }
    out << QString::asprintf("50 ms each way: save %.2f s (%.2f x), flash %.2f s (%.2f x)\n", slow.save,
                             slow.save / local.save, slow.flash, slow.flash / local.flash);
  }
  return 0;
}
