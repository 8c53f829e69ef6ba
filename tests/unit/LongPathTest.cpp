// tests/unit/LongPathTest.cpp: toolbars on folders whose paths outgrow the
// old 260-byte buffers (in characters, or only once they are UTF-8): they
// fill, and take a file dropped from a folder just as deep.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bar/BarWindow.h"
#include "framework/WideText.h"
#include "shell/FileSystemPath.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/HdropData.h"
#include "tests/unit/support/LinkFile.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/WaitForReads.h"
#include "toolbar/ButtonRow.h"

namespace {

// Nested folders under %TEMP%, made and removed through the "\\?\" form,
// which no MAX_PATH limit applies to.
class DeepFolder {
 public:
  DeepFolder(const std::wstring& tag, const std::wstring& level, int depth) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_levels.push_back(std::wstring(temp) + L"qv-" + tag + L"-" +
                       std::to_wstring(::GetCurrentProcessId()));
    for (int i = 1; i < depth; ++i)
      m_levels.push_back(m_levels.back() + L"\\" + level);
    for (const std::wstring& path : m_levels)
      ::CreateDirectoryW(qv::FileApiPath(path).c_str(), nullptr);
  }
  DeepFolder(const DeepFolder&) = delete;
  DeepFolder& operator=(const DeepFolder&) = delete;
  ~DeepFolder() {
    for (auto level = m_levels.rbegin(); level != m_levels.rend(); ++level) {
      for (const std::string& name : FolderNames(qv::Narrow(*level)))
        ::DeleteFileW(
            qv::FileApiPath(*level + L"\\" + qv::Widen(name)).c_str());
      ::RemoveDirectoryW(qv::FileApiPath(*level).c_str());
    }
  }

  std::wstring Wide() const { return m_levels.back(); }
  std::string Path() const { return qv::Narrow(m_levels.back()); }
  bool AddFile(const std::string& name) const {
    const HANDLE file = ::CreateFileW(
        qv::FileApiPath(Wide() + L"\\" + qv::Widen(name)).c_str(),
        GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
  }

 private:
  std::vector<std::wstring> m_levels;
};

class LongPathTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }
  void TearDown() override {
    if (m_bar.m_hWnd) m_bar.DestroyWindow();
  }

  // A bar whose one toolbar is `folder`'s, which must show its two files
  // and take a file of `source` dropped with the right button: a shortcut
  // to it lands in the folder.
  void ExpectToolbarFillsAndTakesADrop() {
    const DeepFolder& folder = *m_folder;
    const DeepFolder& source = *m_source;
    ASSERT_TRUE(folder.AddFile("a.txt"));
    ASSERT_TRUE(folder.AddFile("b.txt"));
    ASSERT_TRUE(source.AddFile("Dropped.txt"));

    m_user.SetDword("First Time", 0);
    CBarSettings settings;
    settings.m_nAlignment = qv::Edge::Top;
    settings.m_bShowTitle = 0;
    settings.m_bAnimate = 0;
    qv::UniqueIdList list(qv::PathToIdList(folder.Path(), nullptr));
    if (!list) GTEST_SKIP() << "this shell does not parse a path this long";
    EXPECT_EQ(folder.Path(), qv::FileSystemPath(list.get()));
    ASSERT_EQ(1, settings.AppendToolbar(std::move(list), qv::kSortByName,
                                        ToolbarInfo{}));
    ASSERT_EQ(1, settings.Save());
    ASSERT_TRUE(CreateAndRead(m_bar));
    ASSERT_EQ(1, m_bar.Settings().ToolbarCount()) << "the toolbar was dropped";
    ASSERT_TRUE(m_bar.Buttons(0));
    std::set<std::string> shown;
    for (const ToolbarButton& button : *m_bar.Buttons(0))
      shown.insert(button.name);
    EXPECT_EQ((std::set<std::string>{"a.txt", "b.txt"}), shown);

    RECT row{};
    ::GetWindowRect(*m_bar.Pane().GetRow(0), &row);
    const POINTL onRow{row.left + 4, row.top + 4};
    HdropData data(std::vector<std::wstring>{source.Wide() + L"\\Dropped.txt"});
    IDropTarget* target = &m_bar.DropTarget();
    DWORD effect = DROPEFFECT_LINK;
    EXPECT_EQ(S_OK, target->DragEnter(&data, MK_RBUTTON, onRow, &effect));
    ASSERT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), effect);
    EXPECT_EQ(S_OK, target->Drop(&data, 0, onRow, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), effect);
    EXPECT_EQ((std::set<std::string>{"a.txt", "b.txt", "Dropped.LNK"}),
              FolderNames(folder.Path()));
    EXPECT_EQ(source.Path() + "\\Dropped.txt",
              LinkFile::Read(folder.Path() + "\\Dropped.LNK").target);
  }

  ScratchCurrentUser m_user;
  FakeAppBarService m_shell;
  // Removed after the bar, which watches the toolbar's folder.
  std::optional<DeepFolder> m_folder;
  std::optional<DeepFolder> m_source;
  CBarWindow m_bar{m_shell};
};

TEST_F(LongPathTest, AFolderThreeHundredCharactersDeep) {
  // Wine's shell stops at MAX_PATH: its folders parse no deeper path and
  // list nothing in one, and its links keep no deeper target, so there this
  // test is skipped.
  m_folder.emplace(L"deep", std::wstring(60, L'd'), 6);
  m_source.emplace(L"source", std::wstring(60, L's'), 6);
  ASSERT_GT(m_folder->Wide().size(), 300u);
  ExpectToolbarFillsAndTakesADrop();
}

TEST_F(LongPathTest, AFolderWhosePathOutgrows260BytesOnlyAsUtf8) {
  ASSERT_EQ(static_cast<UINT>(CP_UTF8), ::GetACP());
  // Three bytes a character in UTF-8: about 200 characters, 550 bytes.
  m_folder.emplace(L"wide", std::wstring(40, L'\x6587'), 5);
  m_source.emplace(L"wide-source", std::wstring(40, L'\x6E90'), 5);
  ASSERT_LT(m_folder->Wide().size(), static_cast<size_t>(MAX_PATH));
  ASSERT_GT(m_folder->Path().size(), 500u);
  ExpectToolbarFillsAndTakesADrop();
}

}  // namespace
