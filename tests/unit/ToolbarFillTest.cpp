// tests/unit/ToolbarFillTest.cpp: filling toolbars from real folders and
// custom lists under Wine's shell, keeping a custom list in step with its
// folder, and sorting the filled buttons.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/TempFolder.h"
#include "toolbar/ToolbarFill.h"
#include "toolbar/ToolbarSort.h"

namespace {

class ToolbarFillTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  static void TearDownTestSuite() { ::OleUninitialize(); }

  // The folder as the bar's only toolbar, of `kind`, with `entries`.
  void AddToolbar(const TempFolder& folder, int kind,
                  std::vector<ButtonEntry> entries = {}) {
    ASSERT_EQ(1, m_settings.AppendToolbar(
                     qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                     qv::kSortByName, ToolbarInfo{kind, std::move(entries)}));
  }
  ToolbarRecord& Record() { return *m_settings.Toolbar(0); }
  LPCITEMIDLIST List() { return Record().folder.get(); }

  static std::vector<std::string> Texts(const ToolbarButtons& buttons) {
    std::vector<std::string> names;
    for (const ToolbarButton& button : buttons) {
      names.push_back(button.kind == ToolbarButton::Kind::kItem ? button.name
                      : button.kind == ToolbarButton::Kind::kSpace
                          ? "<space>"
                          : "<newline>");
    }
    return names;
  }
  static std::set<LPCITEMIDLIST> Lists(const ToolbarButtons& buttons) {
    std::set<LPCITEMIDLIST> lists;
    for (const ToolbarButton& button : buttons) lists.insert(button.item.get());
    return lists;
  }
  std::vector<std::string> EntryNames() {
    std::vector<std::string> names;
    for (const ButtonEntry& entry : Record().info.entries) {
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
  ToolbarButtons filled;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  ASSERT_EQ(kMaxToolbarButtons, filled.size());

  // The same folder as the shell enumerates it.
  qv::ComPtr<IShellFolder> shellFolder;
  ASSERT_EQ(1, qv::BindToFolder(List(), shellFolder.GetAddressOf()));
  qv::ComPtr<IEnumIDList> items;
  ASSERT_EQ(S_OK, shellFolder->EnumObjects(
                      nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items));
  for (size_t i = 0; i < filled.size(); ++i) {
    qv::UniqueIdList item;
    ASSERT_EQ(S_OK, items->Next(1, item.put(), nullptr));
    const ToolbarButton& button = filled[i];
    ASSERT_EQ(ToolbarButton::Kind::kItem, button.kind);
    ASSERT_EQ(0, shellFolder->CompareIDs(0, item.get(), button.item.get()))
        << i;
    ASSERT_EQ(0, button.name.rfind("file", 0)) << button.name;
  }
}

// The names are learnt once per type: every item must still be named as the
// shell names it, with or without a desktop.ini that may rename any item.
TEST_F(ToolbarFillTest, ButtonsAreNamedAsTheShellNamesEachItem) {
  TempFolder folder("names");
  for (const char* name :
       {"a.txt", "B.TXT", "c.Txt", "noext", "other", "x.tar.gz", "y.gz"}) {
    ASSERT_TRUE(folder.AddFile(name));
  }
  ASSERT_TRUE(folder.AddFolder("dir.txt"));
  ASSERT_TRUE(folder.AddShortcut("One.lnk", "C:\\windows\\notepad.exe"));
  ASSERT_TRUE(folder.AddShortcut("Two.lnk", "C:\\windows\\notepad.exe"));
  AddToolbar(folder, qv::kKindNormal);
  m_settings.m_bShowAllFiles = 1;
  qv::ComPtr<IShellFolder> shellFolder;
  ASSERT_EQ(1, qv::BindToFolder(List(), shellFolder.GetAddressOf()));
  for (bool ini : {false, true}) {
    if (ini) {
      ASSERT_TRUE(folder.AddFile(
          "desktop.ini", 0, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    }
    ToolbarButtons filled;
    ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
    ASSERT_EQ(10u, filled.size());
    for (const ToolbarButton& button : filled) {
      char shown[qv::kMaxShellName + 1];
      ASSERT_EQ(1, qv::GetItemDisplayName(shellFolder.Get(), button.item.get(),
                                          SHGDN_NORMAL, shown));
      EXPECT_EQ(shown, button.name) << ini;
    }
  }
}

TEST_F(ToolbarFillTest, HiddenTypesGoByTheDisplayedExtensionIgnoringCase) {
  TempFolder folder("hidden");
  for (const char* name : {"a.TMP", "b.tmp", "c.txt", "noext"}) {
    ASSERT_TRUE(folder.AddFile(name));
  }
  ASSERT_TRUE(folder.AddShortcut("Editor.lnk", "C:\\windows\\notepad.exe"));
  AddToolbar(folder, qv::kKindNormal);
  m_settings.m_hiddenTypes = {"tmp\tTemporary files", "LNK\tShortcuts"};

  ToolbarButtons filled;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  // The shortcut's display name shows no extension, so it stays.
  const Names shown = Texts(filled);
  EXPECT_EQ((std::set<std::string>{"c.txt", "noext", "Editor"}),
            std::set<std::string>(shown.begin(), shown.end()));

  m_settings.m_bShowAllFiles = 1;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  EXPECT_EQ(5u, filled.size());
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
              {qv::kEntryShownFile, "..\\order\\keep.txt"},
              {qv::kEntryNewLine, ""},
              {qv::kEntryShownFile, "old.tmp"},
              {qv::kEntryShownFile, "Editor.lnk"}});
  m_settings.m_hiddenTypes = {"tmp\tTemporary files", "lnk\tShortcuts"};

  ToolbarButtons filled;
  EXPECT_TRUE(SyncToolbarEntries(Record(), m_settings));
  EXPECT_FALSE(SyncToolbarEntries(Record(), m_settings));
  ASSERT_EQ(1, FillItemsFromOrder(Record(), m_settings, nullptr, &filled));
  // The list tests file names, so here the shortcut's type does hide it; a
  // name reaching out of the folder is no file of it.
  EXPECT_EQ((Names{"3KEEP.txt", "1", "4", "3new.txt"}), EntryNames());
  EXPECT_EQ((Names{"keep.txt", "<space>", "<newline>", "new.txt"}),
            Texts(filled));
  EXPECT_FALSE(filled[1].item);
  EXPECT_FALSE(filled[2].item);
  EXPECT_TRUE(filled[3].item);
}

TEST_F(ToolbarFillTest, AFolderThatIsGoneFailsAndKeepsItsCustomList) {
  auto folder = std::make_unique<TempFolder>("gone");
  ASSERT_TRUE(folder->AddFile("a.txt"));
  AddToolbar(*folder, qv::kKindCustom, {{qv::kEntryShownFile, "a.txt"}});
  folder.reset();

  ToolbarButtons filled(1);
  EXPECT_EQ(0, FillItemsFromOrder(Record(), m_settings, nullptr, &filled));
  SyncToolbarEntries(Record(), m_settings);
  EXPECT_EQ((Names{"3a.txt"}), EntryNames());
  EXPECT_EQ(0, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  EXPECT_EQ(0, FillItemsFromFolder(nullptr, m_settings, nullptr, &filled));
  EXPECT_EQ(1u, filled.size());  // a failed fill leaves the buttons alone
}

TEST_F(ToolbarFillTest, SortsByDateAndTypeFoldersFirstKeepingEveryButton) {
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
  ToolbarButtons filled;
  ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
  const std::set<LPCITEMIDLIST> lists = Lists(filled);

  SortToolbarItems(List(), qv::kSortByDate, filled);
  EXPECT_EQ((Names{"zSub", "new.txt", "a.txt", "b.txt", "c.bmp", "old.txt"}),
            Texts(filled));
  SortToolbarItems(List(), qv::kSortBySize, filled);
  EXPECT_EQ((Names{"zSub", "new.txt", "c.bmp", "a.txt", "old.txt", "b.txt"}),
            Texts(filled));

  SHFILEINFOA bitmap = {}, text = {};
  ::SHGetFileInfoA((folder / "c.bmp").c_str(), 0, &bitmap, sizeof(bitmap),
                   SHGFI_TYPENAME);
  ::SHGetFileInfoA((folder / "a.txt").c_str(), 0, &text, sizeof(text),
                   SHGFI_TYPENAME);
  SortToolbarItems(List(), qv::kSortByType, filled);
  const bool bitmapFirst = ::lstrcmpiA(bitmap.szTypeName, text.szTypeName) < 0;
  Names expected = {"zSub", "a.txt", "b.txt", "new.txt", "old.txt"};
  expected.insert(bitmapFirst ? expected.begin() + 1 : expected.end(), "c.bmp");
  EXPECT_EQ(expected, Texts(filled))
      << bitmap.szTypeName << " / " << text.szTypeName;
  EXPECT_EQ(lists, Lists(filled));
}

TEST_F(ToolbarFillTest, ItemsWithoutFilesSortTooAndCustomOrderStays) {
  LPITEMIDLIST raw = nullptr;
  ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &raw));
  qv::UniqueIdList drives(raw);
  ToolbarButtons filled;
  ASSERT_EQ(1, FillItemsFromFolder(drives.get(), m_settings, nullptr, &filled));
  ASSERT_GE(filled.size(), 2u);
  const Names before = Texts(filled);
  SortToolbarItems(drives.get(), qv::kSortCustom, filled);
  EXPECT_EQ(before, Texts(filled));
  for (UINT order = qv::kSortByName; order <= qv::kSortBySize; ++order) {
    SortToolbarItems(drives.get(), order, filled);
    Names sorted = Texts(filled);
    EXPECT_EQ(std::multiset<std::string>(before.begin(), before.end()),
              std::multiset<std::string>(sorted.begin(), sorted.end()));
  }
}

// Only a custom toolbar in custom order shows its list; any other toolbar
// shows its folder sorted.
TEST_F(ToolbarFillTest, FillToolbarShowsTheCustomListOrTheSortedFolder) {
  TempFolder folder("fill");
  for (const char* name : {"beta", "Alpha", "gamma"}) {
    ASSERT_TRUE(folder.AddFile(name));
  }
  AddToolbar(folder, qv::kKindCustom,
             {{qv::kEntryShownFile, "gamma"}, {qv::kEntrySpace, ""}});
  ToolbarButtons filled;
  ASSERT_EQ(1, FillToolbar(Record(), m_settings, nullptr, &filled));
  EXPECT_EQ((Names{"Alpha", "beta", "gamma"}), Texts(filled));

  Record().sortOrder = qv::kSortCustom;
  SyncToolbarEntries(Record(), m_settings);
  ASSERT_EQ(1, FillToolbar(Record(), m_settings, nullptr, &filled));
  const Names custom = Texts(filled);
  ASSERT_EQ(4u, custom.size());  // the list, then the files new to it
  EXPECT_EQ((Names{"gamma", "<space>"}),
            Names(custom.begin(), custom.begin() + 2));

  Record().info.kind = qv::kKindNormal;
  ASSERT_EQ(1, FillToolbar(Record(), m_settings, nullptr, &filled));
  EXPECT_EQ(3u, filled.size());
}

// An .ico file of one 16 x 16 picture in `color`.
bool WriteIcon(const std::string& path, DWORD color) {
  const DWORD pixels = 16 * 16;
  std::vector<BYTE> bytes(6 + 16 + sizeof(BITMAPINFOHEADER) + pixels * 4 +
                          16 * 4);
  const DWORD imageSize = static_cast<DWORD>(bytes.size() - 22);
  BYTE* p = bytes.data();
  p[2] = 1;                                     // an icon
  p[4] = 1;                                     // one picture
  p[6] = 16, p[7] = 16, p[12] = 1, p[14] = 32;  // 16 x 16, 32 bits
  std::memcpy(p + 14, &imageSize, 4);
  const DWORD offset = 22;
  std::memcpy(p + 18, &offset, 4);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = 16;
  header.biHeight = 32;  // the picture and its mask
  header.biPlanes = 1;
  header.biBitCount = 32;
  std::memcpy(p + 22, &header, sizeof header);
  for (DWORD i = 0; i < pixels; ++i)
    std::memcpy(p + 22 + sizeof header + i * 4, &color, 4);
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool ok =
      file != INVALID_HANDLE_VALUE &&
      ::WriteFile(file, p, static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  return ok;
}

// A file type registered for the test's length: its files show their own
// icon ("%1") or the one icon `icon` names.
class TestFileType {
 public:
  TestFileType(const char* extension, const std::string& icon)
      : m_extension(extension), m_class(std::string("Qv") + (extension + 1)) {
    SetDefault(m_extension, m_class);
    SetDefault(m_class + "\\DefaultIcon", icon);
  }
  TestFileType(const TestFileType&) = delete;
  TestFileType& operator=(const TestFileType&) = delete;
  ~TestFileType() {
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, m_extension.c_str());
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, m_class.c_str());
  }

