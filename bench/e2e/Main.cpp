// bench/e2e/Main.cpp: the real Quorvane.exe timed as a person meets it, from
// outside its process: from CreateProcess to a toolbar's buttons on screen
// (less an empty window program's start), and from a click on a tab to its
// buttons on screen, over a folder of 10 files, one of 1,024 files of six
// types and one of 1,024 shortcuts; the start with twenty toolbars of 1,024
// files against the start with one; the bar's private bytes once it has shown
// those twenty. Each figure is the median of a few runs, printed beside the
// bare shell work over the same folder, measured in this run in this process,
// with its ratio and target. It writes the bar's settings key of the prefix
// it runs in, and removes it and its folders at the end.
//
// Usage: bench_end_to_end [--runs=N] [starts] [clicks] [twenty] [memory]
// runs only the phases named (all without any), each figure N times (3).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bench/e2e/BenchFolders.h"
#include "bench/e2e/Clock.h"
#include "bench/e2e/RowWatch.h"
#include "bench/e2e/ShellWork.h"
#include "framework/Handles.h"
#include "tests/e2e/harness/BarProcess.h"
#include "tests/e2e/harness/Screen.h"
#include "tests/e2e/harness/SettingsKey.h"

namespace {

using bench::kNotMeasured;
using bench::NowMs;

int g_repeats = 3;
constexpr int kBigFolder = 1024;
constexpr int kTwenty = 20;
// Long enough for a start over twenty toolbars on a loaded machine.
constexpr DWORD kTimeoutMs = 180000;
// A click shows a toolbar already read: far less than a start, even loaded.
constexpr DWORD kClickTimeoutMs = 30000;

std::string BesideThisProgram(const char* name) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.erase(dir.find_last_of("\\/") + 1) + name;
}

void Progress(const char* what) { std::fprintf(stderr, "bench: %s\n", what); }

std::vector<double> Repeat(const std::function<double()>& figure) {
  std::vector<double> runs;
  for (int run = 0; run < g_repeats; ++run) runs.push_back(figure());
  return runs;
}

// Off the bar, so that nothing the mouse hovers changes what is watched.
void MouseAway() {
  e2e::MoveMouse(::GetSystemMetrics(SM_CXSCREEN) - 8,
                 ::GetSystemMetrics(SM_CYSCREEN) - 8);
}

