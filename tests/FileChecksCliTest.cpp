// zu6400ctl check-config and check-hex, run as a user would run them.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "CtlRunner.h"
#include "base/ReportSink.h"
#include "config/ConfigurationFileWriter.h"

namespace {

class FileChecksCliTest : public ::testing::Test {
 protected:
  CtlRun Ctl(const QStringList& args) { return RunCtl(args, m_dir.filePath(QStringLiteral("config"))); }

  QString WriteFile(const QString& name, const QByteArray& content) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }

  QTemporaryDir m_dir;
};

TEST_F(FileChecksCliTest, CheckConfigAcceptsASavedFileAndRefusesAnAlteredCopy) {
  ConfigSnapshot snapshot;
  snapshot.firmwareVersionText = QStringLiteral("01.05");
  snapshot.serialNumber = 1234;
  const QString path = m_dir.filePath(QStringLiteral("SN01234.ZU6400Config"));
  CSilentReportSink sink;
  ASSERT_TRUE(WriteConfigurationFile(path, QDateTime::currentDateTime(), snapshot, sink));

  const CtlRun good = Ctl({QStringLiteral("check-config"), path});
  EXPECT_EQ(good.status, 0) << good.err.toStdString();
  EXPECT_EQ(good.out, QStringLiteral("complete\npic runs: 4\npic bytes: 992\nserial blocks: 960\nserial bytes: 61440\n"
                                     "serial number: 01234\n"));
  // The same values as one JSON object, and nothing else.
  const CtlRun json = Ctl({QStringLiteral("check-config"), path, QStringLiteral("--json")});
  EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object(),
            QJsonObject({{"complete", true}, {"pic_runs", 4}, {"pic_bytes", 992}, {"serial_blocks", 960},
                         {"serial_bytes", 61440}, {"serial_number", 1234}}))
      << json.out.toStdString();

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray altered = file.readAll();
  altered.replace("MEM3 2000 40 00", "MEM3 2000 40 01");
  const CtlRun bad = Ctl({QStringLiteral("check-config"), WriteFile(QStringLiteral("altered.ZU6400Config"), altered)});
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.out.isEmpty());
  EXPECT_TRUE(bad.err.contains(QStringLiteral("error 0xE2000031: Corrupt configuration file")));

  const CtlRun missing = Ctl({QStringLiteral("check-config"), m_dir.filePath(QStringLiteral("none"))});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.err.contains(QStringLiteral("error 0x00000002: The system cannot find the file specified.")));
}

TEST_F(FileChecksCliTest, CheckHexReportsReconciliationAndSendLength) {
  // Data at 0x800 (a zero reconciliation word) up to 0x800 + 300.
  const QString good = WriteFile(QStringLiteral("zu6400fw0105.hex"),
                                 ":020800000000F6\r\n"
                                 ":01092C0012B8\r\n"
                                 ":00000001FF\r\n");
  const CtlRun ok = Ctl({QStringLiteral("check-hex"), good});
  EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
  const QStringList lines = ok.out.split(u'\n');
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], QStringLiteral("lines: 3"));
  EXPECT_EQ(lines[1], QStringLiteral("reconciliation value: 0x0000"));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("computed reconciliation value: 0x")));
  EXPECT_EQ(lines[3], QStringLiteral("send length: 384 bytes, 3 packets"));
  const QJsonObject object =
      QJsonDocument::fromJson(Ctl({QStringLiteral("--json"), QStringLiteral("check-hex"), good}).out.toUtf8()).object();
  EXPECT_EQ(object.value("send_packets"), 3);
  const QString word = lines[2].section(QStringLiteral("0x"), 1);
  EXPECT_EQ(object.value("computed_reconciliation_value"), word.toInt(nullptr, 16)) << word.toStdString();

  const QString bad = WriteFile(QStringLiteral("bad.hex"),
                                ":020800000000F6\r\n"
                                ":01092C0012B9\r\n"
                                ":00000001FF\r\n");
  const CtlRun failed = Ctl({QStringLiteral("check-hex"), bad});
  EXPECT_EQ(failed.status, 1);
  EXPECT_TRUE(failed.out.isEmpty());
  EXPECT_TRUE(failed.err.endsWith(QStringLiteral("error 0xE2000022: intel hex line checksum error\n")));

  const QString unbalanced = WriteFile(QStringLiteral("unbalanced.hex"), ":020800001234B0\r\n:00000001FF\r\n");
  const CtlRun corrupt = Ctl({QStringLiteral("check-hex"), unbalanced});
  EXPECT_EQ(corrupt.status, 1);
  EXPECT_TRUE(corrupt.err.contains(QStringLiteral("error 0xE2000041: Input hex file is corrupt, check sum is not zero")));
}

TEST_F(FileChecksCliTest, PipesAndFoldersAreRefusedWithoutWaiting) {
  const QString fifo = m_dir.filePath(QStringLiteral("pipe.hex"));
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  for (const QString& command : {QStringLiteral("check-hex"), QStringLiteral("check-config")}) {
    for (const QString& path : {fifo, m_dir.path()}) {
      SCOPED_TRACE((command + ' ' + path).toStdString());
      const CtlRun run = Ctl({command, path});
      EXPECT_EQ(run.status, 1);
      EXPECT_TRUE(run.err.contains(QStringLiteral("0x00000032"))) << run.err.toStdString();
    }
  }
}

}  // namespace
