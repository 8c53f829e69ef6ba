// tests/unit/ToolbarFollowTest.cpp: the bar reads the toolbar it shows
// first and the others after, off its window's thread at the start and one
// at once on a click, keeps every toolbar's buttons across tab
// switches, reads a toolbar again only when its folder or its settings
// changed or Refresh asks, follows its toolbars' folders, the drives that
// come and go and the shell's notices, never reading a toolbar that waits
// for its share on the window's thread, and gives buttons their own icons
// as the icon thread finds them.
#include <windows.h>

#include <dbt.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "bar/BarWindow.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ButtonRow.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/PumpUntil.h"
#include "tests/unit/support/RealShell.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "tests/unit/support/WaitForReads.h"

namespace {

// The real shell, with every request counted.
class CountingShell : public RealShell {
 public:
  int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
           HWND owner, ToolbarButtons* out) override {
    ++requests;
    ++fills;
    if (::GetCurrentThreadId() == m_window) ++windowFills;
    if (failFills > 0) return failFills--, 0;
    return RealShell::Fill(toolbar, settings, owner, out);
  }
  bool FolderName(LPCITEMIDLIST folder, std::string* name) override {
    ++requests;
    return RealShell::FolderName(folder, name);
  }
  HIMAGELIST SystemImages(bool small, SIZE* iconSize) override {
    ++requests;
    return RealShell::SystemImages(small, iconSize);
  }

  // Counted on any thread: toolbars are read off the window's too.
  std::atomic<int> requests{0};
  std::atomic<int> fills{0};
  std::atomic<int> windowFills{0};  // on the test's thread, the window's
  std::atomic<int> failFills{0};    // the next reads that fail

 private:
  const DWORD m_window = ::GetCurrentThreadId();
};

// The real shell, where one folder stands for a network share: offline
// (its reads fail, it is unreachable) until told, and its reads, counted
// from any thread as they begin and end, held while the gate is closed.
// Told it is not remote, it stands for a slow local folder.
class ShareShell : public RealShell {
 public:
  explicit ShareShell(std::string share) : m_share(std::move(share)) {}
  // A read left held by a failed test ends before the shell goes.
  ~ShareShell() {
    ::SetEvent(gate.get());
    while (shareReadsDone < shareReads) ::Sleep(10);
  }

  int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
           HWND owner, ToolbarButtons* out) override {
    ++fills;
    if (!IsShare(toolbar.folder.get()))
      return RealShell::Fill(toolbar, settings, owner, out);
    ++shareReads;
    ::WaitForSingleObject(gate.get(), 10000);
    const int read =
        offline ? 0 : RealShell::Fill(toolbar, settings, owner, out);
    ++shareReadsDone;
    return read;
  }
  bool IsUnreachable(LPCITEMIDLIST folder) override {
    if (!IsShare(folder)) return RealShell::IsUnreachable(folder);
    ++shareProbes;
    return offline;
  }
  bool IsRemote(LPCITEMIDLIST folder) override {
    return (remote && IsShare(folder)) || RealShell::IsRemote(folder);
  }

  std::atomic<bool> offline{true};
  std::atomic<bool> remote{true};  // read on the reader's threads too
  std::atomic<int> fills{0}, shareReads{0}, shareReadsDone{0}, shareProbes{0};
  qv::UniqueKernelObject gate{::CreateEventA(nullptr, TRUE, TRUE, nullptr)};

 private:
  bool IsShare(LPCITEMIDLIST folder) const {
    char path[MAX_PATH] = {};
    return folder && ::SHGetPathFromIDListA(folder, path) &&
           _stricmp(path, m_share.c_str()) == 0;
  }
  std::string m_share;
};

// Changes arrive when the test says so.
class ManualWatcher : public IFolderWatcher {
 public:
  explicit ManualWatcher(std::vector<std::string>* watched)
      : m_watched(watched) {}
  void Watch(HWND window, UINT message,
             const std::vector<WatchedFolder>& folders) override {
    m_window = window;
    m_message = message;
    m_watched->clear();
    for (const WatchedFolder& folder : folders)
      m_watched->push_back(folder.path);
  }
  void Retry() override { ++retries; }
  void Release(HANDLE handle) override { released = handle; }
  std::vector<std::string> TakeChanged() override {
    std::vector<std::string> changed(m_changed.begin(), m_changed.end());
    m_changed.clear();
    return changed;
  }
  void Changed(const std::string& path) {
    m_changed.insert(path);
    ::PostMessageA(m_window, m_message, 0, 0);
  }

