// tests/unit/BarWindowTest.cpp: the bar window against an in-process appbar
// service: registration, docking at each edge, the shell's notifications,
// the rebuild dropping toolbars whose folders are gone and keeping those on
// a missing drive, the rebuild without the desktop folder, tab labels, and
// the edge and icon-size commands when nothing changes.
#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>
#include <shlobj.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "bar/BarRects.h"
#include "bar/BarWindow.h"
#include "framework/WinApp.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/MemorySettingsStore.h"
#include "tests/unit/support/MissingDrive.h"
#include "tests/unit/support/PumpUntil.h"
#include "tests/unit/support/RealShell.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "tests/unit/support/ZOrderRequests.h"
#include "tests/unit/support/WaitForReads.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "toolbar/ButtonRow.h"

namespace {

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

std::string LastName(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

// The index of the button named `name` in toolbar k, or -1.
int ButtonNamed(const CBarWindow& bar, int k, const char* name) {
  const ToolbarButtons* buttons = bar.Buttons(k);
  for (size_t j = 0; buttons && j < buttons->size(); ++j)
    if ((*buttons)[j].name == name) return static_cast<int>(j);
  return -1;
}

// The real shell, but the desktop folder cannot be had.
class NoDesktopShell : public RealShell {
 public:
  qv::ComPtr<IShellFolder> Desktop() override { return nullptr; }
};

// The real shell, its folder reads counted on any thread.
class CountingShell : public RealShell {
 public:
  int Fill(const ToolbarRecord& toolbar, const CBarSettings& settings,
           HWND owner, ToolbarButtons* out) override {
    ++fills;
    return RealShell::Fill(toolbar, settings, owner, out);
  }
  std::atomic<int> fills{0};
};

// Watches nothing; counts the requests.
class CountingWatcher : public IFolderWatcher {
 public:
  void Watch(HWND, UINT, const std::vector<WatchedFolder>&) override {
    ++calls;
  }
  std::vector<std::string> TakeChanged() override { return {}; }
  void Retry() override {}
  void Release(HANDLE) override {}
  int calls = 0;
};

std::string FolderBytes(const ToolbarRecord& toolbar) {
  return std::string(reinterpret_cast<const char*>(toolbar.folder.get()),
                     toolbar.FolderSize());
}

class BarWindowTest : public testing::Test {
 protected:
  void SetUp() override { registry.WriteBaseline(); }

  bool Create(CBarWindow& bar) { return CreateAndRead(bar); }

  // One row or column of the bar's cells.
  static int Thickness(const CBarWindow& bar, UINT edge, bool tabs) {
    const qv::Edge e = qv::EdgeFromNumber(edge);
    return qv::BarThickness(
        e, qv::IsVertical(e) ? bar.ButtonSize().cx : bar.ButtonSize().cy, 1,
        tabs, bar.Metrics());
  }

  static bool IsTopmost(const CBarWindow& bar) {
    return (::GetWindowLongPtrA(bar.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  }

  // Appends a toolbar on a folder to the stored settings.
  static void StoreToolbar(const std::string& path, int kind) {
    CBarSettings settings;
    settings.Load();
    settings.AppendToolbar(qv::UniqueIdList(qv::PathToIdList(path, nullptr)),
                           qv::kSortByName, ToolbarInfo{kind, {}});
    settings.Save();
  }

  ScratchCurrentUser registry;
  FakeAppBarService shell;
};

}  // namespace

TEST_F(BarWindowTest, RefusedRegistrationFailsTheCreation) {
  shell.refuseNew = true;
  CBarWindow bar(shell);
  EXPECT_FALSE(Create(bar));
  EXPECT_EQ(bar.m_hWnd, nullptr);
  EXPECT_EQ(shell.RegisteredCount(), 0u);
}

TEST_F(BarWindowTest, DocksAtEveryEdgeWithAndWithoutTabs) {
  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  for (UINT edge : {ABE_LEFT, ABE_TOP, ABE_RIGHT, ABE_BOTTOM}) {
    for (bool tabs : {true, false}) {
      registry.SetDword("Alignment", edge);
      registry.SetDword("Show Tabs", tabs ? 1 : 0);
      CBarWindow bar(shell);
      ASSERT_TRUE(Create(bar));
      const int t = Thickness(bar, edge, tabs);
      RECT expected = edge == ABE_LEFT    ? RECT{0, 0, t, sy}
                      : edge == ABE_TOP   ? RECT{0, 0, sx, t}
                      : edge == ABE_RIGHT ? RECT{sx - t, 0, sx, sy}
                                          : RECT{0, sy - t, sx, sy};
      RECT band = shell.BandOf(bar.m_hWnd);
      EXPECT_TRUE(::EqualRect(&band, &expected))
          << "edge " << edge << " tabs " << tabs << ": band " << band.left
          << "," << band.top << "," << band.right << "," << band.bottom;
      RECT window = bar.GetWindowRect();
      EXPECT_TRUE(::EqualRect(&window, &expected))
          << "edge " << edge << " tabs " << tabs << ": window " << window.left
          << "," << window.top << "," << window.right << "," << window.bottom;
      EXPECT_EQ(::IsWindowVisible(bar.TabStrip().m_hWnd) != 0, tabs);
    }
  }
}

TEST_F(BarWindowTest, BandMovedByAnotherBarKeepsItsThickness) {
  HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                 nullptr, nullptr, nullptr);
  shell.AddForeignBar(other, ABE_LEFT,
                      RECT{0, 0, 50, ::GetSystemMetrics(SM_CYSCREEN)});
  registry.SetDword("Alignment", ABE_LEFT);
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  RECT band = shell.BandOf(bar.m_hWnd);
  EXPECT_EQ(band.left, 50);
  EXPECT_EQ(band.right - band.left, Thickness(bar, ABE_LEFT, true));
  EXPECT_EQ(bar.GetWindowRect().left, 50);
  ::DestroyWindow(other);
}

TEST_F(BarWindowTest, PositionChangeLaysOutOnlyWhenTheBarMoved) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  auto panePos = [&] {
    RECT rc = bar.Pane().GetWindowRect();
    ::MapWindowPoints(nullptr, bar.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  };
  // Mark the pane: a layout would put it back at (2, 2).
  ::SetWindowPos(bar.Pane().m_hWnd, nullptr, 40, 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
  shell.Notify(ABN_POSCHANGED, 0);
  EXPECT_EQ(panePos().left, 40);

  // Once the bar has been moved away, the notification docks and lays out.
  ::SetWindowPos(bar.m_hWnd, nullptr, 100, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
  shell.Notify(ABN_POSCHANGED, 0);
  EXPECT_EQ(bar.GetWindowRect().top, 0);
  EXPECT_EQ(panePos().left, 2);
}

TEST_F(BarWindowTest, FullScreenProgramDropsTheBarFromTheTopmostBand) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  EXPECT_TRUE(IsTopmost(bar));
  ZOrderRequests zorder(bar.m_hWnd);
  shell.Notify(ABN_FULLSCREENAPP, TRUE);
  EXPECT_FALSE(IsTopmost(bar));
  EXPECT_EQ(zorder.Last(), HWND_NOTOPMOST);
  shell.Notify(ABN_FULLSCREENAPP, FALSE);
  EXPECT_EQ(zorder.Last(), HWND_TOPMOST);

  // A hand edit of the key is taken in by itself, as one reload.
  registry.SetDword("Always On Top", 0);
  EXPECT_TRUE(PumpUntil([&] { return zorder.Last() == HWND_NOTOPMOST; }, 1000));
  shell.Notify(ABN_STATECHANGE, 0);
  EXPECT_EQ(zorder.Last(), HWND_NOTOPMOST);
}

TEST_F(BarWindowTest, ClosingGivesTheBandBack) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  HWND wnd = bar.m_hWnd;
  ASSERT_TRUE(shell.IsRegistered(wnd));
  bar.DestroyWindow();
  EXPECT_FALSE(shell.IsRegistered(wnd));
}

TEST_F(BarWindowTest, RestartedShellGetsTheBarRegisteredAgain) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  APPBARDATA abd{};
  abd.cbSize = sizeof abd;
  abd.hWnd = bar.m_hWnd;
  shell.Send(ABM_REMOVE, &abd);  // the shell forgot every appbar
  ASSERT_FALSE(shell.IsRegistered(bar.m_hWnd));
  bar.SendMessage(::RegisterWindowMessageA("TaskbarCreated"));
  EXPECT_TRUE(shell.IsRegistered(bar.m_hWnd));
  RECT band = shell.BandOf(bar.m_hWnd);
  EXPECT_EQ(band.bottom - band.top, Thickness(bar, ABE_TOP, true));
}

TEST_F(BarWindowTest, ToolbarWhoseFolderIsGoneIsDroppedOnRebuild) {
  TempFolder kept("kept"), gone("gone");
  StoreToolbar(kept.path(), qv::kKindNormal);
  StoreToolbar(gone.path(), qv::kKindNormal);
  ASSERT_TRUE(::RemoveDirectoryA(gone.path().c_str()));

  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  // The rebuild that stopped at the gone folder still answers tab clicks.
  registry.SetDword("Current Tab", 7);
  NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
  bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(stored.m_nCurrentTab, bar.TabStrip().m_nCurSel);

  // The read after the first paint finds the folder gone.
  ASSERT_TRUE(PumpUntil([&] { return bar.Settings().ToolbarCount() == 1; }));
  Pump();
  stored.Load();
  ASSERT_EQ(stored.m_toolbars.size(), 1u);
  char path[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetPathFromIDListA(stored.m_toolbars[0].folder.get(), path));
  EXPECT_STRCASEEQ(path, kept.path().c_str());
  EXPECT_TRUE(bar.Buttons(0));
  EXPECT_FALSE(bar.Buttons(1));
}

TEST_F(BarWindowTest, ToolbarOnAMissingDriveWaitsWithoutATabAndIsKept) {
  const char letter = MissingDriveLetter();
  ASSERT_NE(letter, 0);
  TempFolder kept("kept");
  CBarSettings before;
  before.Load();
  ASSERT_TRUE(before.AppendToolbar(
      DriveRootIdList(letter), qv::kSortCustom,
      ToolbarInfo{qv::kKindCustom,
                  {{qv::kEntryShownFile, "a.txt"}, {qv::kEntrySpace, ""}}}));
  before.Save();
  StoreToolbar(kept.path(), qv::kKindNormal);
  registry.SetDword("Current Tab", 0);

  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  Pump();
  // Only the reachable toolbar has a tab, and it is shown.
  ASSERT_EQ(bar.TabStrip().GetTabCount(), 1);
  EXPECT_EQ(std::string(bar.TabStrip().GetTab(0)->m_strText),
            LastName(kept.path()));
  EXPECT_EQ(bar.Settings().m_nCurrentTab, 1);
  CBarSettings after;
  after.Load();
  ASSERT_EQ(after.m_toolbars.size(), 2u);
  EXPECT_EQ(FolderBytes(after.m_toolbars[0]),
            FolderBytes(before.m_toolbars[0]));
  EXPECT_EQ(after.m_toolbars[0].sortOrder, qv::kSortCustom);
  ASSERT_EQ(after.m_toolbars[0].info.entries.size(), 2u);
  EXPECT_EQ(after.m_toolbars[0].info.entries[0].name, "a.txt");

  // A drive arriving has the waiting toolbar read again, apart: while its
  // drive is still missing it keeps waiting, and nothing is rebuilt.
  bar.SendMessage(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
  EXPECT_FALSE(bar.PendingRebuild());
  PumpUntil([] { return false; }, 500);
  EXPECT_EQ(bar.TabStrip().GetTabCount(), 1);
  EXPECT_TRUE(bar.Model().Unreachable(0));
}

TEST_F(BarWindowTest, RebuildWithoutTheDesktopFolderStillAnswersTabClicks) {
  TempFolder first("first"), second("second");
  StoreToolbar(first.path(), qv::kKindNormal);
  StoreToolbar(second.path(), qv::kKindNormal);
  NoDesktopShell noDesktop;
  CBarWindow bar(shell, nullptr, noDesktop);
  ASSERT_TRUE(Create(bar));
  bar.TabStrip().m_nCurSel = 1;
  NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
  bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(stored.m_nCurrentTab, 1);
}

TEST_F(BarWindowTest, RecentFolderIsLabelledDocumentsAndBrowseIsMarked) {
  char recent[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, recent, CSIDL_RECENT, TRUE));
  TempFolder browsed("browsed");
  StoreToolbar(recent, qv::kKindNormal);
  StoreToolbar(browsed.path(), qv::kKindBrowse);

  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  ASSERT_NE(bar.TabStrip().GetTab(1), nullptr);
  EXPECT_EQ(std::string(bar.TabStrip().GetTab(0)->m_strText), "Documents");
  EXPECT_EQ(std::string(bar.TabStrip().GetTab(1)->m_strText),
            "Browse " + LastName(browsed.path()));
}

TEST_F(BarWindowTest, BrowsingUsesOneBrowseToolbarAndGoingUpLandsThere) {
  TempFolder top("top");
  ASSERT_TRUE(::CreateDirectoryA((top / "first").c_str(), nullptr));
  ASSERT_TRUE(::CreateDirectoryA((top / "second").c_str(), nullptr));
  StoreToolbar(top.path(), qv::kKindNormal);
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));

  bar.Pane().BrowseInBar(0, ButtonNamed(bar, 0, "first"));
  Pump();
  ASSERT_EQ(bar.Settings().ToolbarCount(), 2);
  EXPECT_EQ(bar.Settings().FindBrowseToolbar(), 1);
  EXPECT_EQ(bar.Settings().m_nCurrentTab, 1);
  EXPECT_EQ(bar.TabStrip().GetTab(1)->m_strText, "Browse first");
  EXPECT_TRUE(bar.Buttons(1));

  // The second folder reuses the browse toolbar.
  bar.Pane().BrowseInBar(0, ButtonNamed(bar, 0, "second"));
  Pump();
  ASSERT_EQ(bar.Settings().ToolbarCount(), 2);
  EXPECT_EQ(bar.TabStrip().GetTab(1)->m_strText, "Browse second");

  // Up from the browse toolbar (the current one) shows the top folder there.
  bar.Pane().SendMessage(WM_COMMAND, ID_UP_ONE_LEVEL);
  Pump();
  ASSERT_EQ(bar.Settings().ToolbarCount(), 2);
  EXPECT_EQ(bar.TabStrip().GetTab(1)->m_strText,
            "Browse " + LastName(top.path()));
}

