// tests/native/EntrySyncTest.cpp: the hidden-type test and how a custom
// button list follows its folder.
#include "toolbar/portable/EntrySync.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kHidden = {"TMP\tTemporary files",
                                          "lnk\tShortcuts", "bak"};

TEST(EntrySync, HiddenTypesMatchTheThreeCharacterKeyIgnoringCase) {
  EXPECT_EQ(1, qv::IsHiddenTypeName("notes.tmp", kHidden));
  EXPECT_EQ(1, qv::IsHiddenTypeName("Old.BAK", kHidden));
  EXPECT_EQ(1, qv::IsHiddenTypeName("Editor.LNK", kHidden));
  // The key is at most three characters after the last dot.
  EXPECT_EQ(1, qv::IsHiddenTypeName("cache.tmpx", kHidden));
  EXPECT_EQ(0, qv::IsHiddenTypeName("archive.tmp.gz", kHidden));
  // A display name without its extension is never hidden.
  EXPECT_EQ(0, qv::IsHiddenTypeName("Editor", kHidden));
  EXPECT_EQ(0, qv::IsHiddenTypeName("", kHidden));
  EXPECT_EQ(0, qv::IsHiddenTypeName(nullptr, kHidden));
  EXPECT_EQ(0, qv::IsHiddenTypeName("notes.tmp", {}));
  // A longer stored key never equals a three-character one.
  EXPECT_EQ(0, qv::IsHiddenTypeName("page.html", {"html\tPages"}));
  EXPECT_EQ(1, qv::IsHiddenTypeName("page.html", {"HTM\tPages"}));
}

std::vector<ButtonEntry> Entries(std::vector<ButtonEntry> entries) {
  return entries;
}

TEST(EntrySync, GoneFilesLeaveNewFilesJoinAndLayoutStays) {
  auto entries = Entries({{qv::kEntryShownFile, "a.txt"},
                          {qv::kEntrySpace, ""},
                          {qv::kEntryShownFile, "deleted.txt"},
                          {qv::kEntryNewLine, ""},
                          {qv::kEntryHiddenFile, "B.TXT"},
                          {qv::kEntryHiddenFile, "gone.txt"}});
  qv::SyncEntries(entries, {"new1.txt", "b.txt", "A.txt", "new2.txt"});

  const std::vector<std::pair<int, std::string>> expected = {
      {qv::kEntryShownFile, "a.txt"},    {qv::kEntrySpace, ""},
      {qv::kEntryNewLine, ""},           {qv::kEntryHiddenFile, "B.TXT"},
      {qv::kEntryShownFile, "new1.txt"}, {qv::kEntryShownFile, "new2.txt"}};
  ASSERT_EQ(expected.size(), entries.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(expected[i].first, entries[i].type) << i;
    EXPECT_EQ(expected[i].second, entries[i].name) << i;
  }
}

TEST(EntrySync, AnEmptyFolderKeepsOnlyTheLayoutAndNamesJoinOnce) {
  auto entries = Entries({{qv::kEntryShownFile, "x"}, {qv::kEntrySpace, ""}});
  qv::SyncEntries(entries, {});
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ(qv::kEntrySpace, entries[0].type);

  // Listing the same name twice (in two spellings) adds one entry.
  qv::SyncEntries(entries, {"Doc.txt", "doc.TXT"});
  ASSERT_EQ(2u, entries.size());
  EXPECT_EQ("Doc.txt", entries[1].name);
  // Synchronising again changes nothing.
  qv::SyncEntries(entries, {"Doc.txt", "doc.TXT"});
  EXPECT_EQ(2u, entries.size());
}

}  // namespace
