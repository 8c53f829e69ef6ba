// tests/unit/BarDropTest.cpp: items dragged onto a real bar window through
// its OLE drop target, with a data object carrying CF_HDROP: folders become
// toolbars, items dropped with the right button on a row become shortcuts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "bar/BarWindow.h"
#include "framework/WinApp.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/HdropData.h"
#include "tests/unit/support/LinkFile.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "tests/unit/support/WaitForReads.h"
#include "toolbar/ButtonRow.h"
#include "shell/ShellHelpers.h"

namespace {

constexpr DWORD kNone = DROPEFFECT_NONE;
constexpr DWORD kLink = DROPEFFECT_LINK;
constexpr DWORD kAnyEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE | kLink;

class BarDropTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }

  void SetUp() override {
    ASSERT_TRUE(m_items.AddFile("x.txt"));
    ASSERT_TRUE(m_row.AddShortcut("Report.LNK", (m_items / "x.txt").c_str()));
    ASSERT_TRUE(m_items.AddFile("Report.final.doc"));
    ASSERT_TRUE(m_items.AddFolder("Sub"));
    ASSERT_TRUE(m_items.AddFolder("Other"));

    // One toolbar, the row's folder, on a top bar three lines high: its one
    // line of buttons leaves empty pane below it.
    m_user.SetDword("First Time", 0);
    CBarSettings settings;
    settings.m_nAlignment = qv::Edge::Top;
    settings.m_nRows = 3;
    settings.m_bShowTitle = 0;
    settings.m_bAnimate = 0;
    ASSERT_EQ(1, settings.AppendToolbar(
                     qv::UniqueIdList(qv::PathToIdList(m_row.path(), nullptr)),
                     qv::kSortByName, ToolbarInfo{}));
    ASSERT_EQ(1, settings.Save());
    ASSERT_TRUE(CreateAndRead(m_bar));
    ASSERT_EQ(1, m_bar.Pane().GetRowCount());
    ASSERT_TRUE(m_bar.Buttons(0));
  }

  void TearDown() override { m_bar.DestroyWindow(); }

  POINTL OnRow() const {
    RECT row{};
    ::GetWindowRect(*m_bar.Pane().GetRow(0), &row);
    return {row.left + 4, row.top + 4};
  }

  POINTL OnEmptyPane() const {
    RECT row{}, pane{};
    ::GetWindowRect(*m_bar.Pane().GetRow(0), &row);
    ::GetWindowRect(m_bar.Pane(), &pane);
    POINT point{row.left + 4, row.bottom + 4};
    EXPECT_LT(point.y, pane.bottom - 4) << "no empty pane below the row";
    POINT inPane = point;
    ::ScreenToClient(m_bar.Pane(), &inPane);
    EXPECT_EQ(m_bar.Pane().m_hWnd,
              ::ChildWindowFromPointEx(m_bar.Pane(), inPane, CWP_ALL));
    return {point.x, point.y};
  }

  // A whole drag: entering and moving with `keys` held, then letting go at
  // the same point (the buttons up by then). Answers the drop's effect;
  // `feedback` receives what the drag showed.
  DWORD DragAndDrop(HdropData& data, DWORD keys, POINTL point,
                    DWORD* feedback = nullptr, DWORD allowed = kAnyEffect) {
    IDropTarget* target = &m_bar.DropTarget();
    DWORD entered = allowed, over = allowed, dropped = allowed;
    EXPECT_EQ(S_OK, target->DragEnter(&data, keys, point, &entered));
    EXPECT_EQ(S_OK, target->DragOver(keys, point, &over));
    EXPECT_EQ(entered, over);
    if (feedback) *feedback = over;
    if (over == DROPEFFECT_NONE) {
      EXPECT_EQ(S_OK, target->DragLeave());
      return DROPEFFECT_NONE;
    }
    EXPECT_EQ(S_OK, target->Drop(&data, 0, point, &dropped));
    EXPECT_EQ(1u, data.Refs()) << "the target keeps no data after a drop";
    return dropped;
  }

  DWORD Feedback(HdropData& data, DWORD keys, POINTL point,
                 DWORD allowed = kAnyEffect) {
    IDropTarget* target = &m_bar.DropTarget();
    DWORD effect = allowed;
    target->DragEnter(&data, keys, point, &effect);
    target->DragLeave();
    return effect;
  }

  bool RebuildPosted() const {
    MSG msg;
    return ::PeekMessageA(&msg, m_bar.m_hWnd, UWM_REBUILD_BAR, UWM_REBUILD_BAR,
                          PM_NOREMOVE) != FALSE;
  }

  ScratchCurrentUser m_user;
  FakeAppBarService m_shell;
  TempFolder m_row{"row"};
  TempFolder m_items{"dropped"};
  CBarWindow m_bar{m_shell};
};

