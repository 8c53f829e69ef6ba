// tests/native/SettingsValuesTest.cpp: indexed value names and the decoding
// of stored values of any size.
#include "settings/portable/SettingsValues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Formatter = void (*)(char*, int);

std::string Name(Formatter format, int index) {
  char buffer[qv::kValueNameSize];
  format(buffer, index);
  return buffer;
}

TEST(SettingsValueNames, IndexIsRightAlignedInThreeColumns) {
  EXPECT_EQ("Fldr   0", Name(qv::FolderValueName, 0));
  EXPECT_EQ("Fldr   7", Name(qv::FolderValueName, 7));
  EXPECT_EQ("Fldr  12", Name(qv::FolderValueName, 12));
  EXPECT_EQ("Fldr 123", Name(qv::FolderValueName, 123));
  EXPECT_EQ("Fldr 1234", Name(qv::FolderValueName, 1234));
  EXPECT_EQ("Fldr Ordr   7", Name(qv::FolderOrderValueName, 7));
  EXPECT_EQ("Fldr Ordr  12", Name(qv::FolderOrderValueName, 12));
  EXPECT_EQ("Toolbar Info   0", Name(qv::ToolbarInfoValueName, 0));
  EXPECT_EQ("Toolbar Info   7", Name(qv::ToolbarInfoValueName, 7));
  EXPECT_EQ("Toolbar Info  12", Name(qv::ToolbarInfoValueName, 12));
  EXPECT_EQ("Toolbar Info 123", Name(qv::ToolbarInfoValueName, 123));
  EXPECT_EQ("FT   0", Name(qv::FileTypeValueName, 0));
  EXPECT_EQ("FT 123", Name(qv::FileTypeValueName, 123));
}

TEST(SettingsValues, DwordNeedsExactlyFourBytes) {
  const std::vector<unsigned char> data = {0x78, 0x56, 0x34, 0x12, 0xff};
  std::uint32_t value = 7;
  EXPECT_TRUE(qv::DecodeDword(data.data(), 4, &value));
  EXPECT_EQ(0x12345678u, value);
  for (size_t length : {0, 1, 2, 3, 5}) {
    std::vector<unsigned char> stored(data.begin(), data.begin() + length);
    value = 7;
    EXPECT_FALSE(qv::DecodeDword(stored.data(), stored.size(), &value))
        << length;
    EXPECT_EQ(7u, value);
  }
}

TEST(SettingsValues, HiddenTypeIsBoundedAndNeedsNoTerminator) {
  std::string text = "unchanged";
  const std::string stored("txt\tText Document\0junk", 22);
  ASSERT_TRUE(qv::DecodeHiddenType(
      reinterpret_cast<const unsigned char*>(stored.data()), stored.size(),
      &text));
  EXPECT_EQ("txt\tText Document", text);

  // A value without its zero byte (exactly the block, so ASan sees a read
  // past it) keeps its text, up to the 127 characters that are saved again
  // with their terminator in 128 bytes (the settings fuzz target found a
  // full 128 that loaded once and never again).
  std::vector<unsigned char> most(qv::kHiddenTypeValueSize - 1, 'x');
  ASSERT_TRUE(qv::DecodeHiddenType(most.data(), most.size(), &text));
  EXPECT_EQ(std::string(127, 'x'), text);
  std::vector<unsigned char> full(qv::kHiddenTypeValueSize, 'x');
  ASSERT_TRUE(qv::DecodeHiddenType(full.data(), full.size(), &text));
  EXPECT_EQ(std::string(127, 'x'), text);

  ASSERT_TRUE(qv::DecodeHiddenType(nullptr, 0, &text));
  EXPECT_EQ("", text);

  text = "unchanged";
  std::vector<unsigned char> tooLong(qv::kHiddenTypeValueSize + 1, 0);
  EXPECT_FALSE(qv::DecodeHiddenType(tooLong.data(), tooLong.size(), &text));
  EXPECT_EQ("unchanged", text);
}

}  // namespace
