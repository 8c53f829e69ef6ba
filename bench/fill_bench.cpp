// bench/fill_bench.cpp: over one folder of 1024 files, side by side: the
// bare shell work (enumerating, naming and asking the icon index of every
// item), the toolbar fill (target: at most half of it), each sort (target: at
// most 0.05 of the fill), the bar's start to its first painted row on two
// toolbars against an empty window's (target: the difference at most half
// the bare work), and a tab switch to a 10-item and to the 1024-item tab
// (target: at most 0.05 of the bare work each). Prints milliseconds (best of
// several rounds) and the ratios. The bar's settings live in a scratch key
// for the run, so the prefix's own are never touched.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "settings/BarSettings.h"
#include "bar/BarWindow.h"
#include "framework/WinApp.h"
#include "framework/Handles.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ToolbarFill.h"
#include "toolbar/ToolbarSort.h"

namespace {

constexpr int kFiles = 1024;
constexpr int kRounds = 7;

double Now() {
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * count.QuadPart / frequency.QuadPart;
}

double Time(const std::function<void()>& work) {
  const double start = Now();
  work();
  return Now() - start;
}

double Best(const std::function<void()>& work) {
  double best = 1e300;
  for (int round = 0; round < kRounds; ++round)
    best = std::min(best, Time(work));
  return best;
}

// The floor: what any fill must ask the shell for each item.
int BareShellWork(LPCITEMIDLIST folder) {
  qv::ComPtr<IShellFolder> shellFolder;
  if (!qv::BindToFolder(folder, shellFolder.GetAddressOf()) || !shellFolder)
    return 0;
  qv::ComPtr<IEnumIDList> items;
  if (shellFolder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS,
                               &items) != S_OK)
    return 0;
  int count = 0;
  qv::UniqueIdList item;
  while (items->Next(1, item.put(), nullptr) == S_OK) {
    STRRET name = {};
    if (SUCCEEDED(
            shellFolder->GetDisplayNameOf(item.get(), SHGDN_NORMAL, &name)) &&
        name.uType == STRRET_WSTR) {
      qv::ShellPtr<wchar_t> text(name.pOleStr);
    }
    qv::UniqueIdList absolute(qv::ConcatIdLists(folder, item.get()));
    SHFILEINFOA info = {};
    ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute.get()), 0, &info,
                     sizeof(info), qv::kSmallIconIndexFlags);
    ++count;
  }
  return count;
}

// Grants every appbar request as proposed: the rebuild is timed, not the
// desktop's window manager.
class GrantingAppBarService : public IAppBarService {
 public:
  UINT_PTR Send(DWORD, APPBARDATA*) override { return TRUE; }
};

// Runs the message loop until nothing is left to do: the window is painted.
void PumpIdle() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

qv::CreateArgs WindowArgs() {
  qv::CreateArgs args;
  args.exStyle = WS_EX_TOOLWINDOW;
  args.className = qv::RegisterWindowClass(
      0, ::LoadCursorA(nullptr, IDC_ARROW),
      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  args.windowName = "Quorvane";
  args.style = WS_POPUP | WS_VISIBLE | WS_THICKFRAME;
  args.SetRect({0, 0, 70, 30});
  return args;
}

// An empty window of the same kind, shown and painted.
double EmptyWindowStart() {
  qv::CWnd window;
  const double start = Now();
  window.Create(WindowArgs());
  PumpIdle();
  const double took = Now() - start;
  window.DestroyWindow();
  return took;
}

// A bar window on two stored toolbars: `big` (current) and `small`. Prints
// its start to the first painted row and the time of a rebuild after
// switching to each tab.
void TimeTabSwitches(const std::string& big, const std::string& small,
                     double bare) {
  ScratchCurrentUser registry("Quorvane Bench Scratch");
  registry.WriteBaseline();
  registry.SetDword("Max. No. of Chars", 12);
  {
    CBarSettings stored;
    stored.Load();
    for (const std::string* path : {&big, &small}) {
      stored.AppendToolbar(qv::UniqueIdList(qv::PathToIdList(*path, nullptr)),
                           qv::kSortByName, ToolbarInfo{});
    }
    stored.Save();
  }
  GrantingAppBarService service;
  const double empty = EmptyWindowStart();
  CBarWindow bar(service);
  const double start = Now();
  const BOOL made = bar.CreateBar();
  PumpIdle();
  const double created = Now() - start;
  if (!made) {
    std::printf("the bar window could not be created\n");
    return;
  }
  std::printf("empty window to painted:                 %8.1f ms\n", empty);
  std::printf("bar start to first painted row:          %8.1f ms\n", created);
  std::printf("  difference / bare (target <= 0.50):    %8.2f\n",
              (created - empty) / bare);
  auto switchTo = [&bar](int tab) {
    bar.TabStrip().SetCurSel(tab);
    NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
    return Time([&] {
      bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
    });
  };
  double toSmall = 1e300, toBig = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    toSmall = std::min(toSmall, switchTo(1));
    toBig = std::min(toBig, switchTo(0));
  }
  std::printf("switch to the 10-item tab:               %8.1f ms\n", toSmall);
  std::printf("  / bare (target <= 0.05):               %8.2f\n",
              toSmall / bare);
  std::printf("switch to the 1024-item tab:             %8.1f ms\n", toBig);
  std::printf("  / bare (target <= 0.05):               %8.2f\n", toBig / bare);
  bar.DestroyWindow();
}

