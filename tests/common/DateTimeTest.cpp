#include "DateTime.h"

#include <gtest/gtest.h>

TEST(DateTime, EpochAndRoundTrip) {
    TDateTime v = -1;
    ASSERT_TRUE(TryEncodeDateTime(1899, 12, 30, 0, 0, 0, 0, v));
    EXPECT_EQ(v, 0.0);
    ASSERT_TRUE(TryEncodeDateTime(2000, 1, 1, 12, 0, 0, 0, v));
    EXPECT_DOUBLE_EQ(v, 36526.5);
    int y, mo, d, h, mi, s, ms;
    ASSERT_TRUE(TryEncodeDateTime(2011, 7, 2, 23, 59, 59, 0, v));
    DecodeDateTime(v, y, mo, d, h, mi, s, ms);
    EXPECT_EQ((std::array{y, mo, d, h, mi, s, ms}), (std::array{2011, 7, 2, 23, 59, 59, 0}));
}

TEST(DateTime, RejectsInvalidParts) {
    TDateTime v = 1;
    EXPECT_FALSE(TryEncodeDateTime(2001, 2, 29, 0, 0, 0, 0, v));
    EXPECT_EQ(v, 0.0);
    EXPECT_FALSE(TryEncodeDateTime(2000, 1, 1, 24, 0, 0, 0, v));
}

TEST(DateTime, FixedClock) {
    TClock::SetFixed(40000.25);
    EXPECT_EQ(TClock::Now(), 40000.25);
    TClock::SetFixed(std::nullopt);
    EXPECT_GT(TClock::Now(), 46000.0);
}

// Encoded while globals are still being set up, as a test's or a tool's constants are.
static const TDateTime EarlyValue = [] {
    TDateTime v = 0;
    TryEncodeDateTime(2024, 1, 15, 0, 0, 0, 0, v);
    return v;
}();

TEST(DateTime, EncodesDuringStaticInitialisation) {
    EXPECT_DOUBLE_EQ(EarlyValue, 45306.0);
}
