// tests/native/VolumeRootTest.cpp: the drive root or share prefix of a path.
#include "shell/portable/VolumeRoot.h"

#include <gtest/gtest.h>

TEST(VolumeRoot, DriveAndShareRootsAndPathsThatNameNeither) {
  EXPECT_EQ("E:\\", qv::VolumeRoot("E:\\Photos\\2024"));
  EXPECT_EQ("q:\\", qv::VolumeRoot("q:"));
  EXPECT_EQ("E:\\", qv::VolumeRoot("\\\\?\\E:\\Photos"));
  EXPECT_EQ("\\\\srv\\docs\\", qv::VolumeRoot("\\\\srv\\docs\\a\\b"));
  EXPECT_EQ("\\\\srv\\docs\\", qv::VolumeRoot("\\\\srv\\docs"));
  EXPECT_EQ("\\\\srv\\docs\\", qv::VolumeRoot("\\\\?\\UNC\\srv\\docs\\a"));
  for (const char* neither : {"", "Photos\\2024", "E:Photos", "\\\\srv",
                              "\\\\srv\\", "\\\\\\docs", "\\\\?\\UNC\\srv"})
    EXPECT_EQ("", qv::VolumeRoot(neither)) << neither;
}
