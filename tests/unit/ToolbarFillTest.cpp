// tests/unit/ToolbarFillTest.cpp: filling toolbars from real folders and
// custom lists under Wine's shell, keeping a custom list in step with its
// folder, and sorting the filled records.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "settings/BarSettings.h"
#include "bar/MfcAppBar.h"
#include "framework/Handles.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/TempFolder.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarFill.h"
#include "toolbar/ToolbarSort.h"
#include "toolbar/portable/SortKeys.h"

namespace {

class ToolbarFillTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  static void TearDownTestSuite() { ::OleUninitialize(); }

  // The folder as the bar's only toolbar, of `kind`, with `entries`.
  void AddToolbar(const TempFolder& folder, int kind,
                  std::vector<ButtonEntry> entries = {}) {
    qv::ToolbarInfoPtr info(qv::NewToolbarInfo(kind));
    info->entries = std::move(entries);
    ASSERT_EQ(1, m_settings.AppendToolbar(
                     qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                     qv::kSortByName, std::move(info)));
  }
  LPCITEMIDLIST List() const { return m_settings.m_folders[0].get(); }
  ToolbarInfo* Info() const { return m_settings.m_toolbarInfos[0].get(); }

  static std::vector<std::string> Texts(const FilledItems& filled) {
    std::vector<std::string> names;
    for (UINT i = 0; i < filled.count; ++i) {
      const ToolbarItem& item = filled.items[i];
      names.push_back(item.pszText              ? item.pszText
                      : item.mask == ITEM_SPACE ? "<space>"
                                                : "<newline>");
    }
    return names;
  }
  std::vector<std::string> EntryNames() const {
    std::vector<std::string> names;
    for (const ButtonEntry& entry : Info()->entries) {
      names.push_back(std::to_string(entry.type) + entry.name);
    }
    return names;
  }

  CBarSettings m_settings;
};

using Names = std::vector<std::string>;

TEST_F(ToolbarFillTest, ABigFolderGivesItsFirst1024ItemsInEnumerationOrder) {
  TempFolder folder("fill1500");
  for (int i = 0; i < 1500; ++i) {
    ASSERT_TRUE(folder.AddFile("file" + std::to_string(i) + ".txt"));
  }
  AddToolbar(folder, qv::kKindNormal);
  m_settings.m_nMaxChars = 10;
  FilledItems filled;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  ASSERT_EQ(1024u, filled.count);

  // The same folder as the shell enumerates it.
  qv::ComPtr<IShellFolder> shellFolder;
  ASSERT_EQ(1, qv::BindToFolder(List(), shellFolder.GetAddressOf()));
  qv::ComPtr<IEnumIDList> items;
  ASSERT_EQ(S_OK, shellFolder->EnumObjects(
                      nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items));
  for (UINT i = 0; i < filled.count; ++i) {
    qv::UniqueIdList item;
    ASSERT_EQ(S_OK, items->Next(1, item.put(), nullptr));
    const ToolbarItem& record = filled.items[i];
    ASSERT_EQ(0, shellFolder->CompareIDs(0, item.get(), ItemIdList(record)))
        << i;
    EXPECT_EQ(kItemMaskIconText, record.mask);
    EXPECT_EQ(kItemTextMax, record.cchTextMax);
  }
  EXPECT_EQ(nullptr, filled.items[1024].pszText);
}

TEST_F(ToolbarFillTest, HiddenTypesGoByTheDisplayedExtensionIgnoringCase) {
  TempFolder folder("hidden");
  for (const char* name : {"a.TMP", "b.tmp", "c.txt", "noext"}) {
    ASSERT_TRUE(folder.AddFile(name));
  }
  ASSERT_TRUE(folder.AddShortcut("Editor.lnk", "C:\\windows\\notepad.exe"));
  AddToolbar(folder, qv::kKindNormal);
  m_settings.m_hiddenTypes = {"tmp\tTemporary files", "LNK\tShortcuts"};

  FilledItems filled;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  // The shortcut's display name shows no extension, so it stays.
  const Names shown = Texts(filled);
  EXPECT_EQ((std::set<std::string>{"c.txt", "noext", "Editor"}),
            std::set<std::string>(shown.begin(), shown.end()));
  EXPECT_EQ(kItemMaskIcon, filled.items[0].mask);

  m_settings.m_bShowAllFiles = 1;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  EXPECT_EQ(5u, filled.count);
}