TEST_F(BarDropTest, RightButtonOnARowMakesShortcutsForFilesAndFolders) {
  HdropData data({m_items / "Report.final.doc", m_items / "Sub"});
  DWORD feedback = 0;
  EXPECT_EQ(kLink, DragAndDrop(data, MK_RBUTTON, OnRow(), &feedback));
  EXPECT_EQ(kLink, feedback);

  EXPECT_EQ((std::set<std::string>{"Report.LNK", "Report (2).LNK", "Sub.LNK"}),
            FolderNames(m_row.path()));
  const LinkFile report = LinkFile::Read(m_row / "Report (2).LNK");
  EXPECT_EQ("Shortcut to Report", report.description);
  EXPECT_EQ(m_items / "Report.final.doc", report.target);
  EXPECT_EQ("Shortcut to Sub", LinkFile::Read(m_row / "Sub.LNK").description);
  ASSERT_TRUE(m_bar.PendingRebuild());
  EXPECT_EQ(0, m_bar.PendingRebuild()->toolbar);
  EXPECT_TRUE(RebuildPosted());
}

TEST_F(BarDropTest, RightButtonRefusedOffARowOrWithoutALinkAllowed) {
  HdropData data({m_items / "Report.final.doc"});
  EXPECT_EQ(kNone, DragAndDrop(data, MK_RBUTTON, OnEmptyPane()));
  EXPECT_EQ(kNone, DragAndDrop(data, MK_RBUTTON, OnRow(), nullptr,
                               DROPEFFECT_COPY | DROPEFFECT_MOVE));
  EXPECT_EQ((std::set<std::string>{"Report.LNK"}), FolderNames(m_row.path()));
  EXPECT_FALSE(RebuildPosted());
}

// Only plain folders become toolbars: read-only, hidden or system ones (the
// shell's special and customised folders), files, or a mix are refused.
TEST_F(BarDropTest, LeftButtonTakesOnlyPlainFolders) {
  HdropData plain({m_items / "Sub", m_items / "Other"});
  EXPECT_EQ(kLink, Feedback(plain, MK_LBUTTON, OnEmptyPane()));
  HdropData file({m_items / "Sub", m_items / "x.txt"});
  EXPECT_EQ(kNone, Feedback(file, MK_LBUTTON, OnEmptyPane()));

  // Wine keeps only some of these bits on a folder; the hidden one at least.
  int kept = 0;
  for (DWORD bit : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                    FILE_ATTRIBUTE_SYSTEM}) {
    const std::string folder = m_items / ("Marked" + std::to_string(bit));
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    ::SetFileAttributesA(folder.c_str(), bit);
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (!(attributes & bit)) continue;
    ++kept;
    HdropData marked({m_items / "Sub", folder});
    EXPECT_EQ(kNone, Feedback(marked, MK_LBUTTON, OnEmptyPane()))
        << "attributes " << attributes;
    ::SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  EXPECT_GE(kept, 1);
  EXPECT_EQ(1, m_bar.Settings().ToolbarCount());
}

TEST_F(BarDropTest, OneFolderIsReadAloneTwoFoldersReloadAll) {
  HdropData one({m_items / "Sub"});
  EXPECT_EQ(kLink, DragAndDrop(one, MK_LBUTTON, OnRow()));
  ASSERT_EQ(2, m_bar.Settings().ToolbarCount());
  ASSERT_TRUE(m_bar.PendingRebuild());
  EXPECT_EQ(RebuildRequest::Reload::kOne, m_bar.PendingRebuild()->reload);
  EXPECT_EQ(1, m_bar.PendingRebuild()->toolbar);
  EXPECT_TRUE(RebuildPosted());
  CBarSettings saved;
  ASSERT_EQ(1, saved.Load());
  ASSERT_EQ(2, saved.ToolbarCount());
  EXPECT_EQ(qv::kSortByName, saved.m_toolbars[1].sortOrder);
  EXPECT_EQ(qv::kKindNormal, saved.m_toolbars[1].info.kind);

  HdropData two({m_items / "Sub", m_items / "Other"});
  EXPECT_EQ(kLink, DragAndDrop(two, MK_LBUTTON, OnEmptyPane()));
  EXPECT_EQ(4, m_bar.Settings().ToolbarCount());
  // Merged with the first drop's request, which is still pending.
  EXPECT_EQ(RebuildRequest::Reload::kAll, m_bar.PendingRebuild()->reload);
  ASSERT_EQ(1, saved.Load());
  EXPECT_EQ(4, saved.ToolbarCount());
  char path[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetPathFromIDListA(saved.m_toolbars[3].folder.get(), path));
  EXPECT_EQ(m_items / "Other", path);
}

}  // namespace

namespace {

// The bar's drop target answers only for a bar window.
TEST(BarDropTarget, RefusesOnAnyOtherWindow) {
  ::OleInitialize(nullptr);
  qv::CWnd other;
  qv::CreateArgs args;
  args.className = qv::RegisterWindowClass(
      0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
  args.windowName = "other";
  args.style = WS_POPUP;
  args.SetRect({0, 0, 50, 50});
  ASSERT_TRUE(other.Create(args));
  TempFolder items("other");
  ASSERT_TRUE(items.AddFolder("Sub"));
  HdropData data({items / "Sub"});
  CBarDropTarget target;
  ASSERT_TRUE(target.Register(&other));
  DWORD effect = kAnyEffect;
  EXPECT_EQ(S_OK, target.DragEnter(&data, MK_LBUTTON, {10, 10}, &effect));
  EXPECT_EQ(kNone, effect);
  effect = kAnyEffect;
  EXPECT_EQ(S_OK, target.Drop(&data, 0, {10, 10}, &effect));
  EXPECT_EQ(kNone, effect);
  target.Revoke();
  other.DestroyWindow();
}

}  // namespace
