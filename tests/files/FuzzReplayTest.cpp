// Replays the fuzzers' seed corpora through the fuzzers' own entry
// functions, so that every build (and the sanitizer build) runs them.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "tests/fuzz/FuzzEntries.h"

namespace {

void Replay(const char* folder, void (*entry)(const std::uint8_t*, std::size_t)) {
  const QDir dir(QStringLiteral(ZU_FUZZ_CORPUS "/") + QLatin1String(folder));
  const QStringList names = dir.entryList(QDir::Files);
  ASSERT_FALSE(names.isEmpty()) << dir.path().toStdString();
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    SCOPED_TRACE(name.toStdString());
    entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
  }
}

TEST(FuzzReplayTest, SeedCorpora) {
  Replay("config", FuzzConfigFile);
  Replay("hex", FuzzHexFile);
  Replay("listing", FuzzFtpListing);
}

}  // namespace