// A left click where the mouse is, pressed and released at once (the
// harness's clicks pause after each event, which a timing cannot afford).
void ClickHere() {
  INPUT events[2]{};
  events[0].type = events[1].type = INPUT_MOUSE;
  events[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  events[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, events, sizeof events[0]);
}

double TimeShellWork(const std::string& folder) {
  bench::BareShellWork(folder);  // the file cache and image list, warm
  return bench::Median(Repeat([&] {
    const double start = NowMs();
    return bench::BareShellWork(folder) > 0 ? NowMs() - start : kNotMeasured;
  }));
}

// CreateProcess of the empty window program to its window on screen,
// painted.
double EmptyWindowStart() {
  e2e::BarProcess program;
  const double start = NowMs();
  if (!program.Launch(BesideThisProgram("bench_empty_window.exe")))
    return kNotMeasured;
  while (NowMs() - start < kTimeoutMs && program.Running()) {
    if (HWND window = program.LookForWindow()) {
      RECT rc{};
      ::GetWindowRect(window, &rc);
      const LONG x = (rc.left + rc.right) / 2, y = (rc.top + rc.bottom) / 2;
      const e2e::Screenshot centre =
          e2e::Screenshot::Capture(RECT{x, y, x + 1, y + 1});
      if (centre.At(0, 0) == ::GetSysColor(COLOR_BTNFACE)) {
        const double took = NowMs() - start;
        program.Stop();
        return took;
      }
    }
    ::Sleep(1);
  }
  return kNotMeasured;
}

// What a settled bar over some toolbars shows: its tabs' points and the rows
// of the first few toolbars.
struct Learnt {
  std::vector<POINT> tabs;
  std::vector<bench::RowProbe> rows;
};

void Settle(const e2e::BarProcess& bar) {
  bar.Settle();
  bench::WaitStill(bar.WindowRect(), 1000, kTimeoutMs);
}

// Learns the tabs of a bar over `folders` and the rows of the first few, of
// `counts` buttons each, clicking each tab in turn.
std::optional<Learnt> Learn(const std::vector<std::string>& folders,
                            const std::vector<long>& counts) {
  if (!bench::StoreToolbars(folders, 0)) return std::nullopt;
  MouseAway();
  e2e::BarProcess bar;
  if (!bar.Start(kTimeoutMs)) return std::nullopt;
  Settle(bar);
  Learnt learnt;
  for (int tab = 0; tab < static_cast<int>(folders.size()); ++tab) {
    const std::optional<POINT> point = bench::TabPoint(bar.Window(), tab);
    if (!point) return std::nullopt;
    learnt.tabs.push_back(*point);
  }
  for (size_t tab = 0; tab < counts.size(); ++tab) {
    if (tab > 0) {
      e2e::MoveMouse(learnt.tabs[tab].x, learnt.tabs[tab].y);
      ClickHere();
    }
    // A loaded machine can take longer over a switch than a settle waits.
    const double began = NowMs();
    while (bench::ShownCount(bar.Window()) != counts[tab] &&
           NowMs() - began < kTimeoutMs)
      ::Sleep(20);
    Settle(bar);
    const std::optional<bench::RowProbe> row = bench::LearnRow(bar.Window());
    if (!row || row->buttons != counts[tab]) return std::nullopt;
    learnt.rows.push_back(*row);
  }
  return learnt;
}

struct Start {
  double shown = kNotMeasured;
  double still = kNotMeasured;  // the row's last change
};

// CreateProcess of the bar over `folders`, toolbar `current` shown, to that
// toolbar's buttons on screen; with `untilStill`, also to the last change of
// its row (all icons in).
Start TimeStart(const std::vector<std::string>& folders, int current,
                const bench::RowProbe& row, bool untilStill) {
  Start start;
  if (!bench::StoreToolbars(folders, current)) return start;
  MouseAway();
  e2e::BarProcess bar;
  const double began = NowMs();
  if (!bar.Launch(e2e::BarExePath())) return start;
  while (NowMs() - began < kTimeoutMs && bar.Running()) {
    if ((bar.Window() || bar.LookForWindow()) &&
        bench::RowShown(bar.Window(), row)) {
      start.shown = NowMs() - began;
      break;
    }
    ::Sleep(1);
  }
  if (untilStill && start.shown >= 0) {
    const double changed = bench::WaitStill(row.view, 2000, kTimeoutMs);
    if (changed >= 0) start.still = changed - began;
  }
  bar.Stop();
  return start;
}

// A click on the tab at `tab` of the running bar to its toolbar's buttons
// (`row`) on screen; then lets the bar settle before the next.
double TimeClick(const e2e::BarProcess& bar, POINT tab,
                 const bench::RowProbe& row) {
  e2e::MoveMouse(tab.x, tab.y);
  bench::WaitStill(bar.WindowRect(), 300, kTimeoutMs);
  // Every toolbar's names differ from the others': a switch changes the
  // picture, and only that tells it between toolbars of one size.
  const e2e::Screenshot before = e2e::Screenshot::Capture(row.view);
  const double began = NowMs();
  ClickHere();
  const double shown =
      bench::WaitShown(bar.Window(), row, kClickTimeoutMs, &before);
  Settle(bar);
  return shown >= 0 ? shown - began : kNotMeasured;
}

struct Clicks {
  std::vector<double> ten, files, links;
};

// Clicks between the toolbars of 10 (tab 1), 1,024 files (tab 0) and 1,024
// shortcuts (tab 2) on one bar, until one is not shown: the toolbars after
// it would be timed from a picture other than the one the click left.
Clicks TimeClicks(const std::vector<std::string>& folders,
                  const Learnt& learnt) {
  Clicks clicks;
  e2e::BarProcess bar;
  if (!bench::StoreToolbars(folders, 0) || !bar.Start(kTimeoutMs))
    return clicks;
  Settle(bar);
  const std::pair<int, std::vector<double>*> order[] = {{1, &clicks.ten},
                                                        {0, &clicks.files},
                                                        {2, &clicks.links},
                                                        {0, &clicks.files}};
  for (int run = 0; run < g_repeats; ++run) {
    for (const auto& [tab, figures] : order) {
      figures->push_back(TimeClick(bar, learnt.tabs[tab], learnt.rows[tab]));
      if (figures->back() < 0) return clicks;
    }
  }
  return clicks;
}

struct Memory {
  double megabytes = kNotMeasured;
  const char* counter = "";
};

// The bar's private bytes once it has shown each of its toolbars.
Memory PrivateBytesAfterShowingAll(const std::vector<std::string>& folders,
                                   const Learnt& learnt) {
  Memory memory;
  e2e::BarProcess bar;
  if (!bench::StoreToolbars(folders, 0) || !bar.Start(kTimeoutMs) ||
      bench::WaitShown(bar.Window(), learnt.rows[0], kTimeoutMs) < 0)
    return memory;
  // The toolbars differ only in their names, so each shows in the first
  // one's cells.
  for (size_t tab = 1; tab < folders.size(); ++tab)
    if (TimeClick(bar, learnt.tabs[tab], learnt.rows[0]) < 0) return memory;
  const qv::UniqueKernelObject process(::OpenProcess(
      PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, bar.ProcessId()));
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!process ||
      !::GetProcessMemoryInfo(
          process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
          sizeof counters))
    return memory;
  // Wine answers 0 for PrivateUsage; its PagefileUsage is the process's
  // private (anonymous) memory.
  const SIZE_T bytes =
      counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  memory.counter = counters.PrivateUsage ? "PrivateUsage" : "PagefileUsage";
  memory.megabytes = static_cast<double>(bytes) / (1024.0 * 1024.0);
  return memory;
}

