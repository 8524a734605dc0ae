// The rules the sheet and zu6400ctl share: threshold texts, the tuner's
// encodings of them, and whether a change is sent.

#include <gtest/gtest.h>

#include "machines/ConfigurationValues.h"

namespace {

TEST(ConfigurationRules, ThresholdTextsGetExactlyTwoDecimals) {
  EXPECT_EQ(NormalizeSwrThreshold("2"), "2.00");
  EXPECT_EQ(NormalizeSwrThreshold("2.5"), "2.50");
  EXPECT_EQ(NormalizeSwrThreshold("2.555"), "2.55");
  EXPECT_EQ(NormalizeSwrThreshold("150.5"), "150.50");
}

TEST(ConfigurationRules, EncodingsFollowTheTunersResolution) {
  EXPECT_EQ(SwrThresholdFine("1.50"), 256u + 128u);
  EXPECT_EQ(SwrThresholdFine("3.05"), 768u + 12u);
  EXPECT_EQ(SwrThresholdFine("0.99"), 253u);
  EXPECT_EQ(SwrThresholdCoarse("0.99"), 252u);
  EXPECT_EQ(SwrThresholdFine("2.5"), SwrThresholdFine("2.50"));  // one digit counts as tenths
  EXPECT_EQ(SwrThresholdFine("150.00"), 99u * 256);  // the whole part stops at 99
  EXPECT_EQ(SwrThresholdFine("abc"), 0u);
}

TEST(ConfigurationRules, ThresholdChangeNeedsADifferenceTheTunerCanTell) {
  EXPECT_FALSE(IsSwrThresholdChange("2.0", "2.00"));
  EXPECT_TRUE(IsSwrThresholdChange("2.0", "2.5"));
  EXPECT_FALSE(IsSwrThresholdChange("1.50", "1.501"));
  EXPECT_TRUE(IsSwrThresholdChange("1.50", "1.51"));
  EXPECT_FALSE(IsSwrThresholdChange("99.00", "150.00"));
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

}  // namespace
