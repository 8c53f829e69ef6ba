// tests/unit/DefaultToolbarsTest.cpp: the first start's toolbars against a
// scratch current-user key, a scratch App Paths registry and a scratch
// installation folder.
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

  // What an installation into `folder` registers.
  void Install(const std::string& pathValue) {
    ScratchLocalMachine::Register("Quorvane.exe", m_install / "Quorvane.exe",
                                  pathValue.c_str());
  }
  void RegisterIExplore() {
    ScratchLocalMachine::Register("IExplore.EXE", m_programs / "iexplore.exe");
  }

  // One first start, as the main window runs it on loaded settings.
  void FirstStart() {
    m_settings.Load();
    ASSERT_EQ(1u, m_settings.m_bFirstTime);
    ASSERT_EQ(1, CDefaultToolbars().Build(nullptr, m_settings));
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
        if (path == m_install / group) groups.push_back(group);
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
  TempFolder m_install{"install"};
  TempFolder m_programs{"programs"};
  CBarSettings m_settings;
};

TEST_F(DefaultToolbarsTest, SpecialFoldersThenGroupsAndTheSettingsSaved) {
  Install(m_install.path());
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

// "Path" may list more directories and end in a backslash: the groups go
// into the first directory either way.
TEST_F(DefaultToolbarsTest, GroupsInsideTheFirstDirectoryOfPath) {
  RegisterIExplore();
  for (const bool listed : {true, false}) {
    TempFolder install("install");
    const std::string pathValue =
        listed ? install.path() + "\\;D:\\other" : install.path();
    SCOPED_TRACE(pathValue);
    ScratchLocalMachine::Register("Quorvane.exe", install / "Quorvane.exe",
                                  pathValue.c_str());
    m_user.SetDword("First Time", 1);
    FirstStart();
    EXPECT_EQ((std::set<std::string>{"Internet Explorer.LNK"}),
              FolderNames(install / "Internet Tools"));
    EXPECT_EQ(install / "Internet Tools", ToolbarPaths().back());
  }
}

TEST_F(DefaultToolbarsTest, OnlyIExploreRegisteredGivesOneInternetShortcut) {
  Install(m_install.path());
  RegisterIExplore();
  FirstStart();

  EXPECT_EQ((std::set<std::string>{"Internet Explorer.LNK"}),
            FolderNames(m_install / "Internet Tools"));
  const LinkFile link =
      LinkFile::Read(m_install / "Internet Tools\\Internet Explorer.LNK");
  EXPECT_EQ(m_programs / "iexplore.exe", link.target);
  EXPECT_EQ("Shortcut to Internet Explorer", link.description);
  EXPECT_EQ("Internet Tools", GroupToolbars().back());
}

TEST_F(DefaultToolbarsTest, NoInternetProgramNoInternetFolderOrToolbar) {
  Install(m_install.path());
  FirstStart();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
            ::GetFileAttributesA((m_install / "Internet Tools").c_str()));
  for (const std::string& group : GroupToolbars())
    EXPECT_NE("Internet Tools", group);
}

// Both programs found; the second run finds the folders on disk: toolbars
// are added after the first run's, but no shortcut is made again.
TEST_F(DefaultToolbarsTest, ASecondFirstStartAddsToolbarsButNoShortcuts) {
  Install(m_install.path());
  RegisterIExplore();
  ScratchLocalMachine::Register("Netscape.exe", m_programs / "netscape.exe");
  FirstStart();
  const std::vector<std::string> first = ToolbarPaths();
  const std::set<std::string> internet =
      FolderNames(m_install / "Internet Tools");
  EXPECT_EQ((std::set<std::string>{"Internet Explorer.LNK",
                                   "Netscape Navigator.LNK"}),
            internet);
  std::vector<std::set<std::string>> contents;
  for (const char* group : kGroups)
    contents.push_back(FolderNames(m_install / group));

  m_user.SetDword("First Time", 1);
  FirstStart();
  const std::vector<std::string> both = ToolbarPaths();
  ASSERT_EQ(2 * first.size(), both.size());
  EXPECT_EQ(first, std::vector<std::string>(both.begin(),
                                            both.begin() + first.size()));
  EXPECT_EQ(first,
            std::vector<std::string>(both.begin() + first.size(), both.end()));
  for (size_t i = 0; i < 4; ++i)
    EXPECT_EQ(contents[i], FolderNames(m_install / kGroups[i])) << kGroups[i];
  EXPECT_EQ(both.size(), StoredDword("No. of Folders"));
}

// Without the installation's registration there is nowhere to put groups;
// likewise for a "Path" that names no directory, which would otherwise put
// them at the root of the current drive.
TEST_F(DefaultToolbarsTest, NoGroupsWithoutAnInstallationFolder) {
  RegisterIExplore();
  FirstStart();
  EXPECT_TRUE(GroupToolbars().empty());
  EXPECT_EQ(3u, m_settings.m_toolbars.size());
  EXPECT_EQ(0u, StoredDword("First Time"));

  Install(";D:\\other");
  m_user.SetDword("First Time", 1);
  FirstStart();
  EXPECT_TRUE(GroupToolbars().empty());
  EXPECT_EQ(6u, m_settings.m_toolbars.size());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("\\Internet Tools"));
}

}  // namespace
