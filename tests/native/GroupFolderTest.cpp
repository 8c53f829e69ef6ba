// tests/native/GroupFolderTest.cpp: the program groups' folder inside the
// user's folder for them.
#include <gtest/gtest.h>

#include "app/portable/GroupFolder.h"

namespace {

TEST(GroupFolder, InsideTheParentWithOrWithoutBackslash) {
  EXPECT_EQ("C:\\Data\\Quorvane\\Utilities",
            qv::GroupFolderPath("C:\\Data\\Quorvane\\", "Utilities"));
  EXPECT_EQ("C:\\Data\\Quorvane\\Utilities",
            qv::GroupFolderPath("C:\\Data\\Quorvane", "Utilities"));
  EXPECT_EQ("C:\\Multimedia", qv::GroupFolderPath("C:\\", "Multimedia"));
  // A folder name may hold a ";": it is a path, not a list.
  EXPECT_EQ("C:\\a;b\\Utilities", qv::GroupFolderPath("C:\\a;b", "Utilities"));
}

TEST(GroupFolder, NoFolderWhenTheParentNamesNoDirectory) {
  EXPECT_EQ("", qv::GroupFolderPath("", "Utilities"));
  EXPECT_EQ("", qv::GroupFolderPath("\\", "Utilities"));
}

}  // namespace
