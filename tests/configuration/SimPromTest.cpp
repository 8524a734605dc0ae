// The simulated tuner's stored memories, and the PROM frames the program and
// the tuner share.

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "link/PromFrames.h"

namespace {

// The framing, checked against worked examples rather than against itself.
TEST(PromFrames, CommandsCarryTheirChecksumsAndOnlyAnExactAnswerIsTaken) {
  EXPECT_EQ(Prom::ReadCommand("ers", 0xFFC0, 64), QStringLiteral("ersFFC04001;"));
  EXPECT_EQ(Prom::WriteCommand("ewp", 0x0120, QByteArrayView("\x01\xFF", 2)), QStringLiteral("ewp01200201FFDD;"));
  EXPECT_EQ(Prom::ChunkLength(0x0020, 0xE0), 64u);
  EXPECT_EQ(Prom::ChunkLength(0x10F0, 64), 16u) << "never across a page";
  const QString read = QStringLiteral("erp00020200;");  // checksum is not the reply's business
  EXPECT_EQ(Prom::ReadReplyData(read, QStringLiteral("ERP0002020A0BE7;")), QByteArray("\x0A\x0B"));
  // Another address, a wrong checksum, fewer bytes than asked, not hexadecimal.
  for (const char* reply : {"ERP0003020A0BE6;", "ERP0002020A0BE8;", "ERP0002010AF3;", "ERP0002020A0GDF;"})
    EXPECT_TRUE(Prom::ReadReplyData(read, QString::fromLatin1(reply)).isEmpty()) << reply;
  const QString write = QStringLiteral("ews10000101EE;");
  EXPECT_TRUE(Prom::IsWriteReplyFor(write, QStringLiteral("EWS100001EF;")));
  EXPECT_FALSE(Prom::IsWriteReplyFor(write, QStringLiteral("EWS100001EE;")));
  EXPECT_FALSE(Prom::IsWriteReplyFor(write, QStringLiteral("EWP100001EF;")));
}

TEST(SimProms, AnswersChecksummedReadsAndTakesChecksummedWrites) {
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
}

// The stored configuration is PIC PROM bytes: a setting changes them, a
// written byte changes what is reported, "eeinit;" writes the factory values,
// and the unit's own bytes below 0x030 stay as they were.
TEST(SimProms, StoredConfigurationLivesInThePicProm) {
  CSimProms proms;
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

}  // namespace
