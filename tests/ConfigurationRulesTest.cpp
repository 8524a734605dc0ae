// The rules the sheet and zu6400ctl share: threshold texts, the tuner's
// encodings of them, and what a change sends.

#include <gtest/gtest.h>

#include "machines/ConfigurationValues.h"
#include "machines/EraseMemoryStateMachine.h"

namespace {

TEST(ConfigurationRules, ThresholdTextsGetExactlyTwoDecimals) {
  EXPECT_EQ(NormalizeSwrThreshold("2"), "2.00");
  EXPECT_EQ(NormalizeSwrThreshold("2.5"), "2.50");
  EXPECT_EQ(NormalizeSwrThreshold("2.555"), "2.55");
  EXPECT_EQ(NormalizeSwrThreshold("2."), "2.00");
  EXPECT_EQ(NormalizeSwrThreshold("150.5"), "150.50");
  EXPECT_EQ(NormalizeSwrThreshold(".5"), ".50");
}

TEST(ConfigurationRules, EncodingsFollowTheTunersResolution) {
  EXPECT_EQ(SwrThresholdFine("1.50"), 256u + 128u);
  EXPECT_EQ(SwrThresholdFine("2.25"), 512u + 64u);
  EXPECT_EQ(SwrThresholdFine("3.05"), 768u + 12u);
  EXPECT_EQ(SwrThresholdFine("0.99"), 253u);
  EXPECT_EQ(SwrThresholdCoarse("0.99"), 252u);
  EXPECT_EQ(SwrThresholdFine("2.5"), SwrThresholdFine("2.50"));  // one digit counts as tenths
  EXPECT_EQ(SwrThresholdFine("3"), 768u);
  EXPECT_EQ(SwrThresholdFine("150.00"), 99u * 256);  // the whole part stops at 99
  EXPECT_EQ(SwrThresholdFine("abc"), 0u);
}

TEST(ConfigurationRules, ThresholdChangeNeedsADifferenceTheTunerCanTell) {
  EXPECT_FALSE(IsSwrThresholdChange("2.0", "2.00"));
  EXPECT_TRUE(IsSwrThresholdChange("2.0", "2.5"));
  EXPECT_FALSE(IsSwrThresholdChange("1.50", "1.501"));
  EXPECT_TRUE(IsSwrThresholdChange("1.50", "1.51"));
  EXPECT_FALSE(IsSwrThresholdChange("99.00", "150.00"));
  EXPECT_FALSE(IsSwrThresholdChange("1.50", "1.50"));
}

TEST(ConfigurationRules, ChangedValueSendsItsSettingWithTheQuery) {
  EXPECT_EQ(SettingCommand("AE072", 0, 1, "ae072;"), "AE0721;ae072;");
  EXPECT_EQ(SettingCommand("AKIP", 1500, 200, "akip;"), "AKIP200;akip;");
  EXPECT_EQ(SettingCommand("AP03", 2, 2, "ap03;"), "");
  EXPECT_EQ(SwrThresholdCommand("ST00K", "2.0", "2.50", "st00k;"), "ST00K2.50;st00k;");
  EXPECT_EQ(SwrThresholdCommand("ST00K", "2.0", "2.00", "st00k;"), "");
}

TEST(ConfigurationRules, PendingAndSendableAreTold) {
  CConfigurationValues v;
  EXPECT_FALSE(v.IsAnyPending());
  v.SwrThresholdBypass.Set(4, "2.0");
  v.SwrThresholdBypass.SetRequested(4, "2.00");
  EXPECT_TRUE(v.IsAnyPending());        // Apply is offered
  EXPECT_FALSE(v.HasChangesToSend());   // but nothing would go out
  v.AntennaPreferred.SetRequested(10, 1);
  EXPECT_TRUE(v.HasChangesToSend());
}

TEST(ConfigurationRules, EraseCommandsCoverOneBandOrAll) {
  EXPECT_EQ(EraseMemoryCommand(5, 1), "em051;rv;");
  EXPECT_EQ(EraseMemoryCommand(kAllBands, 3),
            "em003;em013;em023;em033;em043;em053;em063;em073;em083;em093;em103;rv;");
}

}  // namespace
