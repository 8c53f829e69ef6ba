// tests/native/BarKeyNamesTest.cpp: further bars' sub-keys are read only
// under plain numbers from 2, and a new bar takes the lowest free one.
#include "settings/portable/BarKeyNames.h"

#include <gtest/gtest.h>

namespace {

TEST(BarKeyNames, OnlyPlainNumbersFromTwoNameABar) {
  EXPECT_EQ(qv::BarNumber("2"), 2);
  EXPECT_EQ(qv::BarNumber("9999"), 9999);
  for (const char* name : {"", "0", "1", "02", "2a", "-3", " 2", "10000"})
    EXPECT_FALSE(qv::BarNumber(name)) << name;
}

TEST(BarKeyNames, NewBarTakesTheLowestFreeNumber) {
  EXPECT_EQ(qv::FreeBarNumber({}), 2);
  EXPECT_EQ(qv::FreeBarNumber({2, 3, 5}), 4);
  EXPECT_EQ(qv::BarKeyPath(4), "Bars\\4");
}

}  // namespace