TEST_F(BarWindowTest, SortCommandsSaveTheCurrentToolbarsOrder) {
  TempFolder top("sorted");
  StoreToolbar(top.path(), qv::kKindNormal);
  StoreToolbar(top.path(), qv::kKindBrowse);
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));

  bar.Pane().SendMessage(WM_COMMAND, ID_SORT_BY_DATE);
  Pump();
  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(stored.m_toolbars[0].sortOrder, 2u);

  // The browse toolbar keeps its order when asked for a custom one.
  bar.Redo(bar.Model().SelectToolbar(1));
  bar.Pane().SendMessage(WM_COMMAND, ID_CUSTOM_SORT);
  Pump();
  stored.Load();
  EXPECT_EQ(stored.m_toolbars[1].sortOrder, 1u);
  bar.Pane().SendMessage(WM_COMMAND, ID_SORT_BY_SIZE);
  Pump();
  stored.Load();
  EXPECT_EQ(stored.m_toolbars[1].sortOrder, 4u);
}

TEST_F(BarWindowTest, ResizingToTheSameSizeKeepsTheRowsAndColumns) {
  for (UINT edge : {ABE_TOP, ABE_LEFT}) {
    registry.SetDword("Alignment", edge);
    for (DWORD cells = 1; cells <= 5; ++cells) {
      registry.SetDword(edge == ABE_TOP ? "Rows" : "Columns", cells);
      CBarWindow bar(shell);
      ASSERT_TRUE(Create(bar));
      // What the resize drag hands over when released where it started.
      const RECT client = bar.GetClientRect();
      bar.SendMessage(
          WM_SIZE, 10,
          MAKELPARAM(client.right - ::GetSystemMetrics(SM_CXVSCROLL),
                     client.bottom - ::GetSystemMetrics(SM_CYHSCROLL)));
      CBarSettings stored;
      stored.Load();
      EXPECT_EQ(edge == ABE_TOP ? stored.m_nRows : stored.m_nColumns,
                static_cast<int>(cells))
          << "edge " << edge;
    }
  }
}

