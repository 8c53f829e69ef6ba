// tests/native/AboutFiguresTest.cpp: the About page's figures past 32 bits
// and the current drive of a directory.
#include <gtest/gtest.h>

#include "customize/portable/AboutFigures.h"

TEST(AboutFigures, SizesPast32BitsShowWhole) {
  EXPECT_EQ("6291456 KB", qv::MemoryLine(6ull << 30));
  // 2^32 - 1 free clusters of 64 KB: about 256 TB.
  EXPECT_EQ("274877906880 KB Free on D:",
            qv::FreeDiskLine(0xFFFFFFFFu, 128, 512, 'D'));
}

TEST(AboutFigures, DriveLetterOnlyFromADrivePath) {
  EXPECT_EQ('C', qv::DriveLetterOf("c:\\work"));
  EXPECT_EQ('Z', qv::DriveLetterOf("Z:\\"));
  EXPECT_EQ(0, qv::DriveLetterOf("\\\\server\\share\\dir"));
  EXPECT_EQ(0, qv::DriveLetterOf("1:\\"));
  EXPECT_EQ(0, qv::DriveLetterOf(""));
}
