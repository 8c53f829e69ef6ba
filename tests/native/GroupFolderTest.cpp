// tests/native/GroupFolderTest.cpp: the program groups' folder from the
// installation's "Path" value.
#include <gtest/gtest.h>

#include "app/portable/GroupFolder.h"

namespace {

TEST(GroupFolder, InsideTheFirstDirectoryWithOrWithoutBackslash) {
  EXPECT_EQ("C:\\Quorvane\\Utilities",
            qv::GroupFolderPath("C:\\Quorvane\\;D:\\other", "Utilities"));
  EXPECT_EQ("C:\\Quorvane\\Utilities",
            qv::GroupFolderPath("C:\\Quorvane", "Utilities"));
  EXPECT_EQ("C:\\Multimedia", qv::GroupFolderPath("C:\\", "Multimedia"));
}

TEST(GroupFolder, NoFolderWhenTheValueNamesNoDirectory) {
  EXPECT_EQ("", qv::GroupFolderPath("", "Utilities"));
  EXPECT_EQ("", qv::GroupFolderPath(";D:\\other", "Utilities"));
  EXPECT_EQ("", qv::GroupFolderPath("\\", "Utilities"));
}

}  // namespace
