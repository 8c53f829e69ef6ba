// tests/e2e/InstallerTest.cpp: Setup.exe run silently as a user would from a
// script: what it installs and registers, the Start Menu shortcut and the
// start at sign-in, the first start of the installed bar, an upgrade and an
// uninstall while the bar runs, and the silent uninstaller taking all of it
// away again.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::RunCommand;
using e2e::SettingsKey;

namespace {

constexpr char kAppPaths[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quorvane.exe";
constexpr char kUninstall[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane 1.5";
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kGroups[] = {"Multimedia", "Utilities", "System Tools",
                               "Internet Tools"};

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> MachineString(const char* key, const char* name) {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

// The bar's start at sign-in, for every user, when there is one.
std::optional<std::string> RunValue() {
  return MachineString(kRun, "Quorvane");
}

// Where the first start of the installed bar makes its program groups.
std::string UserGroups() {
  char appData[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
  return std::string(appData) + "\\Quorvane";
}

// The process of the session's bar window, when there is one.
DWORD RunningBar() {
  HWND bar = ::FindWindowA("Quorvane.Bar", nullptr);
  DWORD id = 0;
  if (bar) ::GetWindowThreadProcessId(bar, &id);
  return id;
}

DWORD WaitForBar(DWORD notThisOne) {
  for (int i = 0; i < 200; ++i) {
    const DWORD id = RunningBar();
    if (id && id != notThisOne) return id;
    ::Sleep(100);
  }
  return 0;
}

std::string StartMenuShortcut() {
  char programs[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, programs);
  return std::string(programs) + "\\Quorvane.lnk";
}

bool MachineKeyExists(const char* path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return false;
  ::RegCloseKey(key);
  return true;
}

// The version a file's resource states: the fixed file version as
// "a.b.c.d", then its "ProductName" and "ProductVersion" strings.
std::string VersionOf(const std::string& path) {
  std::vector<char> block(::GetFileVersionInfoSizeA(path.c_str(), nullptr));
  if (block.empty() ||
      !::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()),
                             block.data()))
    return "no version resource";
  void* fixedData = nullptr;
  void* translationData = nullptr;
  UINT size = 0;
  if (!::VerQueryValueA(block.data(), "\\", &fixedData, &size) ||
      size < sizeof(VS_FIXEDFILEINFO) ||
      !::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        &translationData, &size) ||
      size < 2 * sizeof(WORD))
    return "incomplete version resource";
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(fixedData);
  const auto* translation = static_cast<const WORD*>(translationData);
  std::string text = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                     std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                     std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                     std::to_string(LOWORD(fixed->dwFileVersionLS));
  char table[16];
  std::snprintf(table, sizeof table, "%04x%04x", translation[0],
                translation[1]);
  for (const char* key : {"ProductName", "ProductVersion"}) {
    const std::string query =
        std::string("\\StringFileInfo\\") + table + "\\" + key;
    char* value = nullptr;
    text += ' ';
    if (::VerQueryValueA(block.data(), query.c_str(),
                         reinterpret_cast<void**>(&value), &size) &&
        value)
      text += value;
  }
  return text;
}

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string dir = e2e::BarExePath();
    m_setup = dir.substr(0, dir.find_last_of('\\') + 1) + "Setup.exe";
    // Setup.exe is part of the build: a missing one is a failure.
    ASSERT_TRUE(Exists(m_setup)) << "no Setup.exe (makensis missing?)";
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_dir = std::string(temp) + "qv-installed-" +
            std::to_string(::GetCurrentProcessId());
    SettingsKey::Delete();
  }
  void TearDown() override {
    if (Exists(m_dir + "\\Uninstall.exe")) Uninstall();
    SettingsKey::Delete();
    // Never leave the prefix starting a bar at its next session.
    ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kRun, "Quorvane");
  }

  // Setup's exit code.
  DWORD RunSetup(const std::string& options = "") {
    // NSIS takes the folder unquoted, as the last argument.
    return RunCommand("\"" + m_setup + "\" /S " + options +
                      (m_dir.empty() ? "" : " /D=" + m_dir));
  }
  void Install(const std::string& options = "") {
    ASSERT_EQ(0u, RunSetup(options));
  }
  // The uninstaller copies itself away and returns at once: wait for its
  // work to show, up to the settings key, which it removes last.
  void Uninstall() {
    ASSERT_EQ(0u, RunCommand("\"" + m_dir + "\\Uninstall.exe\" /S"));
    for (int i = 0; i < 300 && (Exists(m_dir) || SettingsKey::Exists()); ++i)
      ::Sleep(100);
  }

  std::string m_setup;
  std::string m_dir;
};