  int retries = 0;
  HANDLE released = nullptr;

 private:
  std::vector<std::string>* m_watched;
  HWND m_window = nullptr;
  UINT m_message = 0;
  std::set<std::string> m_changed;
};

// The real shell, but an item's own icon is a number made of its name, and
// is told only once the test opens the gate.
class GatedIconShell : public RealShell {
 public:
  GatedIconShell() : m_gate(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  int ItemIcon(LPCITEMIDLIST item) override {
    ++asked;
    ::WaitForSingleObject(m_gate.get(), 10000);
    char path[MAX_PATH] = {};
    ::SHGetPathFromIDListA(item, path);
    return IconOf(std::strrchr(path, '\\') + 1);
  }
  static int IconOf(const std::string& name) {
    return 5000 + static_cast<int>(std::hash<std::string>()(name) % 1000);
  }
  void Open() { ::SetEvent(m_gate.get()); }

  std::atomic<int> asked{0};

 private:
  qv::UniqueKernelObject m_gate;
};

std::vector<std::string> Names(const CBarWindow& bar, int k) {
  std::vector<std::string> names;
  if (const ToolbarButtons* buttons = bar.Buttons(k))
    for (const ToolbarButton& button : *buttons)
      names.push_back(button.kind == ToolbarButton::Kind::kItem ? button.name
                                                                : "<space>");
  return names;
}

class ToolbarFollowTest : public testing::Test {
 protected:
  void SetUp() override { registry.WriteBaseline(); }

  bool Create(CBarWindow& bar) { return CreateAndRead(bar); }

  static void StoreToolbar(const TempFolder& folder, ToolbarInfo info = {},
                           UINT sortOrder = qv::kSortByName) {
    CBarSettings settings;
    settings.Load();
    settings.AppendToolbar(
        qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)), sortOrder,
        std::move(info));
    settings.Save();
  }

  static void SwitchTo(CBarWindow& bar, int tab) {
    bar.TabStrip().SetCurSel(tab);
    NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
    bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
  }

  ScratchCurrentUser registry;
  FakeAppBarService appBars;
  CountingShell shell;
  std::vector<std::string> watched;
};

