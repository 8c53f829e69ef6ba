// tests/unit/BarSetTest.cpp: the program's bars: a predecessor's key starts
// one bar, "New Bar" makes one on a free edge with its own sub-key, bars
// come back after a restart with their own toolbars and edges, and "Close
// Bar" removes a bar with its sub-key but never the last one; closing the
// first moves the other's settings into the program's key.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/BarSet.h"
#include "customize/CustomizeSheet.h"
#include "res/resource.h"
#include "settings/BarKeys.h"
#include "shell/ShellHelpers.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ModalDriver.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"

namespace {

std::string FolderPath(const ToolbarRecord& toolbar) {
  char path[MAX_PATH] = {};
  ::SHGetPathFromIDListA(toolbar.folder.get(), path);
  return path;
}

class BarSetTest : public testing::Test {
 protected:
  void SetUp() override { registry.WriteBaseline(); }

  std::unique_ptr<CBarSet> MakeSet() {
    return std::make_unique<CBarSet>(
        [this](ISettingsStore& store) {
          return std::make_unique<CBarWindow>(shell, nullptr,
                                              ShellToolbarShell(), nullptr,
                                              SystemMonitors(), store);
        },
        [this](CBarWindow&) {
          ++questions;
          return agree;
        });
  }

  static std::vector<qv::UniqueIdList> Folders(const std::string& path) {
    std::vector<qv::UniqueIdList> folders;
    folders.emplace_back(qv::PathToIdList(path, nullptr));
    return folders;
  }

  ScratchCurrentUser registry;
  FakeAppBarService shell;
  int questions = 0;
  bool agree = true;
};

TEST_F(BarSetTest, BarsMadeByNewBarComeBackWithTheirToolbarsAndEdges) {
  TempFolder first("first"), second("second");
  {
    const std::unique_ptr<CBarSet> set = MakeSet();
    ASSERT_TRUE(set->Start());
    // A key without further bars, as the program's predecessor left it.
    ASSERT_EQ(set->Count(), 1);
    CBarWindow& bar = set->Bar(0);
    bar.Redo(bar.Model().AddToolbars(Folders(first.path())));

    // The new bar's sheet opens on the Toolbars page.
    int page = -1;
    ModalDriver driver([&] {
      HWND sheet = ::FindWindowA(nullptr, "Customize Quorvane");
      if (!sheet) return false;
      page = TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet));
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
      return true;
    });
    bar.SendMessage(WM_COMMAND, ID_NEW_BAR);
    EXPECT_EQ(page, static_cast<int>(CCustomizeSheet::kToolbarsPage));
    ASSERT_EQ(set->Count(), 2);
    CBarWindow& added = set->Bar(1);
    EXPECT_EQ(set->BarKey(1), "Bars\\2");
    // Empty, opposite the bar it was asked on.
    EXPECT_EQ(added.Settings().ToolbarCount(), 0);
    EXPECT_EQ(added.Settings().m_nAlignment, qv::Edge::Bottom);
    added.Redo(added.Model().SetEdge(qv::Edge::Left));
    added.Redo(added.Model().AddToolbars(Folders(second.path())));
  }

  const std::unique_ptr<CBarSet> set = MakeSet();
  ASSERT_TRUE(set->Start());
  ASSERT_EQ(set->Count(), 2);
  const CBarSettings& top = set->Bar(0).Settings();
  const CBarSettings& left = set->Bar(1).Settings();
  EXPECT_EQ(top.m_nAlignment, qv::Edge::Top);
  ASSERT_EQ(top.ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*top.Toolbar(0)), first.path());
  EXPECT_EQ(left.m_nAlignment, qv::Edge::Left);
  ASSERT_EQ(left.ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*left.Toolbar(0)), second.path());
  // The first bar's values are where they always were.
  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(stored.m_nAlignment, qv::Edge::Top);
  ASSERT_EQ(stored.ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*stored.Toolbar(0)), first.path());
  // Only the first bar holds the program's hot key.
  EXPECT_TRUE(set->IsFirst(set->Bar(0)));
  EXPECT_FALSE(set->IsFirst(set->Bar(1)));
}

