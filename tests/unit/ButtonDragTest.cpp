// tests/unit/ButtonDragTest.cpp: buttons of a real bar dragged with the
// mouse, the drag's loop played by a stand-in that records what the bar
// hands it and drives the bar's own drop target: a move along the row
// becomes the toolbar's custom order, Esc changes nothing, and files held
// over a folder button go into that folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/BarWindow.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/HdropData.h"
#include "tests/unit/support/RealShell.h"
#include "tests/unit/support/ScratchRegistry.h"
#include "tests/unit/support/TempFolder.h"
#include "tests/unit/support/WaitForReads.h"
#include "toolbar/ButtonRow.h"
#include "shell/ShellHelpers.h"

namespace {

constexpr DWORD kAllowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// The paths a data object carries as CF_HDROP.
std::vector<std::string> DroppedPaths(IDataObject* data) {
  std::vector<std::string> paths;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return paths;
  auto drop = static_cast<HDROP>(medium.hGlobal);
  const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[MAX_PATH] = {};
    ::DragQueryFileA(drop, i, path, MAX_PATH);
    paths.push_back(path);
  }
  ::ReleaseStgMedium(&medium);
  return paths;
}

// The user's part of a drag: the mouse goes to `at` on the bar, then the
// button is let go there, or Esc is pressed.
class PlayedDrag : public qv::IDragDropLoop {
 public:
  HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowed,
                     DWORD* effect) override {
    carried = DroppedPaths(data);
    this->allowed = allowed;
    IDropTarget* drop = target;
    DWORD shown = allowed;
    drop->DragEnter(data, MK_LBUTTON, at, &shown);
    shown = allowed;
    drop->DragOver(MK_LBUTTON, at, &shown);
    overEffect = shown;
    if (row) markShown = row->GetInsertionMark();
    const HRESULT next =
        source->QueryContinueDrag(escape, escape ? MK_LBUTTON : 0);
    *effect = DROPEFFECT_NONE;
    if (next == DRAGDROP_S_DROP) {
      *effect = allowed;
      drop->Drop(data, 0, at, effect);
    } else {
      drop->DragLeave();
    }
    return next;
  }

  IDropTarget* target = nullptr;
  const CButtonRow* row = nullptr;
  POINTL at{};
  bool escape = false;
  std::vector<std::string> carried;
  DWORD allowed = 0;
  DWORD overEffect = 0;
  int markShown = -2;
};

// A folder's drop target that takes copies and records what reaches it.
class RecordingTarget : public IDropTarget {
 public:
  virtual ~RecordingTarget() = default;
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDropTarget
                  ? static_cast<IDropTarget*>(this)
                  : nullptr;
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override { return --refs; }
  STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    ++entered;
    *effect = DROPEFFECT_COPY;
    return S_OK;
  }
  STDMETHODIMP DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_COPY;
    return S_OK;
  }
  STDMETHODIMP DragLeave() override {
    ++left;
    return S_OK;
  }
  STDMETHODIMP Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    dropped = DroppedPaths(data);
    *effect = DROPEFFECT_COPY;
    return S_OK;
  }

  ULONG refs = 1;
  int entered = 0;
  int left = 0;
  std::vector<std::string> dropped;
};

// The real shell, but a recording target stands in for a folder's own.
class FolderTargets : public RealShell {
 public:
  qv::ComPtr<IDropTarget> FolderDropTarget(LPCITEMIDLIST folder,
                                           LPCITEMIDLIST item,
                                           HWND owner) override {
    realOne = RealShell::FolderDropTarget(folder, item, owner) != nullptr;
    const qv::UniqueIdList whole(qv::ConcatIdLists(folder, item));
    char path[MAX_PATH] = {};
    ::SHGetPathFromIDListA(whole.get(), path);
    asked.push_back(path);
    return &target;
  }

  RecordingTarget target;
  std::vector<std::string> asked;
  bool realOne = false;
};

class ButtonDragTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::OleInitialize(nullptr); }

  void SetUp() override {
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
      ASSERT_TRUE(m_folder.AddFile(name));
    ASSERT_TRUE(m_folder.AddFolder("Sub"));
    m_user.SetDword("First Time", 0);
    CBarSettings settings;
    settings.m_nAlignment = qv::Edge::Top;
    settings.m_bShowTitle = 0;
    settings.m_bAnimate = 0;
    ASSERT_EQ(1, settings.AppendToolbar(qv::UniqueIdList(qv::PathToIdList(
                                            m_folder.path(), nullptr)),
                                        qv::kSortByName, ToolbarInfo{}));
    ASSERT_EQ(1, settings.Save());
    ASSERT_TRUE(CreateAndRead(m_bar));
    m_drag.target = &m_bar.DropTarget();
    m_drag.row = Row();
  }

  void TearDown() override { m_bar.DestroyWindow(); }

  CButtonRow* Row() const { return m_bar.Pane().GetRow(0); }

  std::vector<std::string> Names(const CBarWindow& bar) const {
    std::vector<std::string> names;
    for (const ToolbarButton& button : *bar.Buttons(0))
      names.push_back(button.name);
    return names;
  }
  int IndexOf(const std::string& name) const {
    const auto names = Names(m_bar);
    for (size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return static_cast<int>(i);
    return -1;
  }

  // A point of button `index`'s cell, `along` pixels from its leading edge
  // (its middle for -1), in screen coordinates.
  POINT OnCell(int index, int along = -1) const {
    const RECT cell = Row()->GetCellRect(index);
    POINT pt{along < 0 ? (cell.left + cell.right) / 2 : cell.left + along,
             (cell.top + cell.bottom) / 2};
    ::ClientToScreen(*Row(), &pt);
    return pt;
  }

  // Presses button `index` and moves the mouse past the drag distance.
  void DragButton(int index) {
    POINT pt = OnCell(index);
    ::ScreenToClient(*Row(), &pt);
    Row()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    const int past = ::GetSystemMetrics(SM_CXDRAG) + 1;
    Row()->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + past, pt.y));
  }

  bool RebuildPosted() const {
    MSG msg;
    return ::PeekMessageA(&msg, m_bar.m_hWnd, UWM_REBUILD_BAR, UWM_REBUILD_BAR,
                          PM_NOREMOVE) != FALSE;
  }

  ScratchCurrentUser m_user;
  FakeAppBarService m_shell;
  TempFolder m_folder{"drag"};
  PlayedDrag m_drag;
  FolderTargets m_folders;
  CBarWindow m_bar{m_shell, nullptr,          m_folders,
                   nullptr, SystemMonitors(), RegistrySettings(),
                   m_drag};
};