// The frames drawn for one window, counted by a hook on this thread.
HWND g_framedWindow = nullptr;
int g_framesDrawn = 0;
LRESULT CALLBACK CountFrames(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->hwnd == g_framedWindow &&
      sent->message == WM_NCPAINT)
    ++g_framesDrawn;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(ToolbarFollowTest, SwitchesReadNothingUntilSettingsChangeOrRefresh) {
  TempFolder first("first"), second("second");
  for (const char* name : {"b.txt", "a.bmp", "c.txt"})
    ASSERT_TRUE(first.AddFile(name));
  for (const char* name : {"y.txt", "x.bmp"}) ASSERT_TRUE(second.AddFile(name));
  StoreToolbar(first);
  StoreToolbar(second);
  CBarWindow bar(appBars, nullptr, shell,
                 std::make_unique<ManualWatcher>(&watched));
  // The start reads no toolbar on the window's thread: the buttons of the
  // toolbar it shows come from the reader (before the first paint when the
  // read is quick enough), then the other's, each read once.
  ASSERT_TRUE(bar.CreateBar());
  const RECT pane = bar.Pane().GetWindowRect();
  ASSERT_TRUE(WaitForReads(bar));
  EXPECT_EQ(3, bar.Pane().GetRow(0)->GetItemCount());
  const RECT refilled = bar.Pane().GetWindowRect();
  EXPECT_TRUE(::EqualRect(&pane, &refilled));  // at the bar's length still
  EXPECT_EQ(2, shell.fills);
  EXPECT_EQ(0, shell.windowFills);
  EXPECT_EQ(2u, watched.size());

  const int before = shell.requests;
  g_framedWindow = bar.Pane().m_hWnd;
  g_framesDrawn = 0;
  {
    const std::unique_ptr<std::remove_pointer_t<HHOOK>,
                          decltype(&::UnhookWindowsHookEx)>
        hook(::SetWindowsHookExA(WH_CALLWNDPROC, CountFrames, nullptr,
                                 ::GetCurrentThreadId()),
             &::UnhookWindowsHookEx);
    SwitchTo(bar, 1);
    SwitchTo(bar, 0);
  }
  EXPECT_EQ(before, shell.requests);
  // The pane's frame looks the same for both: neither switch draws it.
  EXPECT_EQ(0, g_framesDrawn);
  EXPECT_EQ((std::vector<std::string>{"a.bmp", "b.txt", "c.txt"}),
            Names(bar, 0));
  // Drawn by the switch itself, before the tab waits to see a drag.
  EXPECT_FALSE(::GetUpdateRect(bar.Pane().GetRow(0)->m_hWnd, nullptr, FALSE));

  // A changed sort order or hidden type reads the toolbars again, the one
  // shown first, before the paint; the other after it, as Refresh does.
  CBarSettings edited;
  ASSERT_TRUE(bar.Settings().CopyTo(edited));
  edited.m_toolbars[1].sortOrder = qv::kSortBySize;
  edited.m_hiddenTypes = {"bmp\tBitmaps"};
  bar.Redo(bar.Model().ApplyCustomize(edited));
  EXPECT_EQ(1, shell.windowFills);
  EXPECT_EQ((std::vector<std::string>{"b.txt", "c.txt"}), Names(bar, 0));
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));
  EXPECT_EQ((std::vector<std::string>{"y.txt"}), Names(bar, 1));
  EXPECT_EQ(4, shell.fills);

  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  EXPECT_EQ(2, shell.windowFills);
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));
  EXPECT_EQ(6, shell.fills);
}

TEST_F(ToolbarFollowTest, ABurstOfChangesIsOneReadKeepingTheCustomOrder) {
  TempFolder folder("burst");
  for (const char* name : {"a.txt", "c.txt"}) ASSERT_TRUE(folder.AddFile(name));
  StoreToolbar(folder,
               {qv::kKindCustom,
                {{qv::kEntryShownFile, "c.txt"},
                 {qv::kEntrySpace, ""},
                 {qv::kEntryShownFile, "a.txt"}}},
               qv::kSortCustom);
  auto watcher = std::make_unique<ManualWatcher>(&watched);
  ManualWatcher& changes = *watcher;
  CBarWindow bar(appBars, nullptr, shell, std::move(watcher));
  ASSERT_TRUE(Create(bar));
  ASSERT_EQ(1u, watched.size());
  const int fills = shell.fills;

  for (int i = 0; i < 500; ++i) {
    ASSERT_TRUE(folder.AddFile("new" + std::to_string(i) + ".txt"));
    changes.Changed(watched[0]);
  }
  ASSERT_TRUE(PumpUntil([&] { return shell.fills > fills; }));
  PumpUntil([] { return false; });  // nothing more comes of the burst
  EXPECT_EQ(fills + 1, shell.fills);
  const std::vector<std::string> names = Names(bar, 0);
  ASSERT_EQ(503u, names.size());
  EXPECT_EQ((std::vector<std::string>{"c.txt", "<space>", "a.txt"}),
            std::vector<std::string>(names.begin(), names.begin() + 3));
  EXPECT_EQ(503, bar.Pane().GetRow(0)->GetItemCount());
}

TEST_F(ToolbarFollowTest, AFileAddedToAShownFolderAppearsWithoutRefresh) {
  TempFolder folder("follow");
  ASSERT_TRUE(folder.AddFile("first.txt"));
  StoreToolbar(folder);
  CBarWindow bar(appBars);
  ASSERT_TRUE(Create(bar));
  ASSERT_TRUE(folder.AddFile("second.txt"));
  EXPECT_TRUE(PumpUntil([&] { return Names(bar, 0).size() == 2; }));
  EXPECT_EQ(2, bar.Pane().GetRow(0)->GetItemCount());
}