TEST_F(InstallerTest, InstallsFirstStartBuildsToolbarsUninstallRemovesAll) {
  Install("/STARTATSIGNIN=1");
  const std::string exe = m_dir + "\\Quorvane.exe";
  EXPECT_TRUE(Exists(exe));
  EXPECT_TRUE(Exists(StartMenuShortcut()));
  EXPECT_EQ("\"" + exe + "\"", RunValue().value_or(""));
  EXPECT_EQ(exe, MachineString(kAppPaths, nullptr).value_or(""));
  EXPECT_EQ(m_dir, MachineString(kAppPaths, "Path").value_or(""));
  // The settings are the user's bar's to make.
  EXPECT_FALSE(SettingsKey::Exists());

  BarProcess bar;
  ASSERT_TRUE(bar.StartExe(exe, 30000));
  bar.Settle();
  // Wine's Windows folder has Explorer and Notepad: a Utilities group at
  // least, in the user's own folder.
  int groups = 0;
  for (const char* group : kGroups) {
    groups += Exists(UserGroups() + "\\" + group);
    EXPECT_FALSE(Exists(m_dir + "\\" + group));
  }
  EXPECT_TRUE(Exists(UserGroups() + "\\Utilities\\Notepad.LNK"));
  EXPECT_EQ(0u, SettingsKey::GetDword("First Time").value_or(99));
  EXPECT_EQ(3u + groups, SettingsKey::GetDword("No. of Folders").value_or(0));
  bar.Stop();

  Uninstall();
  EXPECT_FALSE(Exists(exe));
  EXPECT_FALSE(Exists(m_dir));
  EXPECT_FALSE(Exists(UserGroups()));
  EXPECT_FALSE(MachineKeyExists(kAppPaths));
  EXPECT_FALSE(MachineKeyExists(kUninstall));
  EXPECT_FALSE(SettingsKey::Exists());
  EXPECT_FALSE(Exists(StartMenuShortcut()));
  EXPECT_FALSE(RunValue());
}

// Installing again, or over an account that has used the bar, must not make
// the first start run again over its toolbars; the start at sign-in is
// chosen anew (on without the switch, as an interactive install offers it).
TEST_F(InstallerTest, AReinstallKeepsTheSettingsKeyAndTakesTheSignInChoice) {
  SettingsKey::CreateQuiet();
  SettingsKey::SetDword("No. of Folders", 0);
  Install();
  EXPECT_EQ(0u, SettingsKey::GetDword("First Time").value_or(99));
  EXPECT_EQ(0u, SettingsKey::GetDword("Show Title").value_or(99));
  EXPECT_TRUE(RunValue());
  Install("/STARTATSIGNIN=0");
  EXPECT_EQ(0u, SettingsKey::GetDword("First Time").value_or(99));
  EXPECT_TRUE(MachineKeyExists(kUninstall));
  EXPECT_FALSE(RunValue());
}

// Into Program Files by default, from an earlier installation elsewhere
// whose program goes and whose program groups (shown by older toolbars)
// stay. Setup asks the running bar to exit, replaces it and starts it
// again; the uninstaller ends it and takes everything away.
TEST_F(InstallerTest, UpgradeAndUninstallWhileTheBarRuns) {
  char programFiles[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, programFiles,
                                        CSIDL_PROGRAM_FILES, FALSE));
  Install("/STARTATSIGNIN=0");
  const std::string old = m_dir;
  ASSERT_TRUE(::CreateDirectoryA((old + "\\Utilities").c_str(), nullptr));
  SettingsKey::CreateQuiet();
  BarProcess bar;
  ASSERT_TRUE(bar.StartExe(old + "\\Quorvane.exe", 30000));

  m_dir.clear();
  EXPECT_EQ(0u, RunSetup("/STARTATSIGNIN=0"));
  m_dir = std::string(programFiles) + "\\Quorvane";
  EXPECT_EQ(m_dir, MachineString(kAppPaths, "Path").value_or(""));
  EXPECT_TRUE(bar.WaitForExit(10000));
  const DWORD moved = WaitForBar(bar.ProcessId());
  EXPECT_NE(0u, moved) << "the bar was not started again";
  EXPECT_FALSE(Exists(old + "\\Quorvane.exe"));
  EXPECT_FALSE(Exists(old + "\\Uninstall.exe"));
  EXPECT_TRUE(Exists(old + "\\Utilities"));
  ::RemoveDirectoryA((old + "\\Utilities").c_str());
  ::RemoveDirectoryA(old.c_str());

  // Again in place, over the running program.
  EXPECT_EQ(0u, RunSetup("/STARTATSIGNIN=0"));
  EXPECT_NE(0u, WaitForBar(moved)) << "the bar was not started again";
  EXPECT_TRUE(Exists(m_dir + "\\Quorvane.exe"));

  Uninstall();
  EXPECT_EQ(0u, RunningBar());
  EXPECT_FALSE(Exists(m_dir));
  EXPECT_FALSE(MachineKeyExists(kAppPaths));
  EXPECT_FALSE(MachineKeyExists(kUninstall));
}

// A program that cannot be replaced (here held open without sharing) fails
// a silent Setup: it must not report an installation it did not make.
TEST_F(InstallerTest, ASilentInstallThatCannotReplaceTheProgramFails) {
  Install("/STARTATSIGNIN=0");
  {
    const HANDLE held =
        ::CreateFileA((m_dir + "\\Quorvane.exe").c_str(), GENERIC_READ,
                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_NE(0u, RunSetup("/STARTATSIGNIN=0"));
    ::CloseHandle(held);
  }
  EXPECT_TRUE(MachineKeyExists(kUninstall));
}

TEST_F(InstallerTest, TheProgramAndSetupStateTheirVersion) {
  EXPECT_EQ("1.5.0.0 Quorvane 1.5.0.0", VersionOf(e2e::BarExePath()));
  EXPECT_EQ("1.5.0.0 Quorvane 1.5.0.0", VersionOf(m_setup));
}

}  // namespace
