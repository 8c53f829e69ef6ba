// tests/leak/RebuildLeakTest.cpp: a thousand rebuilds of the bar (tab
// switches, refreshes, icon-size changes, the Customize sheet opened and
// closed) leave the process's GDI and USER objects, handles and memory
// where they were after the first few.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bar/BarWindow.h"
#include "res/resource.h"
#include "shell/ShellHelpers.h"
#include "tests/leak/ProcessCounters.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "tests/unit/support/WaitForReads.h"

namespace {

constexpr int kRebuilds = 1000;
constexpr int kRebuildsPerRound = 4;
// The sheet is slow to open under Wine: it comes up every tenth round.
constexpr int kSheetEvery = 10;
constexpr int kWarmUpRounds = 2 * kSheetEvery;
// Heaps grow and shrink in blocks and keep caches; a leak of even 1 KiB
// per rebuild would pass this many times over.
constexpr int64_t kPrivateSlack = 1 << 20;
constexpr int64_t kHeapSlack = 256 << 10;
// A lock the window shares with the reader and icon threads makes its kernel
// event the first time two threads meet at it, which may fall inside the
// counted rounds; a handle leaked per rebuild would be hundreds.
constexpr long kHandleSlack = 2;

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

class RebuildLeakTest : public testing::Test {
 protected:
  void SetUp() override {
    registry.WriteBaseline();
    CBarSettings settings;
    settings.Load();
    for (const TempFolder* folder : {&first, &second}) {
      for (const char* name : {"a.txt", "b.bmp", "c.ini", "d.doc", "e.exe"})
        ASSERT_TRUE(folder->AddFile(name, 100));
      ASSERT_TRUE(folder->AddFolder("sub"));
      ASSERT_TRUE(settings.AppendToolbar(
          qv::UniqueIdList(qv::PathToIdList(folder->path(), nullptr)),
          qv::kSortByName, ToolbarInfo{qv::kKindNormal, {}}));
    }
    settings.Save();
    ASSERT_TRUE(bar.CreateBar());
    ASSERT_EQ(bar.TabStrip().GetTabCount(), 2);
  }

  // Four rebuilds: a tab switch, a refresh, large and small icons; on every
  // tenth round the sheet too, through every page, closed by OK (a rebuild
  // from its copy of the settings) or by Cancel.
  void Round(int round) {
    bar.TabStrip().m_nCurSel = round % 2;
    NMHDR hdr = {bar.TabStrip().m_hWnd, kTabStripId, TABN_SELCHANGED};
    bar.SendMessage(WM_NOTIFY, kTabStripId, reinterpret_cast<LPARAM>(&hdr));
    bar.SendMessage(WM_COMMAND, ID_REFRESH_ICONS);
    bar.SendMessage(WM_COMMAND, ID_LARGE_ICONS);
    bar.SendMessage(WM_COMMAND, ID_SMALL_ICONS);
    if (round % kSheetEvery == 0) Customize(round % (2 * kSheetEvery) == 0);
    Pump();
  }

  void Customize(bool ok) {
    ModalDriver driver([ok] {
      HWND sheet = ::FindWindowA(nullptr, "Customize Quorvane");
      if (!sheet) return false;
      for (int page = 1; page < 5; ++page)
        PropSheet_SetCurSel(sheet, nullptr, page);
      PropSheet_PressButton(sheet, ok ? PSBTN_OK : PSBTN_CANCEL);
      return true;
    });
    bar.SendMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(driver.Done());
  }

  ScratchCurrentUser registry;
  TempFolder first{"leak-first"}, second{"leak-second"};
  FakeAppBarService shell;
  CBarWindow bar{shell};
};

// Each counter sees objects come and go, so that a flat count means
// something.
TEST(ProcessCountersTest, EachCounterSeesObjectsComeAndGo) {
  auto window = [] {
    return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                             nullptr, nullptr, nullptr);
  };
  // The thread's first window brings the thread's own windows with it.
  ::DestroyWindow(window());
  const ProcessCounters before = CountProcess();
  HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
  HMENU menu = ::CreatePopupMenu();
  HWND wnd = window();
  HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  const ProcessCounters with = CountProcess();
  ::DeleteObject(brush);
  ::DestroyMenu(menu);
  ::DestroyWindow(wnd);
  ::CloseHandle(event);
  const ProcessCounters after = CountProcess();
  EXPECT_EQ(with.gdiObjects, before.gdiObjects + 1);
  // A window may bring objects of its own (a class, an input context).
  EXPECT_GE(with.userObjects, before.userObjects + 2);
  EXPECT_EQ(with.handles, before.handles + 1);
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  EXPECT_EQ(after.userObjects, before.userObjects);
  EXPECT_EQ(after.handles, before.handles);

  // Memory: one large block, and many small ones as a leak would make.
  const std::vector<char> large(8 << 20, 1);
  std::vector<std::unique_ptr<char[]>> small;
  for (int i = 0; i < 4096; ++i) small.emplace_back(new char[256]);
  const ProcessCounters grown = CountProcess();
  EXPECT_GE(grown.privateBytes - before.privateBytes, 8 << 20);
  EXPECT_GE(grown.heapBytes - before.heapBytes, (8 << 20) + (1 << 20));
}

TEST_F(RebuildLeakTest, AThousandRebuildsLeaveTheCountsFlat) {
  for (int round = 0; round < kWarmUpRounds; ++round) Round(round);
  // The toolbars a rebuild leaves for later are read on another thread, and
  // folders are opened on the thread pool, whose idle workers end seconds
  // later: a worker still there when counted would look like a leaked handle.
  ASSERT_TRUE(WaitForReads(bar));
  CounterMethods how;
  const ProcessCounters before = CountProcess(&how);
  for (int round = 0; round < kRebuilds / kRebuildsPerRound; ++round)
    Round(round);
  ASSERT_TRUE(WaitForReads(bar));
  PumpUntil([&before] {
    return CountProcess().handles <= before.handles + kHandleSlack;
  });
  const ProcessCounters after = CountProcess();

  std::cout << "GDI objects " << before.gdiObjects << " -> " << after.gdiObjects
            << " (" << how.gdi << ")\nUSER objects " << before.userObjects
            << " -> " << after.userObjects << " (" << how.user << ")\nhandles "
            << before.handles << " -> " << after.handles << " (" << how.handles
            << ")\nprivate bytes " << before.privateBytes << " -> "
            << after.privateBytes << ", heap bytes " << before.heapBytes
            << " -> " << after.heapBytes << " (" << how.memory << ")\n";
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  EXPECT_EQ(after.userObjects, before.userObjects);
  EXPECT_LE(after.handles, before.handles + kHandleSlack);
  EXPECT_LE(after.privateBytes - before.privateBytes, kPrivateSlack);
  EXPECT_LE(after.heapBytes - before.heapBytes, kHeapSlack);
}

}  // namespace