// Removes a folder and everything in it.
void RemoveFolder(const std::string& path) {
  std::string from = path + '\0';
  SHFILEOPSTRUCTA remove = {};
  remove.wFunc = FO_DELETE;
  remove.pFrom = from.c_str();
  remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  ::SHFileOperationA(&remove);
}

}  // namespace

int main() {
  ::OleInitialize(nullptr);
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "qv-fill-bench-" +
                           std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(root.c_str(), nullptr);
  const char* extensions[] = {".txt", ".bmp", ".doc", ".exe", ".ini"};
  for (int i = 0; i < kFiles; ++i) {
    const std::string path =
        root + "\\file " + std::to_string(i * 7919 % 1024) + extensions[i % 5];
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ::SetFilePointer(file, i * 13 % 5000, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    ::CloseHandle(file);
  }

  qv::UniqueIdList folder(qv::PathToIdList(root, nullptr));
  CBarSettings settings;
  settings.m_nMaxChars = 12;
  int items = 0;
  ToolbarButtons filled;
  // Warm the system image list and the file cache for both sides alike.
  BareShellWork(folder.get());
  FillItemsFromFolder(folder.get(), settings, nullptr, &filled);

  const double bare = Best([&] { items = BareShellWork(folder.get()); });
  const double fill = Best(
      [&] { FillItemsFromFolder(folder.get(), settings, nullptr, &filled); });
  std::printf("folder of %d items (%zu filled)\n", items, filled.size());
  std::printf("bare shell work (enumerate, name, icon): %8.1f ms\n", bare);
  std::printf("FillFromFolder:                          %8.1f ms\n", fill);
  std::printf("  fill / bare (target <= 0.50):          %8.2f\n", fill / bare);

  const char* orders[] = {"", "name", "date", "type", "size"};
  for (UINT order = 1; order <= 4; ++order) {
    const double sort =
        Best([&] { SortToolbarItems(folder.get(), order, filled); });
    std::printf(
        "SortToolbar by %-4s:                     %8.1f ms  %5.3f of "
        "the fill (target <= 0.05)\n",
        orders[order], sort, sort / fill);
  }
  // One toolbar's item work in a rebuild that reloads it: fill, then sort.
  const double reload = Best([&] {
    FillItemsFromFolder(folder.get(), settings, nullptr, &filled);
    SortToolbarItems(folder.get(), qv::kSortByDate, filled);
  });
  std::printf("reload of one toolbar (fill + date sort): %7.1f ms\n", reload);

  // The same folder as a custom list of all its files.
  ToolbarRecord custom{qv::UniqueIdList(qv::PathToIdList(root, nullptr)),
                       qv::kSortCustom, ToolbarInfo{qv::kKindCustom, {}}};
  SyncToolbarEntries(custom, settings);
  const double customFill =
      Best([&] { FillItemsFromOrder(custom, settings, nullptr, &filled); });
  std::printf("FillFromOrder, %zu entries:              %8.1f ms\n",
              custom.info.entries.size(), customFill);

  filled.clear();

  const std::string small = root + "-small";
  ::CreateDirectoryA(small.c_str(), nullptr);
  for (int i = 0; i < 10; ++i) {
    const std::string path = small + "\\note " + std::to_string(i) + ".txt";
    ::CloseHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  TimeTabSwitches(root, small, bare);

  RemoveFolder(small);
  RemoveFolder(root);
  ::OleUninitialize();
  return 0;
}
