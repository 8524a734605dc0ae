// zu6400ctl flash end to end: the front end as a process, loading into the
// simulated bootstrap loader (built in, or a zu6400-sim process).

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "LoaderTestSupport.h"
#include "cli/TerminalProgress.h"

namespace {

class FlashCli : public ::testing::Test {
 protected:
  QTemporaryDir config;
  QTemporaryDir folder;
};

TEST_F(FlashCli, LoadsTheNewestImageInTheFolderAndVerifiesIt) {
  // The built-in simulated tuner runs 01.97 and comes back with the version
  // of the image it was sent.
  WriteFirmwareFile(folder.path(), "zu6400fw0196.hex", 0xBE8);
  const QString newest = WriteFirmwareFile(folder.path(), "zu6400fw0198b.hex", 0xBE8);
  const CtlRun r = RunCtl({"--simulate", "flash", "--yes", "--folder", folder.path()}, config.path());
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "file: " + newest + "\nfirmware: 01.98\nsent: 1024\nretries: 0\n");
  EXPECT_TRUE(r.err.contains("Sending MCU firmware file " + newest));
  EXPECT_TRUE(r.err.contains("MCU firmware version verified"));
  EXPECT_TRUE(r.err.contains("MCU firmware load is complete"));
  EXPECT_FALSE(r.err.contains(u'\r'));  // no progress bar where standard error is no terminal
}

TEST_F(FlashCli, ALoaderLeftHoldingPartOfAPacketIsFoundAndLoaded) {
  CSimulatorProcess sim({"--loader", "--keep-partial", "--flash-version", "01.06"});
  StrandLoaderInAPacket(sim.Port());
  const QString path = WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x900);
  const CtlRun r = RunCtl({"flash", path, "--port", sim.Port(), "--yes", "--wait", "1"}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("Nothing answered: looking for a bootstrap loader left holding part of a packet"));
  EXPECT_TRUE(r.out.startsWith("file: " + path + "\nfirmware: 01.06\n")) << r.out.toStdString();
}

TEST_F(FlashCli, RefusesWithoutConfirmationOrAVersionedImage) {
  const QString path = WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x900);
  const CtlRun unconfirmed = RunCtl({"--simulate", "flash", path}, config.path());
  EXPECT_EQ(unconfirmed.status, 2);
  EXPECT_TRUE(unconfirmed.err.startsWith("zu6400ctl: flash: loading firmware cannot be undone; add --yes"));

  const CtlRun two = RunCtl({"--simulate", "flash", path, path, "--yes"}, config.path());
  EXPECT_EQ(two.status, 2);
  EXPECT_TRUE(two.err.contains(path + ": unexpected argument (usage: zu6400ctl flash [FILE])"));

  // A name without a version is refused before the tuner is spoken to.
  const QString unnamed = WriteFirmwareFile(folder.path(), "newfirmware.hex", 0x900);
  const CtlRun noVersion = RunCtl({"--simulate", "flash", unnamed, "--yes"}, config.path());
  EXPECT_EQ(noVersion.status, 1);
  EXPECT_FALSE(noVersion.err.contains("Opening serial port")) << noVersion.err.toStdString();
  EXPECT_TRUE(noVersion.err.endsWith("firmware images are named like zu6400fw0105.hex (version 01.05)\n"))
      << noVersion.err.toStdString();
}

TEST(TerminalProgress, BarFollowsThePositionWithinItsRange) {
  EXPECT_EQ(CTerminalProgress::Render(0, 32), "[------------------------------]   0%");
  EXPECT_EQ(CTerminalProgress::Render(16, 32), "[###############---------------]  50%");
  EXPECT_EQ(CTerminalProgress::Render(32, 32), "[##############################] 100%");
  EXPECT_EQ(CTerminalProgress::Render(40, 32), "[##############################] 100%");
  EXPECT_EQ(CTerminalProgress::Render(-1, 32), "[------------------------------]   0%");
}

}  // namespace
