// tests/unit/DefaultToolbarsTest.cpp: the first start's toolbars against a
// scratch current-user key, a scratch App Paths registry and a scratch
// folder of the user's application data.
#include "app/DefaultToolbars.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "settings/BarSettings.h"
#include "framework/Handles.h"
#include "tests/unit/support/LinkFile.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"

namespace {

constexpr char kAppPaths[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char* const kGroups[] = {"Multimedia", "Utilities", "System Tools",
                               "Internet Tools"};

// Points HKEY_LOCAL_MACHINE at an empty scratch key, so App Paths holds
// only what a test registers.
class ScratchLocalMachine {
 public:
  ScratchLocalMachine() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, m_key.put(), nullptr);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_key.get());
  }
  ~ScratchLocalMachine() {
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    m_key.reset();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
  }
  ScratchLocalMachine(const ScratchLocalMachine&) = delete;
  ScratchLocalMachine& operator=(const ScratchLocalMachine&) = delete;

  // Registers `exe` under App Paths with its path and, when given, "Path".
  static void Register(const std::string& exe, const std::string& path,
                       const char* pathValue = nullptr) {
    qv::UniqueHKey key;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kAppPaths + exe).c_str(),
                                0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                key.put(), nullptr));
    ::RegSetValueExA(key.get(), nullptr, 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(path.c_str()),
                     static_cast<DWORD>(path.size() + 1));
    if (pathValue)
      ::RegSetValueExA(key.get(), "Path", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(pathValue),
                       static_cast<DWORD>(std::strlen(pathValue) + 1));
  }

 private:
  static constexpr const char* kPath = "Software\\Quorvane Unit Machine";
  qv::UniqueHKey m_key;
};

std::string PathOf(LPCITEMIDLIST list) {
  char path[MAX_PATH] = {};
  return ::SHGetPathFromIDListA(list, path) ? path : "";
}

class DefaultToolbarsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }

  void SetUp() override {
    m_user.SetDword("First Time", 1);
    ASSERT_TRUE(m_programs.AddFile("iexplore.exe"));
    ASSERT_TRUE(m_programs.AddFile("netscape.exe"));
  }

  void RegisterIExplore() {
    ScratchLocalMachine::Register("IExplore.EXE", m_programs / "iexplore.exe");
  }

  // One first start, as the main window runs it on loaded settings.
  void FirstStart() {
    m_settings.Load();
    ASSERT_TRUE(m_settings.m_bFirstTime);
    ASSERT_EQ(1, CDefaultToolbars(m_groups).Build(nullptr, m_settings));
  }

  std::string InGroups(const std::string& name) const {
    return m_groups + "\\" + name;
  }

  std::vector<std::string> ToolbarPaths() const {
    std::vector<std::string> paths;
    for (const ToolbarRecord& toolbar : m_settings.m_toolbars)
      paths.push_back(PathOf(toolbar.folder.get()));
    return paths;
  }

  // The group folders the run made toolbars of, in toolbar order.
  std::vector<std::string> GroupToolbars() const {
    std::vector<std::string> groups;
    for (const std::string& path : ToolbarPaths())
      for (const char* group : kGroups)
        if (path == InGroups(group)) groups.push_back(group);
    return groups;
  }

  DWORD StoredDword(const char* name) const {
    DWORD value = 0xDEAD, size = sizeof value;
    ::RegGetValueA(HKEY_CURRENT_USER, "Software\\Veltmark\\Quorvane 1.5", name,
                   RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
  }

  ScratchCurrentUser m_user;
  ScratchLocalMachine m_machine;
  TempFolder m_appData{"appdata"};
  // Made by the first start, as in a new account.
  const std::string m_groups = m_appData / "Quorvane";
  TempFolder m_programs{"programs"};
  CBarSettings m_settings;
};