// The drag hands the loop exactly the item, copy, move and link allowed;
// let go before the first button, the third is stored first in a custom
// order that a new start shows.
TEST_F(ButtonDragTest, TheThirdButtonDroppedBeforeTheFirstLeadsAfterARestart) {
  const auto before = Names(m_bar);
  ASSERT_GE(before.size(), 4u);
  const POINT lead = OnCell(0, 1);
  m_drag.at = {lead.x, lead.y};
  DragButton(2);

  ASSERT_EQ(1u, m_drag.carried.size());
  EXPECT_EQ(
      0, lstrcmpiA((m_folder / before[2]).c_str(), m_drag.carried[0].c_str()))
      << m_drag.carried[0];
  EXPECT_EQ(kAllowed, m_drag.allowed);
  EXPECT_EQ(DROPEFFECT_MOVE, m_drag.overEffect);
  EXPECT_EQ(0, m_drag.markShown);
  EXPECT_EQ(-1, Row()->GetInsertionMark());
  EXPECT_EQ(-1, Row()->GetPressed());

  CBarSettings saved;
  ASSERT_EQ(1, saved.Load());
  EXPECT_EQ(qv::kKindCustom, saved.m_toolbars[0].info.kind);
  EXPECT_EQ(qv::kSortCustom, saved.m_toolbars[0].sortOrder);
  ASSERT_TRUE(RebuildPosted());

  m_bar.DestroyWindow();
  CBarWindow restarted{m_shell};
  ASSERT_TRUE(CreateAndRead(restarted));
  const auto after = Names(restarted);
  ASSERT_EQ(before.size(), after.size());
  EXPECT_EQ(before[2], after[0]);
  EXPECT_EQ(before[0], after[1]);
  EXPECT_EQ(before[1], after[2]);
  restarted.DestroyWindow();
}

TEST_F(ButtonDragTest, EscDuringTheDragChangesNothing) {
  const POINT lead = OnCell(0, 1);
  m_drag.at = {lead.x, lead.y};
  m_drag.escape = true;
  DragButton(2);
  EXPECT_EQ(0, m_drag.markShown);
  EXPECT_EQ(-1, Row()->GetInsertionMark());
  CBarSettings saved;
  ASSERT_EQ(1, saved.Load());
  EXPECT_EQ(qv::kKindNormal, saved.m_toolbars[0].info.kind);
  EXPECT_EQ(qv::kSortByName, saved.m_toolbars[0].sortOrder);
  EXPECT_FALSE(RebuildPosted());
}

// Files from elsewhere held over the middle of a folder button light it
// and go to that folder's own drop target; off its middle, the target is
// left.
TEST_F(ButtonDragTest, FilesHeldOverAFolderButtonGoToThatFoldersTarget) {
  TempFolder elsewhere("outside");
  ASSERT_TRUE(elsewhere.AddFile("note.txt"));
  HdropData data({elsewhere / "note.txt"});
  const int sub = IndexOf("Sub");
  ASSERT_GE(sub, 0);
  const POINT middle = OnCell(sub);
  const POINT edge = OnCell(sub, 1);
  IDropTarget* target = &m_bar.DropTarget();
  DWORD effect = kAllowed;
  ASSERT_EQ(S_OK, target->DragEnter(&data, MK_LBUTTON, {middle.x, middle.y},
                                    &effect));
  EXPECT_EQ(DROPEFFECT_COPY, effect);
  EXPECT_EQ(sub, Row()->GetDropHighlight());
  EXPECT_EQ(std::vector<std::string>{m_folder / "Sub"}, m_folders.asked);
  EXPECT_TRUE(m_folders.realOne) << "the shell has a target for a folder";
  effect = kAllowed;
  target->DragOver(MK_LBUTTON, {edge.x, edge.y}, &effect);
  EXPECT_EQ(1, m_folders.target.left);
  EXPECT_EQ(-1, Row()->GetDropHighlight());

  effect = kAllowed;
  target->DragOver(MK_LBUTTON, {middle.x, middle.y}, &effect);
  effect = kAllowed;
  ASSERT_EQ(S_OK, target->Drop(&data, 0, {middle.x, middle.y}, &effect));
  EXPECT_EQ(DROPEFFECT_COPY, effect);
  EXPECT_EQ(std::vector<std::string>{elsewhere / "note.txt"},
            m_folders.target.dropped);
  EXPECT_EQ(2, m_folders.target.entered);
  EXPECT_EQ(1, m_folders.target.left);
  EXPECT_EQ(-1, Row()->GetDropHighlight());
  EXPECT_EQ(1, m_bar.Settings().ToolbarCount());
  EXPECT_EQ(1u, m_folders.target.refs) << "the bar keeps no target";
}

}  // namespace
