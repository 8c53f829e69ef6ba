// tests/native/ChangeCoalescerTest.cpp: a burst of changes is one batch.
#include "bar/portable/ChangeCoalescer.h"

#include <gtest/gtest.h>

using Keys = std::vector<std::string>;

TEST(ChangeCoalescer, ABurstIsOneBatchDueAfterAPauseOrTheLongestWait) {
  qv::ChangeCoalescer changes(200, 1000);
  uint32_t wait = 0;
  EXPECT_EQ(Keys{}, changes.TakeDue(0, &wait));
  EXPECT_EQ(0u, wait);
  // 500 changes of one folder and a few of another, 1 ms apart.
  for (uint64_t t = 0; t < 500; ++t) changes.Note(t % 100 ? "a" : "b", t);
  EXPECT_EQ(Keys{}, changes.TakeDue(600, &wait));
  EXPECT_EQ(99u, wait);  // 200 ms after the last change
  EXPECT_EQ((Keys{"a", "b"}), changes.TakeDue(699, &wait));
  EXPECT_EQ(Keys{}, changes.TakeDue(2000, &wait));
  EXPECT_FALSE(changes.Pending());

  // Changes that never pause still come due after the longest wait.
  for (uint64_t t = 5000; t < 7000; t += 100)
    if (changes.Note("a", t) == 0) break;
  EXPECT_EQ(Keys{"a"}, changes.TakeDue(6000, &wait));
}