TEST_F(DefaultToolbarsTest, SpecialFoldersThenGroupsAndTheSettingsSaved) {
  RegisterIExplore();
  FirstStart();

  const size_t groups = GroupToolbars().size();
  ASSERT_GE(m_settings.m_toolbars.size(), 3u);
  EXPECT_EQ(m_settings.m_toolbars.size(), 3 + groups);  // Wine's shell has all
  for (const ToolbarRecord& toolbar : m_settings.m_toolbars) {
    EXPECT_EQ(qv::kSortByName, toolbar.sortOrder);
    EXPECT_EQ(qv::kKindNormal, toolbar.info.kind);
    EXPECT_TRUE(toolbar.info.entries.empty());
  }
  char recent[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, recent, CSIDL_RECENT, FALSE));
  EXPECT_EQ(recent, ToolbarPaths()[0]);

  EXPECT_EQ(0u, StoredDword("First Time"));
  EXPECT_EQ(m_settings.m_toolbars.size(), StoredDword("No. of Folders"));
  CBarSettings reloaded;
  ASSERT_EQ(1, reloaded.Load());
  EXPECT_EQ(m_settings.m_toolbars.size(), reloaded.m_toolbars.size());
}

TEST_F(DefaultToolbarsTest, OnlyIExploreRegisteredGivesOneInternetShortcut) {
  RegisterIExplore();
  FirstStart();

  EXPECT_EQ((std::set<std::string>{"Internet Explorer.LNK"}),
            FolderNames(InGroups("Internet Tools")));
  const LinkFile link =
      LinkFile::Read(InGroups("Internet Tools\\Internet Explorer.LNK"));
  EXPECT_EQ(m_programs / "iexplore.exe", link.target);
  EXPECT_EQ("Shortcut to Internet Explorer", link.description);
  EXPECT_EQ("Internet Tools", GroupToolbars().back());
}

TEST_F(DefaultToolbarsTest, NoInternetProgramNoInternetFolderOrToolbar) {
  FirstStart();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
            ::GetFileAttributesA(InGroups("Internet Tools").c_str()));
  for (const std::string& group : GroupToolbars())
    EXPECT_NE("Internet Tools", group);
}

// Both programs found; the second run finds the folders on disk: toolbars
// are added after the first run's, but no shortcut is made again.
TEST_F(DefaultToolbarsTest, ASecondFirstStartAddsToolbarsButNoShortcuts) {
  RegisterIExplore();
  ScratchLocalMachine::Register("Netscape.exe", m_programs / "netscape.exe");
  FirstStart();
  const std::vector<std::string> first = ToolbarPaths();
  const std::set<std::string> internet =
      FolderNames(InGroups("Internet Tools"));
  EXPECT_EQ((std::set<std::string>{"Internet Explorer.LNK",
                                   "Netscape Navigator.LNK"}),
            internet);
  std::vector<std::set<std::string>> contents;
  for (const char* group : kGroups)
    contents.push_back(FolderNames(InGroups(group)));

  m_user.SetDword("First Time", 1);
  FirstStart();
  const std::vector<std::string> both = ToolbarPaths();
  ASSERT_EQ(2 * first.size(), both.size());
  EXPECT_EQ(first, std::vector<std::string>(both.begin(),
                                            both.begin() + first.size()));
  EXPECT_EQ(first,
            std::vector<std::string>(both.begin() + first.size(), both.end()));
  for (size_t i = 0; i < 4; ++i)
    EXPECT_EQ(contents[i], FolderNames(InGroups(kGroups[i]))) << kGroups[i];
  EXPECT_EQ(both.size(), StoredDword("No. of Folders"));
}

// The groups go into the user's folder whatever the installation registers:
// its own folder is not the user's to write to. With no folder for them
// there are no groups, rather than groups at the root of the current drive.
TEST_F(DefaultToolbarsTest, GroupsOnlyInTheUsersFolder) {
  RegisterIExplore();
  TempFolder install("install");
  ScratchLocalMachine::Register("Quorvane.exe", install / "Quorvane.exe",
                                install.path().c_str());
  FirstStart();
  EXPECT_EQ("Internet Tools", GroupToolbars().back());
  EXPECT_TRUE(FolderNames(install.path()).empty());

  const size_t before = m_settings.m_toolbars.size();
  m_user.SetDword("First Time", 1);
  m_settings.Load();
  ASSERT_EQ(1, CDefaultToolbars("").Build(nullptr, m_settings));
  EXPECT_EQ(before + 3, m_settings.m_toolbars.size());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("\\Internet Tools"));
  EXPECT_EQ(0u, StoredDword("First Time"));
}

}  // namespace
