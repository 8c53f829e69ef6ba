// tests/native/StoredSettingsTest.cpp: the loaded options as the bar holds
// them. (The load's order and its stops are tested over the registry in
// tests/unit/BarSettingsTest.cpp, and fuzzed in tests/fuzz.)
#include "settings/portable/StoredSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredSettings, FlagsAreZeroOrOneAsTheBarReadsThem) {
  // "Small Icons" 2 drew small icons while the menu checked large ones and
  // neither of its items changed it: any value but 1 is large icons.
  EXPECT_EQ(0u, qv::DecodeOption(qv::kOptSmallIcons, 2));
  EXPECT_EQ(1u, qv::DecodeOption(qv::kOptSmallIcons, 1));
  EXPECT_EQ(0u, qv::DecodeOption(qv::kOptShowTabs, 0xffffffff));
  EXPECT_EQ(1u, qv::DecodeOption(qv::kOptAutoHide, 2));
  EXPECT_EQ(1u, qv::DecodeOption(qv::kOptShowAllFiles, 0x80000000));
  EXPECT_EQ(0u, qv::DecodeOption(qv::kOptAlwaysOnTop, 0));
  EXPECT_EQ(3u, qv::DecodeOption(qv::kOptAlignment, 9));
  EXPECT_EQ(0xffffffffu, qv::DecodeOption(qv::kOptRows, 0xffffffff));
}

TEST(StoredSettings, CurrentTabNamesAToolbar) {
  EXPECT_EQ(2, qv::ShownCurrentTab(7, 3));
  EXPECT_EQ(0, qv::ShownCurrentTab(-5, 3));
  EXPECT_EQ(1, qv::ShownCurrentTab(1, 3));
  EXPECT_EQ(7, qv::ShownCurrentTab(7, 0));  // no toolbar: nothing to name
}

TEST(StoredSettings, HotKeyNeedsCtrlAltOrWinUnlessAFunctionKey) {
  EXPECT_TRUE(qv::IsUsableHotKey(0));  // none
  EXPECT_TRUE(
      qv::IsUsableHotKey(0x24 | (qv::kHotKeyControl | qv::kHotKeyAlt) << 8));
  EXPECT_TRUE(qv::IsUsableHotKey('Q' | qv::kHotKeyWin << 8));
  EXPECT_TRUE(qv::IsUsableHotKey(0x70));                          // F1
  EXPECT_TRUE(qv::IsUsableHotKey(0x87 | qv::kHotKeyShift << 8));  // Shift+F24
  EXPECT_FALSE(qv::IsUsableHotKey(0x41));  // A, from every program
  EXPECT_FALSE(qv::IsUsableHotKey('A' | qv::kHotKeyShift << 8));
  EXPECT_FALSE(qv::IsUsableHotKey(0x88));                     // past F24
  EXPECT_FALSE(qv::IsUsableHotKey(qv::kHotKeyControl << 8));  // no key
  EXPECT_FALSE(qv::IsUsableHotKey('A' | (qv::kHotKeyControl | 0x20) << 8));
  EXPECT_FALSE(qv::IsUsableHotKey(0x10070));  // beyond the two bytes
}

}  // namespace