TEST_F(BarWindowTest, StoredSizesBeyondTheScreenAreShownClampedAndKept) {
  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  registry.SetDword("Rows", 100000);
  registry.SetDword("Max. No. of Chars", 100000);
  {
    CBarWindow bar(shell);
    ASSERT_TRUE(Create(bar));
    const RECT rc = bar.GetWindowRect();
    EXPECT_LE(rc.bottom - rc.top, sy / 2);
    EXPECT_LE(bar.ButtonSize().cx, sx);
    bar.SendMessage(WM_COMMAND, ID_LARGE_ICONS);  // saves the settings
    CBarSettings stored;
    stored.Load();
    EXPECT_EQ(stored.m_nRows, 100000);
    EXPECT_EQ(stored.m_nMaxChars, 100000);
  }
  registry.SetDword("Max. No. of Chars", 0);
  registry.SetDword("Alignment", ABE_LEFT);
  registry.SetDword("Columns", 100000);
  {
    CBarWindow bar(shell);
    ASSERT_TRUE(Create(bar));
    const RECT rc = bar.GetWindowRect();
    EXPECT_LE(rc.right - rc.left, sx / 2);
  }
  // Long names on a left bar: its one column of buttons within half the
  // screen too (the settings fuzz target found it as wide as the screen).
  registry.SetDword("Max. No. of Chars", 100000);
  {
    CBarWindow bar(shell);
    ASSERT_TRUE(Create(bar));
    const RECT rc = bar.GetWindowRect();
    EXPECT_LE(rc.right - rc.left, sx / 2);
    EXPECT_GT(bar.ButtonSize().cx, sx / 4);  // the names still get the room
  }
  registry.SetDword("Max. No. of Chars", 0);
  registry.SetDword("Columns", static_cast<DWORD>(-5));
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  const RECT rc = bar.GetWindowRect();
  EXPECT_EQ(rc.right - rc.left, Thickness(bar, ABE_LEFT, true));
}