TEST_F(ToolbarFollowTest, AFailedReadInABurstLeavesTheOthersRefilled) {
  TempFolder first("first"), second("second");
  ASSERT_TRUE(first.AddFile("a.txt"));
  ASSERT_TRUE(second.AddFile("x.txt"));
  StoreToolbar(first);
  StoreToolbar(second);
  auto watcher = std::make_unique<ManualWatcher>(&watched);
  ManualWatcher& changes = *watcher;
  CBarWindow bar(appBars, nullptr, shell, std::move(watcher));
  ASSERT_TRUE(Create(bar));
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));

  ASSERT_TRUE(first.AddFile("b.txt"));
  ASSERT_TRUE(second.AddFile("y.txt"));
  shell.failFills = 1;  // the batch's first read
  changes.Changed(watched[0]);
  changes.Changed(watched[1]);
  EXPECT_TRUE(PumpUntil([&] { return Names(bar, 1).size() == 2; }));
  // The failed one is read again by a rebuild of its own.
  EXPECT_TRUE(PumpUntil([&] { return Names(bar, 0).size() == 2; }));
}

TEST_F(ToolbarFollowTest, RenamesDeletionsAndWritesAreFollowedInDateOrder) {
  TempFolder folder("dates");
  const auto addFileOf = [&](const char* name, WORD year) {
    if (!folder.AddFile(name)) return false;
    SYSTEMTIME time{year, 1, 0, 1, 0, 0, 0, 0};
    FILETIME written{};
    ::SystemTimeToFileTime(&time, &written);
    const qv::UniqueKernelObject file(
        ::CreateFileA((folder / name).c_str(), FILE_WRITE_ATTRIBUTES, 0,
                      nullptr, OPEN_EXISTING, 0, nullptr));
    return ::SetFileTime(file.get(), nullptr, nullptr, &written) != FALSE;
  };
  ASSERT_TRUE(addFileOf("a.txt", 2001));
  ASSERT_TRUE(addFileOf("b.txt", 2002));
  ASSERT_TRUE(addFileOf("c.txt", 2000));
  StoreToolbar(folder, {}, qv::kSortByDate);
  CBarWindow bar(appBars);
  ASSERT_TRUE(Create(bar));
  ASSERT_EQ((std::vector<std::string>{"b.txt", "a.txt", "c.txt"}),
            Names(bar, 0));

  ASSERT_TRUE(
      ::MoveFileA((folder / "c.txt").c_str(), (folder / "d.txt").c_str()));
  ASSERT_TRUE(::DeleteFileA((folder / "b.txt").c_str()));
  const std::vector<std::string> renamed{"a.txt", "d.txt"};
  EXPECT_TRUE(PumpUntil([&] { return Names(bar, 0) == renamed; }));

  // The oldest file, written to now, comes first.
  {
    const qv::UniqueKernelObject file(::CreateFileA((folder / "d.txt").c_str(),
                                                    GENERIC_WRITE, 0, nullptr,
                                                    OPEN_EXISTING, 0, nullptr));
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.get(), "new", 3, &written, nullptr));
  }
  const std::vector<std::string> resorted{"d.txt", "a.txt"};
  EXPECT_TRUE(PumpUntil([&] { return Names(bar, 0) == resorted; }));
}

