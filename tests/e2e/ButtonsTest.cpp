// tests/e2e/ButtonsTest.cpp: a toolbar on a folder shows one button per
// item with its icon, a left click on a shortcut starts its program, and
// hovering a button shows the item's full name.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/Screen.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::SettingsKey;

namespace {

std::string TempPath(const char* name) {
  char base[MAX_PATH];
  ::GetTempPathA(MAX_PATH, base);
  return std::string(base) + name;
}

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

void WriteFile(const std::string& path) {
  HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, 0, nullptr);
  ::CloseHandle(f);
}

// A shortcut that starts this test program to write a marker file.
bool WriteMarkerShortcut(const std::string& lnk, const std::string& marker) {
  IShellLinkA* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
    return false;
  link->SetPath(ThisProgram().c_str());
  link->SetArguments(("--write-marker \"" + marker + "\"").c_str());
  IPersistFile* file = nullptr;
  bool saved = false;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile,
                                     reinterpret_cast<void**>(&file)))) {
    std::wstring wide(lnk.begin(), lnk.end());
    saved = SUCCEEDED(file->Save(wide.c_str(), TRUE));
    file->Release();
  }
  link->Release();
  return saved;
}

// Stores one normal toolbar, sorted by name, on a folder.
void StoreToolbar(const std::string& folder) {
  ASSERT_TRUE(SettingsKey::StoreToolbar(0, folder));
  SettingsKey::SetDword("No. of Folders", 1);
}

HWND FindRow(HWND bar) {
  // The pane is the bar's child with scroll bars; the row is its child.
  for (HWND child = ::GetWindow(bar, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    HWND row = ::FindWindowExA(child, nullptr, "SysTabControl32", nullptr);
    if (row) return row;
  }
  return nullptr;
}

class ButtonsTest : public testing::Test {
 protected:
  void SetUp() override {
    ::CoInitialize(nullptr);
    folder = TempPath("Quorvane e2e buttons");
    marker = TempPath("quorvane-e2e-marker.txt");
    ::DeleteFileA(marker.c_str());
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(WriteMarkerShortcut(folder + "\\A marker program.lnk", marker));
    WriteFile(folder + "\\b notes.txt");
    WriteFile(folder + "\\c picture.bmp");
    SettingsKey::Delete();
    SettingsKey::CreateQuiet();
    StoreToolbar(folder);
  }
  void TearDown() override {
    SettingsKey::Delete();
    for (const char* name :
         {"\\A marker program.lnk", "\\b notes.txt", "\\c picture.bmp"})
      ::DeleteFileA((folder + name).c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::DeleteFileA(marker.c_str());
    ::CoUninitialize();
  }

  std::string folder, marker;
};

}  // namespace

TEST_F(ButtonsTest, OneButtonPerItemWithItsIconAndAClickStartsTheShortcut) {
  BarProcess bar;
  ASSERT_TRUE(bar.Start());
  HWND row = FindRow(bar.Window());
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(::SendMessageA(row, TCM_GETITEMCOUNT, 0, 0), 3);

  // Each 24 x 22 cell (a 16-pixel icon) holds icon pixels: colours other
  // than the button face.
  RECT rc;
  ::GetWindowRect(row, &rc);
  e2e::Screenshot shot = e2e::Screenshot::Capture(rc);
  shot.Save("buttons-row");
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  for (int j = 0; j < 3; ++j) {
    int iconPixels = 0;
    for (int y = 3; y < 19; ++y)
      for (int x = j * 27 + 4; x < j * 27 + 20; ++x) {
        COLORREF c = shot.At(x, y);
        if (c != face && c != RGB(255, 255, 255) && c != RGB(0, 0, 0))
          ++iconPixels;
      }
    EXPECT_GT(iconPixels, 10) << "button " << j;
  }

  // Hovering shows the full name in the bar's tooltip.
  const POINT first{rc.left + 12, rc.top + 11};
  e2e::MoveMouse(first.x, first.y);
  e2e::Pause(1500);
  e2e::MoveMouse(first.x + 1, first.y);
  e2e::Pause(1500);
  HWND tip = nullptr;
  for (HWND w = ::FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr);
       w; w = ::FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    if (pid == bar.ProcessId() && ::IsWindowVisible(w)) tip = w;
  }
  ASSERT_NE(tip, nullptr);
  e2e::Screenshot::Capture(RECT{0, 0, 1024, 768}).Save("buttons-tooltip");

  // A left click on the shortcut (sorted first) starts its program.
  e2e::Click(first.x, first.y);
  bool started = false;
  for (int i = 0; i < 100 && !started; ++i) {
    e2e::Pause(100);
    started = ::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  EXPECT_TRUE(started);
  bar.Stop();
}
