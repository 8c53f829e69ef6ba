// tests/unit/UnicodeNamesTest.cpp: file names outside the system's legacy
// ANSI code page on a custom-ordered toolbar, and names an earlier release
// stored in that code page. The test program carries the bar's manifest, so
// its ANSI code page is UTF-8 as the bar's is.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ToolbarFill.h"

namespace {

using Names = std::vector<std::string>;

class UnicodeNamesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  static void TearDownTestSuite() { ::OleUninitialize(); }
  void SetUp() override { m_scratch.WriteBaseline(); }

  // What the bar shows for toolbar 0 of `settings`, gaps included.
  static Names Shown(CBarSettings& settings) {
    ToolbarButtons buttons;
    SyncToolbarEntries(*settings.Toolbar(0), settings);
    EXPECT_EQ(1,
              FillToolbar(*settings.Toolbar(0), settings, nullptr, &buttons));
    Names names;
    for (const ToolbarButton& button : buttons) {
      const bool item = button.kind == ToolbarButton::Kind::kItem;
      EXPECT_EQ(item, static_cast<bool>(button.item));
      names.push_back(item ? button.name : "<gap>");
    }
    return names;
  }
  static Names Entries(const CBarSettings& settings) {
    Names names;
    for (const ButtonEntry& entry : settings.Toolbar(0)->info.entries)
      names.push_back(std::to_string(entry.type) + entry.name);
    return names;
  }

  ScratchCurrentUser m_scratch{"Quorvane Unicode Tests"};
};

TEST_F(UnicodeNamesTest, ANameNoLegacyCodePageHoldsKeepsItsPlaceAcrossASave) {
  // Wine honours the manifest's code page as Windows 10 1903 and later do.
  ASSERT_EQ(static_cast<UINT>(CP_UTF8), ::GetACP());
  const std::string omega = u8"Ωmega—Ж.txt";
  TempFolder folder(u8"Жfolder");
  ASSERT_TRUE(folder.AddFile(omega));
  ASSERT_TRUE(folder.AddFile("b.txt"));
  ASSERT_TRUE(folder.AddFile("a.txt"));

  CBarSettings saved;
  ASSERT_EQ(1, saved.AppendToolbar(
                   qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                   qv::kSortCustom,
                   ToolbarInfo{qv::kKindCustom,
                               {{qv::kEntryShownFile, "b.txt"},
                                {qv::kEntrySpace, ""},
                                {qv::kEntryShownFile, omega}}}));
  const Names shown{"b.txt", "<gap>", omega, "a.txt"};
  EXPECT_EQ(shown, Shown(saved));
  ASSERT_EQ(1, saved.Save());

  CBarSettings loaded;
  ASSERT_EQ(1, loaded.Load());
  ASSERT_EQ(1, loaded.ToolbarCount());
  EXPECT_EQ((Names{"3b.txt", "1", "3" + omega, "3a.txt"}), Entries(loaded));
  EXPECT_EQ(shown, Shown(loaded));
}

TEST_F(UnicodeNamesTest, ANameStoredInTheLegacyCodePageStillNamesItsFile) {
  DWORD legacy = 0;
  ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT,
                   LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<LPWSTR>(&legacy), 2);
  ASSERT_EQ(1252u, legacy) << "the stored name below is in code page 1252";
  TempFolder folder("legacy");
  ASSERT_TRUE(folder.AddFile(u8"café.txt"));
  ASSERT_TRUE(folder.AddFile("z.txt"));
  {
    // The toolbar as an earlier release stored it: "café.txt" hidden, in
    // code page 1252.
    CBarSettings earlier;
    ASSERT_EQ(1, earlier.AppendToolbar(
                     qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                     qv::kSortCustom,
                     ToolbarInfo{qv::kKindCustom,
                                 {{qv::kEntryHiddenFile, "caf\xE9.txt"},
                                  {qv::kEntryShownFile, "z.txt"}}}));
    ASSERT_EQ(1, earlier.Save());
  }

  CBarSettings loaded;
  ASSERT_EQ(1, loaded.Load());
  EXPECT_EQ((Names{"z.txt"}), Shown(loaded));
  EXPECT_EQ((Names{u8"2café.txt", "3z.txt"}), Entries(loaded));
}

}  // namespace
