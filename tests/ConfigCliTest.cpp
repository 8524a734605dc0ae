// zu6400ctl save, restore and faults as separate processes against the
// simulated tuner.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CtlRunner.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ConfigCli : public ::testing::Test {
 protected:
  CtlRun Run(const QStringList& args) { return RunCtl(args, home.path()); }
  QString Path(const char* name) const { return home.filePath(QString::fromLatin1(name)); }
  QTemporaryDir home;
};

TEST_F(ConfigCli, SaveWritesANewFileInTheConfigurationFolderOrTheOneNamed) {
  const CtlRun saved = Run({"save", "--simulate"});
  ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
  const QString folder = home.filePath(QStringLiteral("data/Corvanta/ZU6400 Configuration"));
  const QStringList files = QDir(folder).entryList(QDir::Files);
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^SN01234\\.\\d{8}T\\d{6}\\.ZU6400Config$")).match(files[0]).hasMatch());
  EXPECT_EQ(saved.out, "saved: " + QDir(folder).filePath(files[0]) + u'\n');
  EXPECT_FALSE(saved.err.contains(u'\r')) << "no progress bar when standard error is no terminal";

  const CtlRun named = Run({"--json", "save", Path("named.ZU6400Config"), "--simulate"});
  ASSERT_EQ(named.status, 0);
  EXPECT_EQ(QJsonDocument::fromJson(named.out.toUtf8()).object().value("saved").toString(), Path("named.ZU6400Config"));
  const CtlRun check = Run({"check-config", Path("named.ZU6400Config"), "--json"});
  EXPECT_EQ(QJsonDocument::fromJson(check.out.toUtf8()).object().value("serial_blocks").toInt(), 960);
}

// A save that fails leaves nothing half written and an older file as it was.
TEST_F(ConfigCli, FailedSaveKeepsTheOlderFile) {
  const QString path = Path("kept.ZU6400Config");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older save\r\n");
  }
  CSimulatorProcess loader({"--identity", "zu6400"});
  ASSERT_FALSE(loader.Port().isEmpty());
  const CtlRun r = Run({"save", path, "--port", loader.Port()});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(QStringLiteral("error 0xE2000053: ZU6400 is running its bootstrap loader; send firmware first")))
      << r.err.toStdString();
  EXPECT_EQ(Contents(path), "an older save\r\n");
  EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("kept*")}, QDir::Files).size(), 1) << "no temporary left";

  // Found before the tuner is read for 40 s.
  const CtlRun nowhere = Run({"save", Path("no/such/folder/x.ZU6400Config"), "--simulate"});
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_EQ(nowhere.err, "error 0x00000003: Cannot save into \"" + Path("no/such/folder") +
                             "\": The system cannot find the path specified.\n");
  EXPECT_TRUE(nowhere.out.isEmpty());
}

TEST_F(ConfigCli, RestoreRefusesAnotherTunersFileUnlessForcedAndAnAlteredFile) {
  CSimulatorProcess sim({"--serial", "777", "--restart-ms", "50"});
  ASSERT_FALSE(sim.Port().isEmpty());
  const QString path = Path("from-1234.ZU6400Config");
  ASSERT_EQ(Run({"save", path, "--simulate"}).status, 0);  // serial number 1234

  const CtlRun refused = Run({"restore", path, "--port", sim.Port()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("does not match the Serial Number of your ZU6400")));
  EXPECT_TRUE(refused.err.contains(QStringLiteral("error 0xE2000032:")));

  const CtlRun forced = Run({"restore", "--force", path, "--port", sim.Port(), "--json"});
  ASSERT_EQ(forced.status, 0) << forced.err.toStdString();
  EXPECT_EQ(QJsonDocument::fromJson(forced.out.toUtf8()).object().value("restored").toString(), path);

  QByteArray altered = Contents(path);
  const qsizetype digit = altered.indexOf("MEM3 1000 40 ") + 13;  // the first data digit
  altered[digit] = altered[digit] == '0' ? '1' : '0';
  QFile file(Path("altered.ZU6400Config"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(altered);
  file.close();
  const CtlRun bad = Run({"restore", file.fileName(), "--port", sim.Port()});
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.err.contains(QStringLiteral("error 0xE2000031:")));
  // A bad file is found before the tuner is spoken to.
  EXPECT_FALSE(bad.err.contains(QStringLiteral("Opening serial port"))) << bad.err.toStdString();
}

TEST_F(ConfigCli, FaultsPrintTheLogNewestFirst) {
  const CtlRun json = Run({"faults", "--simulate", "--json"});
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_TRUE(json.out.contains(
      QStringLiteral(R"({"index": 1, "time_on": "1D 01:01:01", "fault": "02 - VFWD too high for SWR", )"
                     R"("data": "F 14200 VFWD 300 VRFL 40 SWR 2.50 SWRB 1.25"})")));
  const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
  EXPECT_EQ(rows.size(), 6);

  const CtlRun plain = Run({"--simulate", "faults"});
  ASSERT_EQ(plain.status, 0);
  const QStringList lines = plain.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 7);
  const qsizetype dataColumn = lines[0].indexOf(QStringLiteral("Variable Data"));
  EXPECT_EQ(lines[4].indexOf(QStringLiteral("F 14200")), dataColumn) << "columns line up";
  EXPECT_TRUE(lines[4].contains(QStringLiteral("1D 01:01:01  02 - VFWD")));
}

TEST_F(ConfigCli, RestoreWithoutAFileIsAUsageError) {
  const CtlRun missing = Run({"restore", "--simulate"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(missing.err.contains(QStringLiteral("FILE is missing")));
}

}  // namespace