TEST_F(BarWindowTest, TheCurrentEdgeDocksAgainAndAnIconSizeAlreadySetIsNoOp) {
  CBarWindow bar(shell);
  ASSERT_TRUE(Create(bar));
  // Behind the bar's back the stored edge changes and the bar is moved.
  registry.SetDword("Alignment", ABE_BOTTOM);
  ::SetWindowPos(bar.m_hWnd, nullptr, 100, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
  bar.SendMessage(WM_COMMAND, ID_TOP_ALIGN);
  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(stored.m_nAlignment, qv::Edge::Top);
  EXPECT_EQ(bar.GetWindowRect().top, 0);

  // Small icons are shown: asking for them neither saves nor rebuilds.
  registry.SetDword("Rows", 3);
  auto calls = shell.calls;
  bar.SendMessage(WM_COMMAND, ID_SMALL_ICONS);
  EXPECT_EQ(shell.calls, calls);
  stored.Load();
  EXPECT_EQ(stored.m_nRows, 3);

  bar.SendMessage(WM_COMMAND, ID_LARGE_ICONS);
  stored.Load();
  EXPECT_FALSE(stored.m_bSmallIcons);
  EXPECT_EQ(stored.m_nRows, 3);  // the command stores only its own value
  registry.SetDword("Rows", 3);
  calls = shell.calls;
  bar.SendMessage(WM_COMMAND, ID_LARGE_ICONS);
  EXPECT_EQ(shell.calls, calls);
  stored.Load();
  EXPECT_EQ(stored.m_nRows, 3);
}

TEST_F(BarWindowTest, AnIconSizeChangeResizesTheRowInPlaceAndDocksAgain) {
  TempFolder folder("icons");
  ASSERT_TRUE(folder.AddFile("a.txt"));
  StoreToolbar(folder.path(), qv::kKindNormal);
  registry.SetDword("Alignment", ABE_TOP);
  CountingShell folders;
  auto watcher = std::make_unique<CountingWatcher>();
  const CountingWatcher& watches = *watcher;
  CBarWindow bar(shell, nullptr, folders, std::move(watcher));
  ASSERT_TRUE(Create(bar));
  ASSERT_TRUE(bar.Settings().m_bSmallIcons);
  const int fills = folders.fills;
  const int watched = watches.calls;
  const int small = bar.ButtonSize().cy;
  const HWND row = bar.Pane().GetRow(0)->m_hWnd;

  bar.SendMessage(WM_COMMAND, ID_LARGE_ICONS);
  EXPECT_GT(bar.ButtonSize().cy, small);
  EXPECT_EQ(row, bar.Pane().GetRow(0)->m_hWnd);
  EXPECT_EQ(bar.ButtonSize().cy, bar.Pane().GetRow(0)->GetItemSize().cy);
  EXPECT_EQ(fills, folders.fills);
  EXPECT_EQ(watched, watches.calls);
  const RECT band = shell.BandOf(bar.m_hWnd);
  const RECT window = bar.GetWindowRect();
  EXPECT_TRUE(::EqualRect(&band, &window));
  EXPECT_EQ(window.bottom - window.top, Thickness(bar, ABE_TOP, true));
}

TEST_F(BarWindowTest, TabSwitchesReadNoSettingsStoreOnlyTheTabAndDockNothing) {
  TempFolder first("first"), second("second");
  StoreToolbar(first.path(), qv::kKindNormal);
  StoreToolbar(second.path(), qv::kKindNormal);
  CBarSettings stored;
  ASSERT_EQ(1, stored.Load());
  MemorySettingsStore store;
  store.Fill(stored);
  CountingShell folders;
  auto watcher = std::make_unique<CountingWatcher>();
  const CountingWatcher& watches = *watcher;
  CBarWindow bar(shell, nullptr, folders, std::move(watcher), SystemMonitors(),
                 store);
  ASSERT_TRUE(Create(bar));
  ASSERT_EQ(2, bar.TabStrip().GetTabCount());
  // The toolbar left for after the first paint has been read.
  ASSERT_TRUE(PumpUntil([&] { return bar.Model().FirstPending() < 0; }));

  const int reads = store.reads;
  const int fills = folders.fills;
  const int watched = watches.calls;
  const auto calls = shell.calls;
  const HWND row = bar.Pane().GetRow(0)->m_hWnd;
  const RECT pane = bar.Pane().GetWindowRect();
  store.written.clear();
  for (int i = 1; i <= 20; ++i) {
    bar.TabStrip().m_nCurSel = i % 2;
    NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
    bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(i % 2, bar.Settings().m_nCurrentTab);
  }
  EXPECT_EQ(reads, store.reads);
  EXPECT_EQ(std::vector<std::string>(20, "Current Tab"), store.written);
  EXPECT_EQ(calls, shell.calls);  // no appbar request
  EXPECT_EQ(fills, folders.fills);
  EXPECT_EQ(watched, watches.calls);
  EXPECT_EQ(row, bar.Pane().GetRow(0)->m_hWnd);  // shows the other toolbar
  const RECT after = bar.Pane().GetWindowRect();
  EXPECT_TRUE(::EqualRect(&pane, &after));  // laid out at the bar's length
}
