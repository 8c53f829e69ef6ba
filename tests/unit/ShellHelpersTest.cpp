// tests/unit/ShellHelpersTest.cpp: the shell namespace helpers against Wine's
// real shell (desktop, a temporary folder with files, the system image list)
// and against a stub folder for the string forms the real one never returns.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "framework/Handles.h"
#include "tests/unit/support/StubShellFolder.h"
#include "shell/ShellHelpers.h"

namespace {

class ShellHelpersTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  }
  static void TearDownTestSuite() { ::OleUninitialize(); }

  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(0u, ::GetTempPathA(MAX_PATH, temp));
    m_root = std::string(temp) + "qv-shell-" +
             std::to_string(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryA(m_root.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryA(Path("Sub").c_str(), nullptr));
    for (const char* file : {"alpha.txt", "archive.tar.gz"}) {
      HANDLE h = ::CreateFileA(Path(file).c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(INVALID_HANDLE_VALUE, h);
      ::CloseHandle(h);
    }
  }

  void TearDown() override {
    ::DeleteFileA(Path("alpha.txt").c_str());
    ::DeleteFileA(Path("archive.tar.gz").c_str());
    ::RemoveDirectoryA(Path("Sub").c_str());
    ::RemoveDirectoryA(m_root.c_str());
  }

  std::string Path(const char* name) const { return m_root + "\\" + name; }

  std::string m_root;
};

qv::UniqueIdList Owned(LPITEMIDLIST list) { return qv::UniqueIdList(list); }

TEST_F(ShellHelpersTest, SplitsAndJoinsRealListsAsTheShellMeasuresThem) {
  auto sub = Owned(qv::PathToIdList(Path("Sub"), nullptr));
  auto root = Owned(qv::PathToIdList(m_root, nullptr));
  ASSERT_TRUE(sub && root);
  EXPECT_EQ(::ILGetSize(sub.get()), qv::GetIdListSize(sub.get()));

  auto parent = Owned(qv::CopyParentIdList(sub.get()));
  ASSERT_TRUE(parent);
  EXPECT_TRUE(::ILIsEqual(parent.get(), root.get()));

  auto last = Owned(qv::CopyLastItemId(sub.get()));
  ASSERT_TRUE(last);
  EXPECT_EQ(::ILFindLastID(sub.get())->mkid.cb + 2u,
            qv::GetIdListSize(last.get()));

  auto joined = Owned(qv::ConcatIdLists(parent.get(), last.get()));
  ASSERT_TRUE(joined);
  EXPECT_TRUE(::ILIsEqual(joined.get(), sub.get()));
  auto copy = Owned(qv::ConcatIdLists(nullptr, sub.get()));
  ASSERT_TRUE(copy);
  EXPECT_NE(sub.get(), copy.get());
  EXPECT_TRUE(::ILIsEqual(copy.get(), sub.get()));
}

TEST_F(ShellHelpersTest, TheDesktopHasNoParentNoLastItemAndNoBoundFolder) {
  LPITEMIDLIST raw = nullptr;
  ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &raw));
  auto desktop = Owned(raw);
  EXPECT_EQ(2u, qv::GetIdListSize(desktop.get()));
  EXPECT_EQ(0u, qv::GetIdListSize(nullptr));
  EXPECT_FALSE(qv::CopyParentIdList(desktop.get()));
  EXPECT_FALSE(qv::CopyLastItemId(desktop.get()));

  // A folder straight on the desktop has no parent below the desktop either.
  LPITEMIDLIST drives = nullptr;
  ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives));
  auto myComputer = Owned(drives);
  EXPECT_FALSE(qv::CopyParentIdList(myComputer.get()));

  IShellFolder* untouched = reinterpret_cast<IShellFolder*>(&raw);
  IShellFolder* folder = untouched;
  EXPECT_EQ(1, qv::BindToFolder(desktop.get(), &folder));
  EXPECT_EQ(untouched, folder);
  EXPECT_EQ(0, qv::BindToFolder(nullptr, &folder));
}

TEST_F(ShellHelpersTest, BoundFoldersNameTheirItems) {
  auto root = Owned(qv::PathToIdList(m_root, nullptr));
  ASSERT_TRUE(root);
  qv::ComPtr<IShellFolder> folder;
  ASSERT_EQ(1, qv::BindToFolder(root.get(), folder.GetAddressOf()));
  ASSERT_TRUE(folder);

  char name[qv::kMaxShellName + 1];
  for (const char* item : {"alpha.txt", "archive.tar.gz", "Sub"}) {
    auto full = Owned(qv::PathToIdList(Path(item), nullptr));
    ASSERT_TRUE(full) << item;
    auto relative = Owned(qv::CopyLastItemId(full.get()));
    ASSERT_EQ(1, qv::GetItemDisplayName(folder.Get(), relative.get(),
                                        SHGDN_NORMAL, name));
    EXPECT_STREQ(item, name);
  }
}

TEST_F(ShellHelpersTest, PathsRoundTripThroughIdLists) {
  const std::string file = Path("archive.tar.gz");
  auto list = Owned(qv::PathToIdList(file.c_str(), nullptr));
  ASSERT_TRUE(list);
  char back[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetPathFromIDListA(list.get(), back));
  EXPECT_EQ(0, ::lstrcmpiA(file.c_str(), back)) << back;

  EXPECT_FALSE(qv::PathToIdList(Path("no such file.txt"), nullptr));
  EXPECT_FALSE(qv::PathToIdList(nullptr, nullptr));
  // Longer than the wide buffer: refused, not passed on unterminated.
  EXPECT_FALSE(qv::PathToIdList("C:\\" + std::string(300, 'x'), nullptr));
}