TEST_F(ToolbarFollowTest, AnOfflineShareIsNeverReadOnTheWindowsThread) {
  TempFolder share("share"), first("first"), second("second");
  ASSERT_TRUE(share.AddFile("s.txt"));
  StoreToolbar(share);
  StoreToolbar(first);
  StoreToolbar(second);
  ShareShell shares(share.path());
  CBarWindow bar(appBars, nullptr, shares,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(Create(bar));
  // The share's read, made apart, finds it offline: it waits, without a tab.
  ASSERT_TRUE(PumpUntil([&] { return bar.TabStrip().GetTabCount() == 2; }));

  const int reads = shares.shareReads, probes = shares.shareProbes;
  for (int i = 0; i < 20; ++i) SwitchTo(bar, i % 2);
  bar.Redo(bar.Model().SetEdge(qv::Edge::Bottom));  // a rebuild that docks
  EXPECT_EQ(reads, shares.shareReads);
  EXPECT_EQ(probes, shares.shareProbes);

  // Back, and slow: Refresh reads it on a worker, and the bar answers its
  // user while that read is held.
  shares.offline = false;
  ::ResetEvent(shares.gate.get());
  bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
  EXPECT_TRUE(PumpUntil([&] { return shares.shareReads > reads; }));
  SwitchTo(bar, 0);
  EXPECT_EQ(1, bar.Settings().m_nCurrentTab);
  ::SetEvent(shares.gate.get());
  EXPECT_TRUE(PumpUntil([&] { return bar.TabStrip().GetTabCount() == 3; }));
  EXPECT_EQ(std::vector<std::string>{"s.txt"}, Names(bar, 0));
  EXPECT_EQ(probes, shares.shareProbes);
}

TEST_F(ToolbarFollowTest, AShareIsReadApartAtStartAndClosingWaitsForNoRead) {
  TempFolder share("share"), local("local");
  ASSERT_TRUE(share.AddFile("s.txt"));
  ASSERT_TRUE(local.AddFile("l.txt"));
  StoreToolbar(share);
  StoreToolbar(local);
  ShareShell shares(share.path());
  shares.offline = false;
  ::ResetEvent(shares.gate.get());
  {
    CBarWindow bar(appBars, nullptr, shares,
                   std::make_unique<ManualWatcher>(&watched));
    // The start does not wait for the share: its tab and an empty row show,
    // and the bar answers its user.
    ASSERT_TRUE(Create(bar));
    ASSERT_TRUE(PumpUntil([&] { return shares.shareReads == 1; }));
    EXPECT_EQ(2, bar.TabStrip().GetTabCount());
    EXPECT_EQ(0, bar.Pane().GetRow(0)->GetItemCount());
    SwitchTo(bar, 1);
    EXPECT_EQ(1, bar.Settings().m_nCurrentTab);
    SwitchTo(bar, 0);
    ::SetEvent(shares.gate.get());
    EXPECT_TRUE(
        PumpUntil([&] { return bar.Pane().GetRow(0)->GetItemCount(); }));
    EXPECT_EQ(std::vector<std::string>{"s.txt"}, Names(bar, 0));

    // Refresh reads it apart again, its buttons standing meanwhile; the bar
    // closes with that read held.
    ::ResetEvent(shares.gate.get());
    bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
    ASSERT_TRUE(PumpUntil([&] { return shares.shareReads == 2; }));
    EXPECT_EQ(std::vector<std::string>{"s.txt"}, Names(bar, 0));
  }
  EXPECT_EQ(1, shares.shareReadsDone);
  // The read ends after the window; what it posts lands nowhere.
  ::SetEvent(shares.gate.get());
  EXPECT_TRUE(PumpUntil([&] { return shares.shareReadsDone == 2; }));
  PumpUntil([] { return false; }, 200);
}

TEST_F(ToolbarFollowTest, LocalFoldersAreReadInTurnAndAClickReadsOneAtOnce) {
  TempFolder shown("shown"), held("held"), later("later");
  ASSERT_TRUE(shown.AddFile("a.txt"));
  ASSERT_TRUE(held.AddFile("h.txt"));
  ASSERT_TRUE(later.AddFile("l.txt"));
  StoreToolbar(shown);
  StoreToolbar(held);
  StoreToolbar(later);
  ShareShell reads(held.path());
  reads.remote = false;
  reads.offline = false;
  ::ResetEvent(reads.gate.get());
  CBarWindow bar(appBars, nullptr, reads,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(bar.CreateBar());
  // The held folder's read, off the window's thread, holds the one queued
  // after it, and the window answers its user meanwhile: a click on the
  // waiting toolbar's tab reads it at once.
  ASSERT_TRUE(PumpUntil([&] { return reads.shareReads == 1; }));
  PumpUntil([] { return false; }, 200);
  EXPECT_FALSE(bar.Buttons(2));
  SwitchTo(bar, 2);
  EXPECT_EQ(std::vector<std::string>{"l.txt"}, Names(bar, 2));
  EXPECT_EQ(1, bar.Pane().GetRow(0)->GetItemCount());
  EXPECT_FALSE(bar.Buttons(1));

  // The queued read of that toolbar, which finds a file added since, comes
  // later than the click's: it is dropped.
  ASSERT_TRUE(later.AddFile("m.txt"));
  const int fills = reads.fills;
  ::SetEvent(reads.gate.get());
  ASSERT_TRUE(PumpUntil([&] { return reads.fills == fills + 1; }));
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(std::vector<std::string>{"h.txt"}, Names(bar, 1));
  EXPECT_EQ(std::vector<std::string>{"l.txt"}, Names(bar, 2));
  EXPECT_EQ(1, bar.Pane().GetRow(0)->GetItemCount());
}

TEST_F(ToolbarFollowTest, AShareLeftForLaterHoldsNoLocalRead) {
  TempFolder shown("shown"), share("share"), later("later");
  ASSERT_TRUE(shown.AddFile("a.txt"));
  ASSERT_TRUE(share.AddFile("s.txt"));
  ASSERT_TRUE(later.AddFile("l.txt"));
  StoreToolbar(shown);
  StoreToolbar(share);
  StoreToolbar(later);
  ShareShell shares(share.path());
  shares.offline = false;
  ::ResetEvent(shares.gate.get());
  CBarWindow bar(appBars, nullptr, shares,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(bar.CreateBar());
  // Found remote only once its read is asked, the share is read on a
  // thread of its own, and the local toolbar asked after it is read.
  ASSERT_TRUE(PumpUntil([&] { return bar.Buttons(2) != nullptr; }));
  EXPECT_EQ(1, shares.shareReads);
  EXPECT_EQ(0, shares.shareReadsDone);
  ::SetEvent(shares.gate.get());
  ASSERT_TRUE(WaitForReads(bar));
  EXPECT_EQ(std::vector<std::string>{"s.txt"}, Names(bar, 1));
}

TEST_F(ToolbarFollowTest, AShareReadApartKeepsItsCustomListInStep) {
  TempFolder share("share");
  for (const char* name : {"a.txt", "c.txt", "new.txt"})
    ASSERT_TRUE(share.AddFile(name));
  StoreToolbar(
      share,
      {qv::kKindCustom,
       {{qv::kEntryShownFile, "c.txt"}, {qv::kEntryShownFile, "a.txt"}}},
      qv::kSortCustom);
  ShareShell shares(share.path());
  shares.offline = false;
  CBarWindow bar(appBars, nullptr, shares,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(Create(bar));
  ASSERT_TRUE(PumpUntil([&] { return Names(bar, 0).size() == 3; }));
  EXPECT_EQ((std::vector<std::string>{"c.txt", "a.txt", "new.txt"}),
            Names(bar, 0));
  // The list with the new file is stored, and read nowhere again.
  CBarSettings stored;
  ASSERT_TRUE(stored.Load());
  EXPECT_EQ(3u, stored.m_toolbars[0].info.entries.size());
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(1, shares.shareReads);
}

TEST_F(ToolbarFollowTest, DeviceAndShellNoticesReadTheToolbarsTheyChange) {
  TempFolder folder("notices");
  StoreToolbar(folder);
  {
    CBarSettings settings;
    settings.Load();
    qv::UniqueIdList drives;
    ASSERT_HRESULT_SUCCEEDED(
        ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drives.put()));
    settings.AppendToolbar(std::move(drives), qv::kSortByName,
                           ToolbarInfo{qv::kKindNormal, {}});
    settings.Save();
  }
  auto watcher = std::make_unique<ManualWatcher>(&watched);
  ManualWatcher& changes = *watcher;
  CBarWindow bar(appBars, nullptr, shell, std::move(watcher));
  ASSERT_TRUE(Create(bar));
  ASSERT_EQ(1u, watched.size());  // My Computer has no directory

  // A drive arrives: the waiting folders are tried, My Computer read again.
  int fills = shell.fills;
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << ('Q' - 'A');
  bar.SendMessage(WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                  reinterpret_cast<LPARAM>(&volume));
  EXPECT_EQ(1, changes.retries);
  EXPECT_TRUE(PumpUntil([&] { return shell.fills == fills + 1; }));

  // The system asks for a watched handle's volume: the watcher gives it up.
  DEV_BROADCAST_HANDLE handle{};
  handle.dbch_size = sizeof handle;
  handle.dbch_devicetype = DBT_DEVTYP_HANDLE;
  handle.dbch_handle = reinterpret_cast<HANDLE>(0x1234);
  bar.SendMessage(WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE,
                  reinterpret_cast<LPARAM>(&handle));
  EXPECT_EQ(handle.dbch_handle, changes.released);

  // New associations, and the shell's view settings, re-read every toolbar.
  fills = shell.fills;
  LPCITEMIDLIST none[2] = {};
  bar.SendMessage(UWM_SHELL_CHANGED, reinterpret_cast<WPARAM>(none),
                  SHCNE_ASSOCCHANGED);
  EXPECT_TRUE(PumpUntil([&] { return shell.fills == fills + 2; }));
  fills = shell.fills;
  bar.SendMessage(WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ShellState"));
  EXPECT_TRUE(PumpUntil([&] { return shell.fills == fills + 2; }));
}

TEST_F(ToolbarFollowTest, AnAutoHiddenBarStaysPutDuringAWatchedRefill) {
  registry.SetDword("Auto Hide", 1);
  ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2,
                 ::GetSystemMetrics(SM_CYSCREEN) / 2);
  TempFolder folder("hidden");
  ASSERT_TRUE(folder.AddFile("a.txt"));
  StoreToolbar(folder);
  auto watcher = std::make_unique<ManualWatcher>(&watched);
  ManualWatcher& changes = *watcher;
  CBarWindow bar(appBars, nullptr, shell, std::move(watcher));
  ASSERT_TRUE(Create(bar));
  const RECT before = bar.GetWindowRect();
  ASSERT_EQ(2, before.bottom);  // slid in at the top

  ASSERT_TRUE(folder.AddFile("b.txt"));
  changes.Changed(watched[0]);
  ASSERT_TRUE(PumpUntil([&] { return Names(bar, 0).size() == 2; }));
  const RECT after = bar.GetWindowRect();
  EXPECT_TRUE(::EqualRect(&before, &after));
}

TEST_F(ToolbarFollowTest, OwnIconsLandOnTheirButtonsAcrossSwitches) {
  TempFolder programs("programs"), other("other");
  for (const char* name : {"a.exe", "b.exe", "c.exe"})
    ASSERT_TRUE(programs.AddFile(name));
  ASSERT_TRUE(other.AddFile("x.txt"));
  StoreToolbar(programs);
  StoreToolbar(other);
  GatedIconShell icons;
  CBarWindow bar(appBars, nullptr, icons,
                 std::make_unique<ManualWatcher>(&watched));
  ASSERT_TRUE(Create(bar));
  const auto waiting = [&](int k) {
    int count = 0;
    for (const ToolbarButton& button : *bar.Buttons(k))
      count += button.ownIcon ? 1 : 0;
    return count;
  };
  // The names are there at once, each program with its kind's icon.
  ASSERT_EQ((std::vector<std::string>{"a.exe", "b.exe", "c.exe"}),
            Names(bar, 0));
  EXPECT_EQ(3, waiting(0));

  // Switching away while the first icon is being asked drops the rest; the
  // one asked lands on its button, not on the row shown now.
  ASSERT_TRUE(PumpUntil([&] { return icons.asked == 1; }));
  SwitchTo(bar, 1);
  const int shownImage = (*bar.Buttons(1))[0].image;
  icons.Open();
  ASSERT_TRUE(PumpUntil([&] { return waiting(0) == 2; }));
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(2, waiting(0));
  EXPECT_EQ(GatedIconShell::IconOf("a.exe"), (*bar.Buttons(0))[0].image);
  EXPECT_EQ(shownImage, (*bar.Buttons(1))[0].image);

  // Back again, the others are asked for and land on their own buttons.
  SwitchTo(bar, 0);
  ASSERT_TRUE(PumpUntil([&] { return waiting(0) == 0; }));
  for (const ToolbarButton& button : *bar.Buttons(0))
    EXPECT_EQ(GatedIconShell::IconOf(button.name), button.image) << button.name;
}