TEST_F(ToolbarFillTest, CustomListDropsGoneAndHiddenFilesAndAppendsNewOnes) {
  TempFolder folder("order");
  for (const char* name : {"keep.txt", "new.txt", "old.tmp", "new.tmp"}) {
    ASSERT_TRUE(folder.AddFile(name));
  }
  ASSERT_TRUE(folder.AddFile("secret.txt", 0, FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(folder.AddShortcut("Editor.lnk", "C:\\windows\\notepad.exe"));
  AddToolbar(folder, qv::kKindCustom,
             {{qv::kEntryShownFile, "KEEP.txt"},
              {qv::kEntrySpace, ""},
              {qv::kEntryShownFile, "deleted.txt"},
              {qv::kEntryNewLine, ""},
              {qv::kEntryShownFile, "old.tmp"},
              {qv::kEntryShownFile, "Editor.lnk"}});
  m_settings.m_hiddenTypes = {"tmp\tTemporary files", "lnk\tShortcuts"};

  FilledItems filled;
  ASSERT_EQ(
      1, FillItemsFromOrder(List(), Info(), 0, m_settings, nullptr, &filled));
  // The list tests file names, so here the shortcut's type does hide it.
  EXPECT_EQ((Names{"3KEEP.txt", "1", "4", "3new.txt"}), EntryNames());
  EXPECT_EQ((Names{"keep.txt", "<space>", "<newline>", "new.txt"}),
            Texts(filled));
  EXPECT_EQ(0, filled.items[1].lParam);
  EXPECT_EQ(0, filled.items[1].iImage);
}

TEST_F(ToolbarFillTest, AFileGoneAfterTheSyncIsSkippedNotTheWholeToolbar) {
  TempFolder folder("vanish");
  ASSERT_TRUE(folder.AddFile("a.txt"));
  ASSERT_TRUE(folder.AddFile("b.txt"));
  AddToolbar(folder, qv::kKindCustom,
             {{qv::kEntryShownFile, "a.txt"},
              {qv::kEntryShownFile, "vanished.txt"},
              {qv::kEntryShownFile, "..\\b.txt"},
              {qv::kEntryShownFile, "b.txt"}});
  // Index -1 synchronises nothing: the entries stand as a list read just
  // before its file was removed.
  FilledItems filled;
  ASSERT_EQ(
      1, FillItemsFromOrder(List(), Info(), -1, m_settings, nullptr, &filled));
  EXPECT_EQ((Names{"a.txt", "b.txt"}), Texts(filled));
  EXPECT_EQ(4u, Info()->entries.size());
}

TEST_F(ToolbarFillTest, AFolderThatIsGoneFailsAndKeepsItsCustomList) {
  auto folder = std::make_unique<TempFolder>("gone");
  ASSERT_TRUE(folder->AddFile("a.txt"));
  AddToolbar(*folder, qv::kKindCustom, {{qv::kEntryShownFile, "a.txt"}});
  folder.reset();

  FilledItems filled;
  EXPECT_EQ(
      0, FillItemsFromOrder(List(), Info(), 0, m_settings, nullptr, &filled));
  SyncToolbarEntries(0, m_settings);
  EXPECT_EQ((Names{"3a.txt"}), EntryNames());
  EXPECT_EQ(0, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  EXPECT_EQ(0, FillItemsFromFolder(nullptr, m_settings, nullptr, &filled));
}

TEST_F(ToolbarFillTest, SortsByDateAndTypeFoldersFirstKeepingEveryRecord) {
  TempFolder folder("sort");
  const char* files[] = {"b.txt", "old.txt", "a.txt", "c.bmp", "new.txt"};
  const DWORD ages[] = {5, 9, 5, 7, 1};  // days before a fixed date
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(folder.AddFile(files[i], 100 - i));
    HANDLE file =
        ::CreateFileA((folder / files[i]).c_str(), FILE_WRITE_ATTRIBUTES, 0,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    ULARGE_INTEGER time;
    time.QuadPart = 132000000000000000ull - ages[i] * 864000000000ull;
    const FILETIME written = {time.LowPart, time.HighPart};
    ASSERT_TRUE(::SetFileTime(file, nullptr, nullptr, &written));
    ::CloseHandle(file);
  }
  ASSERT_TRUE(folder.AddFolder("zSub"));
  AddToolbar(folder, qv::kKindNormal);
  FilledItems filled;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  const std::set<LPARAM> lists = [&] {
    std::set<LPARAM> all;
    for (UINT i = 0; i < filled.count; ++i) all.insert(filled.items[i].lParam);
    return all;
  }();

  SortToolbarItems(List(), qv::kSortByDate, filled.items.get(), filled.count);
  EXPECT_EQ((Names{"zSub", "new.txt", "a.txt", "b.txt", "c.bmp", "old.txt"}),
            Texts(filled));
  SortToolbarItems(List(), qv::kSortBySize, filled.items.get(), filled.count);
  EXPECT_EQ((Names{"zSub", "new.txt", "c.bmp", "a.txt", "old.txt", "b.txt"}),
            Texts(filled));

  SHFILEINFOA bitmap = {}, text = {};
  ::SHGetFileInfoA((folder / "c.bmp").c_str(), 0, &bitmap, sizeof(bitmap),
                   SHGFI_TYPENAME);
  ::SHGetFileInfoA((folder / "a.txt").c_str(), 0, &text, sizeof(text),
                   SHGFI_TYPENAME);
  SortToolbarItems(List(), qv::kSortByType, filled.items.get(), filled.count);
  const bool bitmapFirst = ::lstrcmpiA(bitmap.szTypeName, text.szTypeName) < 0;
  Names expected = {"zSub", "a.txt", "b.txt", "new.txt", "old.txt"};
  expected.insert(bitmapFirst ? expected.begin() + 1 : expected.end(), "c.bmp");
  EXPECT_EQ(expected, Texts(filled))
      << bitmap.szTypeName << " / " << text.szTypeName;

  std::set<LPARAM> after;
  for (UINT i = 0; i < filled.count; ++i) after.insert(filled.items[i].lParam);
  EXPECT_EQ(lists, after);
}

TEST_F(ToolbarFillTest, ItemsWithoutFilesSortTooAndCustomOrderStays) {
  LPITEMIDLIST raw = nullptr;
  ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &raw));
  qv::UniqueIdList drives(raw);
  FilledItems filled;
  ASSERT_EQ(1, FillItemsFromFolder(drives.get(), m_settings, nullptr, &filled));
  ASSERT_GE(filled.count, 2u);
  const Names before = Texts(filled);
  SortToolbarItems(drives.get(), qv::kSortCustom, filled.items.get(),
                   filled.count);
  EXPECT_EQ(before, Texts(filled));
  for (UINT order = qv::kSortByName; order <= qv::kSortBySize; ++order) {
    SortToolbarItems(drives.get(), order, filled.items.get(), filled.count);
    Names sorted = Texts(filled);
    EXPECT_EQ(std::multiset<std::string>(before.begin(), before.end()),
              std::multiset<std::string>(sorted.begin(), sorted.end()));
  }
}

// The bar's members put each fill in its toolbar's place.
TEST_F(ToolbarFillTest, TheBarAppendsOrReplacesAToolbarsArrayAndSortsIt) {
  TempFolder folder("bar");
  for (const char* name : {"beta", "Alpha", "gamma"}) {
    ASSERT_TRUE(folder.AddFile(name));
  }
  FakeAppBarService service;
  CMfcAppBar bar(service);
  CBarSettings& settings = bar.m_settings;
  ASSERT_EQ(1, settings.AppendToolbar(
                   qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                   qv::kSortByName,
                   qv::ToolbarInfoPtr(qv::NewToolbarInfo(qv::kKindCustom))));
  LPCITEMIDLIST list = settings.m_folders[0].get();

  ASSERT_EQ(1, bar.FillFromFolder(list, 0, 1));
  bar.SortToolbar(0);
  ASSERT_EQ(1u, bar.m_itemArrays.size());
  FilledItems view{std::move(bar.m_itemArrays[0]), bar.m_itemCounts[0]};
  EXPECT_EQ((Names{"Alpha", "beta", "gamma"}), Texts(view));
  bar.m_itemArrays[0] = std::move(view.items);

  settings.m_toolbarInfos[0]->entries = {{qv::kEntryShownFile, "gamma"},
                                         {qv::kEntrySpace, ""}};
  ASSERT_EQ(1, bar.FillFromOrder(list, settings.m_toolbarInfos[0].get(), 0, 0));
  ASSERT_EQ(1u, bar.m_itemArrays.size());
  EXPECT_EQ(4u, bar.m_itemCounts[0]);  // gamma, the gap, then beta and Alpha
  EXPECT_EQ(0, bar.FillFromFolder(nullptr, 0, 1));
  EXPECT_EQ(1u, bar.m_itemArrays.size());
}

}  // namespace
