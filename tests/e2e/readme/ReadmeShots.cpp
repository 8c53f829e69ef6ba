// tests/e2e/readme/ReadmeShots.cpp: docks the real bar at each edge with a
// few toolbars of sample files, names shown, opens its Customize sheet, and
// saves a picture of each as a .bmp in the "screenshots" folder beside this
// program; scripts/readme-shots.sh turns them into the README's pictures.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/Screen.h"
#include "tests/e2e/harness/SettingsKey.h"

using e2e::BarProcess;
using e2e::Screenshot;
using e2e::SettingsKey;

namespace {

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

std::string SampleRoot() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "Quorvane samples";
}

void WriteFile(const std::string& path, const char* text) {
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputs(text, f);
    std::fclose(f);
  }
}

void WriteShortcut(const std::string& lnk, const std::string& target) {
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
    return;
  link->SetPath(Wide(target).c_str());
  link->SetIconLocation(Wide(target).c_str(), 0);
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile,
                                     reinterpret_cast<void**>(&file)))) {
    file->Save(Wide(lnk).c_str(), TRUE);
    file->Release();
  }
  link->Release();
}

// Two folders a user might keep on a bar: programs and documents.
std::vector<std::string> MakeSamples() {
  const std::string root = SampleRoot();
  const std::string programs = root + "\\Programs";
  const std::string documents = root + "\\Documents";
  for (const std::string& dir : {root, programs, documents})
    ::CreateDirectoryA(dir.c_str(), nullptr);
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string system = std::string(windows) + "\\system32\\";
  const char* tools[][2] = {
      {"Notepad", "notepad.exe"},      {"Registry Editor", "regedit.exe"},
      {"Command Prompt", "cmd.exe"},   {"WordPad", "wordpad.exe"},
      {"Task Manager", "taskmgr.exe"}, {"Control Panel", "control.exe"}};
  for (const auto& tool : tools)
    WriteShortcut(programs + "\\" + tool[0] + ".lnk", system + tool[1]);
  ::CreateDirectoryA((documents + "\\Projects").c_str(), nullptr);
  WriteFile(documents + "\\Meeting notes.txt", "Agenda\r\n");
  WriteFile(documents + "\\Budget 2026.csv", "month,amount\r\n");
  WriteFile(documents + "\\Reading list.html", "<p>Books</p>");
  WriteFile(documents + "\\Setup log.log", "ok\r\n");
  WriteFile(documents + "\\Settings.ini", "[bar]\r\n");
  return {programs, documents, std::string(windows)};
}

void StoreToolbars(const std::vector<std::string>& folders) {
  for (size_t i = 0; i < folders.size(); ++i) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(::SHParseDisplayName(Wide(folders[i]).c_str(), nullptr, &list, 0,
                                    nullptr)))
      continue;
    const auto* bytes = reinterpret_cast<const BYTE*>(list);
    char name[32];
    std::snprintf(name, sizeof name, "Fldr %3d", static_cast<int>(i));
    SettingsKey::SetBinary(name,
                           std::vector<BYTE>(bytes, bytes + ::ILGetSize(list)));
    ::CoTaskMemFree(list);
    std::snprintf(name, sizeof name, "Toolbar Info %3d", static_cast<int>(i));
    SettingsKey::SetBinary(name, {'N', 0, 0});
    std::snprintf(name, sizeof name, "Fldr Ordr %3d", static_cast<int>(i));
    SettingsKey::SetDword(name, 1);
  }
  SettingsKey::SetDword("No. of Folders", static_cast<DWORD>(folders.size()));
}

void Configure(const std::vector<std::string>& folders, DWORD edge) {
  SettingsKey::Delete();
  SettingsKey::CreateQuiet();
  StoreToolbars(folders);
  SettingsKey::SetDword("Alignment", edge);
  SettingsKey::SetDword("Max. No. of Chars", 12);
  SettingsKey::SetDword("Small Icons", 0);
  SettingsKey::SetDword("Rows", 1);
  SettingsKey::SetDword("Columns", 1);
}

// The whole bar with a strip of the desktop beside it, so its edge shows.
void ShootBar(const BarProcess& bar, const char* name) {
  RECT rc = bar.WindowRect();
  const int screenW = ::GetSystemMetrics(SM_CXSCREEN);
  const int screenH = ::GetSystemMetrics(SM_CYSCREEN);
  const int margin = 16;
  if (rc.right - rc.left > rc.bottom - rc.top) {
    rc.top = rc.top > 0 ? rc.top - margin : 0;
    rc.bottom = rc.bottom < screenH ? rc.bottom + margin : screenH;
  } else {
    rc.left = rc.left > 0 ? rc.left - margin : 0;
    rc.right = rc.right < screenW ? rc.right + margin : screenW;
  }
  std::printf("%s\n", Screenshot::Capture(rc).Save(name).c_str());
}

HWND WaitForWindow(const char* title) {
  for (int i = 0; i < 100; ++i) {
    if (HWND found = ::FindWindowA(nullptr, title)) return found;
    ::Sleep(100);
  }
  return nullptr;
}

}  // namespace

int main() {
  ::CoInitialize(nullptr);
  const std::vector<std::string> folders = MakeSamples();
  const char* edges[] = {"bar-left", "bar-top", "bar-right", "bar-bottom"};
  int failures = 0;
  for (DWORD edge = 0; edge < 4; ++edge) {
    Configure(folders, edge);
    BarProcess bar;
    if (!bar.Start()) {
      std::fprintf(stderr, "the bar did not start for %s\n", edges[edge]);
      ++failures;
      continue;
    }
    e2e::Pause(1500);
    ShootBar(bar, edges[edge]);
    if (edge == 1) {
      bar.Post(WM_COMMAND, ID_CUSTOMIZE);
      if (HWND sheet = WaitForWindow("Customize Quorvane")) {
        e2e::Pause(1000);
        RECT rc{};
        ::GetWindowRect(sheet, &rc);
        std::printf("%s\n", Screenshot::Capture(rc).Save("customize").c_str());
        ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
        e2e::Pause(500);
      } else {
        std::fprintf(stderr, "the Customize sheet did not open\n");
        ++failures;
      }
    }
    bar.Stop();
  }
  SettingsKey::Delete();
  ::CoUninitialize();
  return failures;
}