struct Figure {
  const char* path;
  double ms;
  const char* against;  // what the ratio is taken to
  double againstMs;
  double limit;  // the target: a ratio, or milliseconds when `absolute`; 0
                 // for none
  bool absolute = false;
};

void PrintTable(const std::vector<Figure>& figures) {
  std::printf("%-58s %9s  %-22s %9s %7s %9s  %s\n", "path, end to end", "ms",
              "against", "ms", "ratio", "target", "meets");
  for (const Figure& f : figures) {
    char ms[32] = "not measured", against[32] = "", ratio[32] = "",
         target[32] = "", meets[8] = "";
    const bool measured = f.ms >= 0 && f.againstMs > 0;
    if (f.ms >= 0) std::snprintf(ms, sizeof ms, "%.0f", f.ms);
    if (f.againstMs > 0)
      std::snprintf(against, sizeof against, "%.0f", f.againstMs);
    if (measured)
      std::snprintf(ratio, sizeof ratio, "%.2f", f.ms / f.againstMs);
    if (f.limit > 0) {
      std::snprintf(target, sizeof target,
                    f.absolute ? "<= %.0f ms" : "<= %.2f", f.limit);
      const double value = f.absolute ? f.ms : f.ms / f.againstMs;
      std::snprintf(meets, sizeof meets, "%s",
                    !measured          ? "?"
                    : value <= f.limit ? "yes"
                                       : "NO");
    }
    std::printf("%-58s %9s  %-22s %9s %7s %9s  %s\n", f.path, ms, f.against,
                against, ratio, target, meets);
  }
}

double Less(double ms, double empty) {
  return ms >= 0 && empty >= 0 ? ms - empty : kNotMeasured;
}

}  // namespace

