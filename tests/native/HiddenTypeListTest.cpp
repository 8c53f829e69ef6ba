// tests/native/HiddenTypeListTest.cpp: the hidden-type entry made from the
// Add File Type fields, and the sorted list that keeps duplicates.
#include "customize/portable/HiddenTypeList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

TEST(HiddenTypeList, EntryIsExtensionTabDescriptionWithinItsLimits) {
  EXPECT_EQ("bak\tBackups", qv::MakeHiddenType("bak", "Backups"));
  // Pasted text can pass the edits' limits and hold tabs.
  EXPECT_EQ("htm\t" + std::string(80, 'd'),
            qv::MakeHiddenType("html", std::string(90, 'd')));
  EXPECT_EQ("a b\tOne  two", qv::MakeHiddenType("a\tb", "One\t two"));
  EXPECT_EQ("", qv::MakeHiddenType("", "Backups"));
  EXPECT_EQ("", qv::MakeHiddenType("bak", ""));
}

TEST(HiddenTypeList, KeepsEntriesSortedIgnoringCase) {
  qv::HiddenTypeList list({"zip\tArchives", "Bak\tBackups", "TMP", "bak"});
  EXPECT_EQ((Entries{"bak", "Bak\tBackups", "TMP", "zip\tArchives"}),
            list.Entries());

  qv::HiddenTypeList added;
  EXPECT_EQ(0, added.Add("ZIP\tArchives"));
  EXPECT_EQ(0, added.Add("BAK\tBackups"));
  EXPECT_EQ(1, added.Add("tmp\tTemporary files"));
  EXPECT_EQ((Entries{"BAK\tBackups", "tmp\tTemporary files", "ZIP\tArchives"}),
            added.Entries());
}

TEST(HiddenTypeList, AddKeepsEntriesOfTheSameExtension) {
  qv::HiddenTypeList list({"BAK\tOld", "ba\tShort"});
  EXPECT_EQ(1, list.Add("Bak\tBackups"));
  EXPECT_EQ(3, list.Add("BAK\tOld"));  // after its twin
  EXPECT_EQ((Entries{"ba\tShort", "Bak\tBackups", "BAK\tOld", "BAK\tOld"}),
            list.Entries());
}

TEST(HiddenTypeList, RemoveTakesOnlyAValidIndex) {
  qv::HiddenTypeList list({"a\tA", "b\tB"});
  EXPECT_FALSE(list.Remove(-1));
  EXPECT_FALSE(list.Remove(2));
  EXPECT_TRUE(list.Remove(0));
  EXPECT_EQ(Entries{"b\tB"}, list.Entries());
}

}  // namespace