TEST_F(BarSetTest, TabDraggedToAFreeEdgeMakesABarThereAndToABarJoinsIt) {
  TempFolder first("first"), second("second");
  const std::unique_ptr<CBarSet> set = MakeSet();
  ASSERT_TRUE(set->Start());
  CBarWindow& bar = set->Bar(0);
  bar.Redo(bar.Model().AddToolbars(Folders(first.path())));
  bar.Redo(bar.Model().AddToolbars(Folders(second.path())));

  set->MoveToolbar(bar, 0, qv::Edge::Left, bar.Monitor().device);
  ASSERT_EQ(set->Count(), 2);
  const CBarSettings& left = set->Bar(1).Settings();
  EXPECT_EQ(left.m_nAlignment, qv::Edge::Left);
  ASSERT_EQ(left.ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*left.Toolbar(0)), first.path());
  ASSERT_EQ(bar.Settings().ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*bar.Settings().Toolbar(0)), second.path());
  CBarSettings stored;
  stored.Load();
  ASSERT_EQ(stored.ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*stored.Toolbar(0)), second.path());

  // On an edge with a bar (the primary monitor, stored unnamed): it joins.
  set->MoveToolbar(bar, 0, qv::Edge::Left, "");
  EXPECT_EQ(set->Count(), 2);
  EXPECT_EQ(left.ToolbarCount(), 2);
  EXPECT_EQ(bar.Settings().ToolbarCount(), 0);
}

TEST_F(BarSetTest, CloseBarAsksThenRemovesTheBarAndItsKeyButNeverTheLast) {
  CBarSettings further;
  further.m_nAlignment = qv::Edge::Left;
  const std::string key = CreateBarKey();
  ASSERT_EQ(key, "Bars\\2");
  ASSERT_TRUE(further.Save(qv::SettingsWrite::All(), key));
  const std::unique_ptr<CBarSet> set = MakeSet();
  ASSERT_TRUE(set->Start());
  ASSERT_EQ(set->Count(), 2);
  EXPECT_TRUE(set->CanClose(set->Bar(1)));

  // Refused: the bar and its key stay.
  agree = false;
  set->Bar(1).SendMessage(WM_COMMAND, ID_CLOSE_BAR);
  EXPECT_EQ(questions, 1);
  ASSERT_EQ(set->Count(), 2);

  agree = true;
  HWND closing = set->Bar(1).m_hWnd;
  set->Bar(1).SendMessage(WM_COMMAND, ID_CLOSE_BAR);
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(set->Count(), 1);
  EXPECT_FALSE(::IsWindow(closing));
  EXPECT_FALSE(shell.IsRegistered(closing));
  EXPECT_TRUE(StoredBarKeys().empty());

  // The last bar offers no Close Bar, and the command does nothing.
  EXPECT_FALSE(set->CanClose(set->Bar(0)));
  set->Bar(0).SendMessage(WM_COMMAND, ID_CLOSE_BAR);
  EXPECT_EQ(questions, 2);
  EXPECT_TRUE(::IsWindow(set->Bar(0).m_hWnd));
}

// Closing the first bar leaves the other, whose settings move into the
// program's key (its hot key stays the first's).
TEST_F(BarSetTest, ClosingTheFirstBarLeavesTheOtherInTheProgramsKey) {
  TempFolder folder("other");
  CBarSettings further;
  further.m_nAlignment = qv::Edge::Left;
  ASSERT_EQ(1, further.AppendToolbar(
                   qv::UniqueIdList(qv::PathToIdList(folder.path(), nullptr)),
                   qv::kSortByName, ToolbarInfo{}));
  ASSERT_TRUE(further.Save(qv::SettingsWrite::All(), CreateBarKey()));
  const std::unique_ptr<CBarSet> set = MakeSet();
  ASSERT_TRUE(set->Start());
  ASSERT_EQ(set->Count(), 2);
  EXPECT_TRUE(set->CanClose(set->Bar(0)));
  const HWND other = set->Bar(1).m_hWnd;
  const UINT hotKey = set->Bar(0).Settings().m_nHotKey;

  set->Bar(0).SendMessage(WM_COMMAND, ID_CLOSE_BAR);
  ASSERT_EQ(set->Count(), 1);
  EXPECT_FALSE(::IsWindow(other));
  EXPECT_TRUE(StoredBarKeys().empty());
  CBarSettings stored;
  stored.Load();
  EXPECT_EQ(stored.m_nAlignment, qv::Edge::Left);
  ASSERT_EQ(stored.ToolbarCount(), 1);
  EXPECT_EQ(FolderPath(*stored.Toolbar(0)), folder.path());
  EXPECT_EQ(stored.m_nHotKey, hotKey);
  EXPECT_EQ(set->Bar(0).Settings().m_nAlignment, qv::Edge::Left);
}

}  // namespace