int main(int argc, char** argv) {
  std::set<std::string> phases;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--runs=", 0) == 0)
      g_repeats = std::max(1, std::atoi(arg.c_str() + 7));
    else
      phases.insert(arg);
  }
  auto runs = [&](const char* phase) {
    return phases.empty() || phases.count(phase) > 0;
  };

  ::CoInitialize(nullptr);
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string root =
      std::string(temp) + "qv-bench-" + std::to_string(::GetCurrentProcessId());
  // Short folder names: the twenty tabs fit the strip.
  const std::string files = root + "\\files", ten = root + "\\ten",
                    links = root + "\\links";
  std::vector<std::string> twenty{files};
  Progress("making the folders");
  bool made = ::CreateDirectoryA(root.c_str(), nullptr) &&
              bench::MakeFiles(files, kBigFolder, "item") &&
              bench::MakeFiles(ten, 10, "ten") &&
              bench::MakeShortcuts(links, files);
  for (int i = 1; made && i < kTwenty; ++i) {
    twenty.push_back(root + "\\t" + std::to_string(i));
    made = bench::MakeFiles(twenty.back(), kBigFolder,
                            "t" + std::to_string(i) + " item");
  }
  if (!made) {
    std::printf("could not make the folders in %s\n", root.c_str());
    bench::RemoveTree(root);
    return 1;
  }
  const std::vector<std::string> kinds{files, ten, links};

  Progress("the bare shell work");
  const double bareFiles = TimeShellWork(files);
  const double bareTen = TimeShellWork(ten);
  const double bareLinks = TimeShellWork(links);
  Progress("an empty window's start");
  const double empty = bench::Median(Repeat(EmptyWindowStart));

  std::vector<double> startFiles, startTen, startLinks, linksStill;
  std::vector<double> startOne, startTwenty;
  Clicks clicks;
  const std::optional<Learnt> kindsBar =
      runs("starts") || runs("clicks")
          ? Learn(kinds, {kBigFolder, 10, kBigFolder})
          : std::nullopt;
  if (kindsBar && runs("starts")) {
    Progress("starts over 1,024 files, 10 files, 1,024 shortcuts");
    for (int run = 0; run < g_repeats; ++run) {
      startFiles.push_back(TimeStart(kinds, 0, kindsBar->rows[0], false).shown);
      startTen.push_back(TimeStart(kinds, 1, kindsBar->rows[1], false).shown);
      const Start linksStart = TimeStart(kinds, 2, kindsBar->rows[2], true);
      startLinks.push_back(linksStart.shown);
      linksStill.push_back(linksStart.still);
    }
  }
  if (kindsBar && runs("clicks")) {
    Progress("clicks on the tabs");
    clicks = TimeClicks(kinds, *kindsBar);
  }
  const std::optional<Learnt> oneBar =
      runs("twenty") ? Learn({files}, {kBigFolder}) : std::nullopt;
  const std::optional<Learnt> twentyBar = runs("twenty") || runs("memory")
                                              ? Learn(twenty, {kBigFolder})
                                              : std::nullopt;
  if (runs("twenty")) {
    Progress("starts with one toolbar and with twenty");
    for (int run = 0; oneBar && run < g_repeats; ++run)
      startOne.push_back(TimeStart({files}, 0, oneBar->rows[0], false).shown);
    for (int run = 0; twentyBar && run < g_repeats; ++run)
      startTwenty.push_back(
          TimeStart(twenty, 0, twentyBar->rows[0], false).shown);
  }
  Memory memory;
  if (twentyBar && runs("memory")) {
    Progress("private bytes after showing twenty toolbars");
    memory = PrivateBytesAfterShowingAll(twenty, *twentyBar);
  }

  const double one = bench::Median(startOne);
  std::printf("\nQuorvane.exe end to end, the median of %d runs each\n\n",
              g_repeats);
  PrintTable({
      {"empty window program: CreateProcess to window shown", empty, "", 0, 0},
      {"bare shell work over 10 files", bareTen, "", 0, 0},
      {"bare shell work over 1,024 files", bareFiles, "", 0, 0},
      {"bare shell work over 1,024 shortcuts", bareLinks, "", 0, 0},
      {"start to 1,024 file buttons shown, less empty window",
       Less(bench::Median(startFiles), empty), "bare, 1,024 files", bareFiles,
       0.25},
      {"start to 10 buttons shown, less empty window",
       Less(bench::Median(startTen), empty), "bare, 10 files", bareTen, 0},
      {"start to 1,024 shortcut buttons shown, less empty window",
       Less(bench::Median(startLinks), empty), "bare, 1,024 shortcuts",
       bareLinks, 0.25},
      {"start to all 1,024 shortcut icons in, less empty window",
       Less(bench::Median(linksStill), empty), "bare, 1,024 shortcuts",
       bareLinks, 1.0},
      {"click on a tab to its 10 buttons shown", bench::Median(clicks.ten),
       "bare, 10 files", bareTen, 10, true},
      {"click on a tab to its 1,024 file buttons shown",
       bench::Median(clicks.files), "bare, 1,024 files", bareFiles, 0.05},
      {"click on a tab to its 1,024 shortcut buttons shown",
       bench::Median(clicks.links), "bare, 1,024 shortcuts", bareLinks, 0},
      {"start with 1 toolbar of 1,024 files to its buttons shown", one,
       "bare, 1,024 files", bareFiles, 0},
      {"start with 20 toolbars of 1,024 files to the first shown",
       bench::Median(startTwenty), "start with 1 toolbar", one, 1.25},
  });
  if (memory.megabytes >= 0)
    std::printf(
        "\nprivate bytes after showing 20 toolbars of 1,024 files "
        "once (%s): %.1f MB, target < 64 MB: %s\n",
        memory.counter, memory.megabytes, memory.megabytes < 64 ? "yes" : "NO");
  else
    std::printf("\nprivate bytes after showing 20 toolbars: not measured\n");
  std::printf(
      "\n\"shown\": the pane's row answers the toolbar's button count "
      "and the screen shows raised buttons with a picture in the "
      "first cell and the last in view; \"all icons in\": the row's "
      "pixels last changed (none for 2 s after).\n");

  e2e::SettingsKey::Delete();
  bench::RemoveTree(root);
  ::CoUninitialize();
  return 0;
}
