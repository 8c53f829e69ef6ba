// tests/native/ToolbarInfoTest.cpp: the toolbar-info string, written and read
// back, including stored bytes that are truncated or malformed.
#include "settings/portable/ToolbarInfo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using Parsed = std::optional<ToolbarInfo>;

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// Parses exactly the bytes of `data` from a heap block of that size, so
// ASan reports any read past the stored value.
Parsed Parse(const std::string& data) {
  std::vector<char> block(data.begin(), data.end());
  return qv::ParseToolbarInfo(block.data(), block.size());
}

ToolbarInfo Custom(std::vector<ButtonEntry> entries) {
  return ToolbarInfo{qv::kKindCustom, std::move(entries)};
}

TEST(ToolbarInfo, CustomListMatchesTheStoredExample) {
  const std::string stored = Bytes({0x43, 0x00, 0x2A, 0x61, 0x2E, 0x6C, 0x6E,
                                    0x6B, 0x00, 0x7C, 0x00, 0x5C, 0x00, 0x00});
  ToolbarInfo info = Custom({{qv::kEntryShownFile, "a.lnk"},
                             {qv::kEntryNewLine, ""},
                             {qv::kEntrySpace, ""}});
  EXPECT_EQ(stored, qv::FormatToolbarInfo(info));

  Parsed parsed = Parse(stored);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(qv::kKindCustom, parsed->kind);
  ASSERT_EQ(3u, parsed->entries.size());
  EXPECT_EQ(qv::kEntryShownFile, parsed->entries[0].type);
  EXPECT_EQ("a.lnk", parsed->entries[0].name);
  EXPECT_EQ(qv::kEntryNewLine, parsed->entries[1].type);
  EXPECT_EQ(qv::kEntrySpace, parsed->entries[2].type);
}

TEST(ToolbarInfo, EveryKindAndMarkerRoundTrips) {
  for (int kind : {qv::kKindBrowse, qv::kKindCustom, qv::kKindNormal}) {
    Parsed parsed = Parse(qv::FormatToolbarInfo(ToolbarInfo{kind, {}}));
    ASSERT_TRUE(parsed) << kind;
    EXPECT_EQ(kind, parsed->kind);
    EXPECT_TRUE(parsed->entries.empty());
  }

  ToolbarInfo info = Custom({{qv::kEntryHiddenFile, "Hidden Doc.txt"},
                             {qv::kEntrySpace, ""},
                             {qv::kEntryShownFile, "*starred*.lnk"},
                             {qv::kEntryNewLine, ""},
                             {qv::kEntryHiddenFile, ""}});
  Parsed parsed = Parse(qv::FormatToolbarInfo(info));
  ASSERT_TRUE(parsed);
  ASSERT_EQ(info.entries.size(), parsed->entries.size());
  for (size_t i = 0; i < info.entries.size(); ++i) {
    EXPECT_EQ(info.entries[i].type, parsed->entries[i].type) << i;
    EXPECT_EQ(info.entries[i].name, parsed->entries[i].name) << i;
  }
}

TEST(ToolbarInfo, OnlyCustomListsStoreEntries) {
  EXPECT_EQ(Bytes({0x43, 0, 0}), qv::FormatToolbarInfo(Custom({})));
  Parsed empty = Parse(Bytes({0x43, 0, 0}));
  ASSERT_TRUE(empty);
  EXPECT_EQ(qv::kKindCustom, empty->kind);
  EXPECT_TRUE(empty->entries.empty());

  // Browse and normal toolbars carry entries for display only.
  for (int kind : {qv::kKindBrowse, qv::kKindNormal}) {
    ToolbarInfo info = Custom({{qv::kEntryShownFile, "a.lnk"}});
    info.kind = kind;
    const std::string stored = qv::FormatToolbarInfo(info);
    EXPECT_EQ(3u, stored.size()) << kind;
    EXPECT_EQ(kind == qv::kKindBrowse ? 'B' : 'N', stored[0]);
  }

  // Spaces and new lines store their marker alone; an entry of an unknown
  // type has no marker and is left out rather than spoiling the value.
  ToolbarInfo odd = Custom({{qv::kEntrySpace, "ignored"},
                            {7, "lost.txt"},
                            {qv::kEntryNewLine, "x"}});
  EXPECT_EQ(Bytes({'C', 0, '\\', 0, '|', 0, 0}), qv::FormatToolbarInfo(odd));
}

TEST(ToolbarInfo, KindAndEntryStrings) {
  EXPECT_EQ(1, qv::ParseInfoKind("B"));
  EXPECT_EQ(2, qv::ParseInfoKind("C"));
  EXPECT_EQ(3, qv::ParseInfoKind("N"));
  for (const char* bad : {"b", "c", "n", "X", "", "BB", "N ", "Normal"})
    EXPECT_EQ(0, qv::ParseInfoKind(bad)) << '"' << bad << '"';

  EXPECT_EQ(1, qv::ParseEntryType("\\"));
  EXPECT_EQ(2, qv::ParseEntryType(" name"));
  EXPECT_EQ(3, qv::ParseEntryType("*name"));
  EXPECT_EQ(4, qv::ParseEntryType("|trailing"));
  for (const char* bad : {"", "a", "/", "+x"})
    EXPECT_EQ(0, qv::ParseEntryType(bad)) << '"' << bad << '"';

  // Characters after the marker of a space or new line are skipped.
  Parsed info = Parse(Bytes({'C', 0, '\\', 'x', 0, '|', 'y', 0, 0}));
  ASSERT_TRUE(info);
  ASSERT_EQ(2u, info->entries.size());
  EXPECT_EQ("", info->entries[0].name);
  EXPECT_EQ("", info->entries[1].name);
}

TEST(ToolbarInfo, MalformedValuesAreRefused) {
  const std::vector<std::string> refused = {
      "",                                   // zero-length value
      Bytes({'X', 0, 0}),                   // unknown kind
      Bytes({'b', 0, 0}),                   // kinds are case-sensitive
      Bytes({0, 0, 0}),                     // empty kind (an unknown kind)
      "N",                                  // kind without its zero byte
      Bytes({'C', 0}),                      // custom list without final zero
      Bytes({'C', 0, '*', 'a', 0}),         // entries without final zero
      Bytes({'C', 0, '*', 'a', '.', 'l'}),  // entry runs to the end
      Bytes({'C', 0, '?', 'a', 0, 0}),      // unknown marker
  };
  for (const std::string& data : refused)
    EXPECT_FALSE(Parse(data)) << testing::PrintToString(data);
  EXPECT_FALSE(qv::ParseToolbarInfo(nullptr, 0));

  // Browse and normal kinds need only their kind string; what follows it
  // (even nothing) is not looked at.
  for (const std::string& data : {Bytes({'B', 0}), Bytes({'N', 0, '?', 'x'})}) {
    Parsed info = Parse(data);
    ASSERT_TRUE(info) << testing::PrintToString(data);
    EXPECT_TRUE(info->entries.empty());
  }
}

}  // namespace