 private:
  static void SetDefault(const std::string& subkey, const std::string& value) {
    qv::UniqueHKey key;
    ::RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    ::RegSetValueExA(key.get(), nullptr, 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  }

  std::string m_extension;
  std::string m_class;
};

// Icons asked once per type must be the ones asked item by item; every kind
// of item whose icon may be its own is left to be asked item by item.
TEST_F(ToolbarFillTest, IconsAreThoseOfTheItemByItemRequest) {
  TempFolder folder("icons");
  for (const char* name :
       {"a.txt", "b.TXT", "c.bmp", "d.bmp", "noext", "e.", "f.unknowntype"})
    ASSERT_TRUE(folder.AddFile(name));
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  for (const char* program : {"notepad.exe", "regedit.exe"})
    ASSERT_TRUE(::CopyFileA((std::string(windows) + "\\" + program).c_str(),
                            (folder / program).c_str(), FALSE));
  ASSERT_TRUE(folder.AddFile("empty.exe"));
  ASSERT_TRUE(folder.AddShortcut("Editor.lnk", "C:\\windows\\notepad.exe"));
  ASSERT_TRUE(folder.AddShortcut("Registry.lnk", "C:\\windows\\regedit.exe"));
  ASSERT_TRUE(folder.AddShortcut("Windows.lnk", windows));
  ASSERT_TRUE(WriteIcon(folder / "red.ico", 0xFFFF0000));
  ASSERT_TRUE(WriteIcon(folder / "blue.ico", 0xFF0000FF));
  // Types whose class says whether the file or the type has the icon.
  const TestFileType own(".qvown", "%1"),
      shared(".qvshared", folder / "red.ico");
  ASSERT_TRUE(WriteIcon(folder / "red.qvown", 0xFFFF0000));
  ASSERT_TRUE(WriteIcon(folder / "blue.qvown", 0xFF0000FF));
  ASSERT_TRUE(folder.AddFile("one.qvshared"));
  ASSERT_TRUE(folder.AddFile("two.qvshared"));
  ASSERT_TRUE(folder.AddFolder("plain"));
  ASSERT_TRUE(folder.AddFolder("other"));
  ASSERT_TRUE(folder.AddFolder("marked"));
  ASSERT_TRUE(::SetFileAttributesA((folder / "marked").c_str(),
                                   FILE_ATTRIBUTE_READONLY));
  AddToolbar(folder, qv::kKindNormal);
  m_settings.m_bShowAllFiles = 1;

  qv::ComPtr<IShellFolder> shellFolder;
  ASSERT_EQ(1, qv::BindToFolder(List(), shellFolder.GetAddressOf()));
  for (UINT small : {1u, 0u}) {
    m_settings.m_bSmallIcons = small;
    ToolbarButtons filled;
    ASSERT_EQ(1, FillItemsFromFolder(List(), m_settings, nullptr, &filled));
    ASSERT_EQ(22u, filled.size());
    std::set<std::string> own;
    for (const ToolbarButton& button : filled) {
      if (button.ownIcon) {
        own.insert(button.name);
        continue;
      }
      qv::UniqueIdList absolute(qv::ConcatIdLists(List(), button.item.get()));
      EXPECT_EQ(
          qv::GetSysIconIndex(absolute.get(), small ? qv::kSmallIconIndexFlags
                                                    : qv::kLargeIconIndexFlags),
          button.image)
          << button.name << (small ? " small" : " large");
    }
    // The marked folder's icon is its own only where the file system keeps
    // the mark on a folder (Wine does not); "e." is named "e".
    own.erase("marked");
    EXPECT_EQ((std::set<std::string>{"blue.ico", "blue.qvown", "e", "Editor",
                                     "empty.exe", "noext", "notepad.exe",
                                     "red.ico", "red.qvown", "Registry",
                                     "regedit.exe", "Windows"}),
              own);
  }
}

}  // namespace