TEST_F(ShellHelpersTest, IconIndexesPointIntoTheSmallSystemImageList) {
  // A folder and a document have different icons, so agreement between the
  // overloads means each really looked at its own item.
  const std::string file = Path("alpha.txt");
  const std::string sub = Path("Sub");
  auto list = Owned(qv::PathToIdList(file, nullptr));
  auto subList = Owned(qv::PathToIdList(sub, nullptr));
  ASSERT_TRUE(list && subList);
  const int index = qv::GetSysIconIndex(list.get(), qv::kSmallIconIndexFlags);
  const int subIndex =
      qv::GetSysIconIndex(subList.get(), qv::kSmallIconIndexFlags);
  EXPECT_NE(index, subIndex);
  // The image list grows as items are first asked for, so count afterwards.
  SHFILEINFOA info = {};
  auto images = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
      "C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  ASSERT_NE(nullptr, images);
  const int count = ::ImageList_GetImageCount(images);
  for (int i : {index, subIndex}) {
    EXPECT_GE(i, 0);
    EXPECT_LT(i, count);
  }
  // The path overload ignores the ID-list flag the small-icon flags carry;
  // the list overload adds it when it is missing.
  EXPECT_EQ(index, qv::GetSysIconIndex(file.c_str(), qv::kSmallIconIndexFlags));
  EXPECT_EQ(subIndex,
            qv::GetSysIconIndex(sub.c_str(), qv::kSmallIconIndexFlags));
  EXPECT_EQ(subIndex, qv::GetSysIconIndex(
                          subList.get(), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

// A folder that answers GetDisplayNameOf with a prepared result and refuses
// everything else.
class StubFolder : public StubShellFolder {
 public:
  HRESULT result = S_OK;
  STRRET answer = {};
  std::wstring wide;  // handed out as a fresh STRRET_WSTR when set

  STDMETHODIMP GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF,
                                STRRET* name) override {
    *name = answer;
    if (!wide.empty()) {
      const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
      name->uType = STRRET_WSTR;
      name->pOleStr = static_cast<LPWSTR>(::CoTaskMemAlloc(bytes));
      memcpy(name->pOleStr, wide.c_str(), bytes);
    }
    return result;
  }
};

// A one-item list: two bytes of folder data, then "readme.txt" and its zero.
const unsigned char kItem[] = {15,  0,   0x11, 0x22, 'r', 'e', 'a', 'd', 'm',
                               'e', '.', 't',  'x',  't', 0,   0,   0};
LPCITEMIDLIST ItemList() { return reinterpret_cast<LPCITEMIDLIST>(kItem); }

// Asks the stub for a name into a buffer with a guard area behind the
// 261 bytes callers own; "<failed>" when the helper answers 0.
std::string NameFrom(StubFolder& folder) {
  char buffer[qv::kMaxShellName + 1 + 16];
  memset(buffer, '#', sizeof(buffer));
  const int ok =
      qv::GetItemDisplayName(&folder, ItemList(), SHGDN_NORMAL, buffer);
  for (size_t i = qv::kMaxShellName + 1; i < sizeof(buffer); ++i) {
    EXPECT_EQ('#', buffer[i]) << "written past the name buffer at " << i;
  }
  return ok ? std::string(buffer) : "<failed>";
}

TEST(ShellHelpersDisplayName, ConvertsEveryStringFormTheShellReturns) {
  StubFolder folder;
  folder.wide = L"Wide Name.txt";
  EXPECT_EQ("Wide Name.txt", NameFrom(folder));

  StubFolder offset;
  offset.answer.uType = STRRET_OFFSET;
  offset.answer.uOffset = 4;
  EXPECT_EQ("readme.txt", NameFrom(offset));

  StubFolder ansi;
  ansi.answer.uType = STRRET_CSTR;
  strcpy(ansi.answer.cStr, "Ansi Name");
  EXPECT_EQ("Ansi Name", NameFrom(ansi));
}

TEST(ShellHelpersDisplayName, RefusesFailuresAndUnknownForms) {
  StubFolder notOk;
  notOk.result = S_FALSE;
  notOk.wide = L"freed, not used";
  EXPECT_EQ("<failed>", NameFrom(notOk));

  StubFolder failed;
  failed.result = E_FAIL;
  EXPECT_EQ("<failed>", NameFrom(failed));

  StubFolder unknown;
  unknown.answer.uType = 7;
  EXPECT_EQ("<failed>", NameFrom(unknown));

  StubFolder outside;
  outside.answer.uType = STRRET_OFFSET;
  outside.answer.uOffset = 4000;
  EXPECT_EQ("<failed>", NameFrom(outside));

  char name[qv::kMaxShellName + 1];
  EXPECT_EQ(0, qv::GetItemDisplayName(nullptr, ItemList(), 0, name));
}

TEST(ShellHelpersDisplayName, OverlongNamesAreCutAndTerminated) {
  StubFolder wide;
  wide.wide = std::wstring(300, L'w');
  EXPECT_EQ(std::string(qv::kMaxShellName - 1, 'w'), NameFrom(wide));

  StubFolder ansi;
  ansi.answer.uType = STRRET_CSTR;
  memset(ansi.answer.cStr, 'c', sizeof(ansi.answer.cStr));  // no terminator
  EXPECT_EQ(std::string(sizeof(ansi.answer.cStr), 'c'), NameFrom(ansi));
}

}  // namespace
