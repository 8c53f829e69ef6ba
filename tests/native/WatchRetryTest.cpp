// tests/native/WatchRetryTest.cpp: folders that could not be watched are
// tried again after waits that grow to a minute.
#include "bar/portable/WatchRetry.h"

#include <gtest/gtest.h>

using Keys = std::vector<std::string>;

TEST(WatchRetry, WaitsDoubleToAMinuteAndAHurryTriesAllAtOnce) {
  qv::WatchRetry retry;
  EXPECT_EQ(qv::WatchRetry::kNever, retry.NextWait(0));
  retry.Failed("e:\\live", 1000);
  EXPECT_EQ(2000u, retry.NextWait(1000));
  EXPECT_EQ(Keys{}, retry.Due(2999));
  EXPECT_EQ(Keys{"e:\\live"}, retry.Due(3000));
  // Each failure in a row waits twice as long, at most a minute.
  uint64_t now = 3000;
  for (uint32_t expected : {4000u, 8000u, 16000u, 32000u, 60000u, 60000u}) {
    retry.Failed("e:\\live", now);
    EXPECT_EQ(expected, retry.NextWait(now));
    now += expected;
  }
  retry.Failed("f:\\other", now - 3000);
  EXPECT_EQ(1000u, retry.NextWait(now - 2000));  // the soonest try

  retry.Hurry(now);
  EXPECT_EQ((Keys{"e:\\live", "f:\\other"}), retry.Due(now));
  retry.Failed("e:\\live", now);  // the waits start again
  EXPECT_EQ(0u, retry.NextWait(now));
  retry.Forget("f:\\other");
  EXPECT_EQ(2000u, retry.NextWait(now));
  retry.Forget("e:\\live");
  EXPECT_FALSE(retry.Waiting("e:\\live"));
  EXPECT_EQ(qv::WatchRetry::kNever, retry.NextWait(now));
}
