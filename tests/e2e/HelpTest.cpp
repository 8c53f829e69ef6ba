// tests/e2e/HelpTest.cpp: the installed bar opens its help contents from
// "Hel&p Topics". No browser runs here, so an "open" verb of the test's own
// for .html pages records the file the bar asks the shell to open. Wine reads
// file types only from the machine's classes: the verb goes there, in the
// test prefix, and the previous type of .html comes back afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "res/resource.h"
#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::RunCommand;
using e2e::SettingsKey;

namespace {

constexpr char kHtmlKey[] = ".html";
constexpr char kRecorderKey[] = "Quorvane.HelpRecorder";

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetDefault(const std::string& key, const std::string& value) {
  ::RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ,
                    value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool GetDefault(const char* key, std::string* value) {
  char text[MAX_PATH] = {};
  DWORD size = sizeof text;
  if (::RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr,
                     text, &size) != ERROR_SUCCESS)
    return false;
  *value = text;
  return true;
}

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string dir = e2e::BarExePath();
    dir.erase(dir.find_last_of('\\') + 1);
    m_setup = dir + "Setup.exe";
    // Setup.exe is part of the build: a missing one is a failure.
    ASSERT_TRUE(Exists(m_setup)) << "no Setup.exe (makensis missing?)";
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string id = std::to_string(::GetCurrentProcessId());
    m_dir = std::string(temp) + "qv-help-" + id;
    m_record = std::string(temp) + "qv-help-opened-" + id + ".txt";
    ::DeleteFileA(m_record.c_str());
    SettingsKey::CreateQuiet();
    m_hadHtmlType = GetDefault(kHtmlKey, &m_htmlType);
    SetDefault(kHtmlKey, "Quorvane.HelpRecorder");
    SetDefault(
        std::string(kRecorderKey) + "\\shell\\open\\command",
        "C:\\windows\\system32\\cmd.exe /c echo %1>\"" + m_record + "\"");
  }
  void TearDown() override {
    if (m_hadHtmlType)
      SetDefault(kHtmlKey, m_htmlType);
    else
      ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kHtmlKey);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kRecorderKey);
    ::DeleteFileA(m_record.c_str());
    if (Exists(m_dir + "\\Uninstall.exe"))
      RunCommand("\"" + m_dir + "\\Uninstall.exe\" /S");
    SettingsKey::Delete();
  }

  // The file the verb was run on, once its whole line is written: the
  // redirection makes the file before the line is in it.
  std::string Recorded() {
    for (int i = 0; i < 150; ++i, ::Sleep(100)) {
      std::ifstream in(m_record);
      std::string line;
      if (!std::getline(in, line) || in.eof()) continue;
      while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
      return line;
    }
    return "";
  }

  std::string m_setup;
  std::string m_dir;
  std::string m_record;
  bool m_hadHtmlType = false;
  std::string m_htmlType;
};

TEST_F(HelpTest, HelpTopicsOpensTheInstalledContentsPage) {
  ASSERT_EQ(0u, RunCommand("\"" + m_setup + "\" /S /D=" + m_dir));
  for (const char* page :
       {"index", "topic4", "topic38", "topic39", "topic40", "topic54"})
    EXPECT_TRUE(Exists(m_dir + "\\help\\" + page + ".html")) << page;

  BarProcess bar;
  ASSERT_TRUE(bar.StartExe(m_dir + "\\Quorvane.exe", 30000));
  ASSERT_TRUE(bar.Post(WM_COMMAND, ID_HELP_TOPICS));
  EXPECT_EQ(m_dir + "\\help\\index.html", Recorded());
  bar.Stop();

  ASSERT_EQ(0u, RunCommand("\"" + m_dir + "\\Uninstall.exe\" /S"));
  for (int i = 0; i < 300 && Exists(m_dir + "\\help"); ++i) ::Sleep(100);
  EXPECT_FALSE(Exists(m_dir + "\\help"));
}

}  // namespace
