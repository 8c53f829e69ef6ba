// bar/BarWindow.cpp: creation and destruction of the bar window, the rebuild
// cycle, and the layout of the pane and the tab strip inside the bar.
#include "bar/BarWindow.h"

#include <dbt.h>
#include <shlobj.h>

#include <algorithm>
#include <set>

#include "bar/BarRects.h"
#include "bar/BringForward.h"
#include "bar/BusyScope.h"
#include "framework/Handles.h"
#include "framework/ScrollBar.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tabs/portable/TabGeometry.h"
#include "toolbar/portable/RowLayout.h"
#include "settings/portable/StoredSettings.h"
#include "settings/portable/ToolbarLabel.h"
#include "shell/FolderNames.h"
#include "title/TitleWnd.h"
#include "shell/portable/NoCase.h"

BEGIN_MESSAGE_MAP(CBarWindow, qv::CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_ACTIVATE()
ON_MESSAGE(UWM_APPBAR_CALLBACK, OnAppBarCallback)
ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(UWM_REBUILD_BAR, OnRebuildBar)
ON_MESSAGE(UWM_RELOAD_CURRENT, OnReloadCurrent)
ON_MESSAGE(UWM_FOLDER_CHANGED, OnFolderChanged)
ON_MESSAGE(WM_DEVICECHANGE, OnDeviceChange)
ON_MESSAGE(WM_HOTKEY, OnHotKey)
ON_NOTIFY(TABN_SELCHANGED, kTabStripId, OnTabSelChanged)
ON_NOTIFY(NM_RCLICK, kTabStripId, OnTabRClick)
ON_WM_SETCURSOR()
ON_WM_TIMER()
ON_WM_NCRBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_COMMAND(ID_LEFT_ALIGN, OnLeftAlign)
ON_COMMAND(ID_RIGHT_ALIGN, OnRightAlign)
ON_COMMAND(ID_TOP_ALIGN, OnTopAlign)
ON_COMMAND(ID_BOTTOM_ALIGN, OnBottomAlign)
ON_COMMAND(ID_REFRESH_ICONS, OnRefreshIcons)
ON_COMMAND(ID_LARGE_ICONS, OnLargeIcons)
ON_COMMAND(ID_SMALL_ICONS, OnSmallIcons)
ON_COMMAND(ID_AUTO_HIDE, OnAutoHide)
ON_COMMAND(ID_CUSTOMIZE, OnCustomize)
ON_COMMAND(ID_HELP_TOPICS, OnHelpTopics)
ON_COMMAND(ID_EXIT, OnExit)
END_MESSAGE_MAP()

CBarWindow::CBarWindow(IAppBarService& appBarService, FirstRunBuilder firstRun,
                       IToolbarShell& shell,
                       std::unique_ptr<IFolderWatcher> watcher,
                       IMonitorService& monitors)
    : m_pane(*this),
      m_appBarService(appBarService),
      m_monitors(monitors),
      m_firstRun(std::move(firstRun)),
      m_shell(shell),
      m_watcher(watcher ? std::move(watcher) : MakeDirectoryWatcher()) {}

CBarWindow::~CBarWindow() {
  // Destroyed here, while the window's handlers still exist, so that the
  // band is given back to the shell.
  if (m_hWnd) DestroyWindow();
}

namespace {

// The class of the bar and its pane, by name so that another start of the
// program finds the bar: arrow cursor, button-face background, the program's
// icon.
const char* BarWindowClass() {
  return qv::RegisterNamedWindowClass(
      kBarWindowClass, 0, ::LoadCursorA(nullptr, IDC_ARROW),
      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
      ::LoadIconA(::GetModuleHandleA(nullptr),
                  MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

}  // namespace

BOOL CBarWindow::CreateBar() {
  const char* windowClass = BarWindowClass();
  if (!windowClass) return FALSE;
  qv::CreateArgs args;
  args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  args.className = windowClass;
  args.windowName = "Quorvane";
  args.style = WS_POPUP | WS_VISIBLE | WS_THICKFRAME;
  // The position and size are placeholders: creation docks the bar.
  args.SetRect({0, 0, 70, 30});
  return Create(args);
}

LRESULT CBarWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The shell's restart message has a number known only at run time.
  if (m_uTaskbarCreated && message == m_uTaskbarCreated) {
    ShellRestarted();
    return 0;
  }
  const UINT bringForward = BringForwardMessage();
  if (bringForward && message == bringForward) {
    BringForward();
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CBarWindow::OnRebuildBar(WPARAM, LPARAM) {
  const RebuildRequest request =
      m_pendingRebuild.value_or(RebuildRequest::All(true));
  m_pendingRebuild.reset();
  Rebuild(request);
  return 0;
}

LRESULT CBarWindow::OnReloadCurrent(WPARAM, LPARAM) {
  Rebuild(RebuildRequest::One(TabToolbar(m_tabStrip.m_nCurSel), true));
  return 0;
}

void CBarWindow::PostRebuild(const RebuildRequest& request) {
  if (m_pendingRebuild) {
    m_pendingRebuild = m_pendingRebuild->MergedWith(request);
    return;
  }
  m_pendingRebuild = request;
  PostMessage(UWM_REBUILD_BAR, 0, 0);
}

// The tab strip's own notifications while a rebuild remakes its tabs are not
// the user's.
LRESULT CBarWindow::OnTabSelChanged(NMHDR* hdr) {
  if (hdr->hwndFrom != m_tabStrip.m_hWnd || m_bBusy) return 0;
  m_settings.m_nCurrentTab = TabToolbar(m_tabStrip.m_nCurSel);
  m_settings.Save();
  Rebuild(RebuildRequest::Layout(true));
  return 0;
}

LRESULT CBarWindow::OnTabRClick(NMHDR* hdr) {
  if (hdr->hwndFrom != m_tabStrip.m_hWnd || m_bBusy) return 0;
  POINT pt;
  ::GetCursorPos(&pt);
  ShowContextMenu(pt.x, pt.y);
  return 0;
}

int CBarWindow::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  ShowTitle(this);
  m_bRegistered = 0;
  m_settings.Load();
  FollowMonitor();
  if (!RegisterAppBar(1)) return -1;
  m_uTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

  if (m_settings.m_bFirstTime == 1 && m_firstRun &&
      !m_firstRun(m_hWnd, m_settings))
    return -1;
  m_dropTarget.Register(this);

  Rebuild(RebuildRequest::All());
  return 0;
}

void CBarWindow::OnDestroy() {
  Default();
  m_watcher->Watch(nullptr, 0, {});
  ::KillTimer(m_hWnd, FOLDER_TIMER);
  // OLE must let go of the drop target while the window still exists.
  m_dropTarget.Revoke();
  if (m_bRegistered) RegisterAppBar(0);
  UpdateHotKey(0);
  m_tooltip.DestroyWindow();
  m_pane.DestroyWindow();
  m_tabStrip.DestroyWindow();
}

void CBarWindow::Rebuild(const RebuildRequest& request) {
  const BusyScope busy(m_bBusy);
  m_settings.Load();
  // Rows are made for the current tab's toolbar, which must exist.
  const int count = m_settings.ToolbarCount();
  const int current = m_settings.m_nCurrentTab;
  const int clamped = qv::ShownCurrentTab(current, count);
  if (clamped != current) {
    m_settings.m_nCurrentTab = clamped;
    m_settings.Save();
  }
  FollowMonitor();
  // A dropped toolbar has posted the rebuild that finishes this one.
  if (!ReloadToolbars(request)) return;
  // A toolbar waiting for its drive has no tab: the first that has one is
  // shown instead, and the stored choice stays.
  if (m_toolbars.Unreachable(m_settings.m_nCurrentTab)) {
    for (int i = 0; i < count; ++i) {
      if (m_toolbars.Unreachable(i)) continue;
      m_settings.m_nCurrentTab = i;
      break;
    }
  }
  if (!BuildChildren()) return;

  const int accepted = UpdateAutoHide();
  const bool refused = !accepted && m_settings.m_bAutoHide == 1;
  // Told once: the rebuilds that follow (the resize after docking, a tab
  // switch) would repeat the box for as long as the other bar stays.
  if (refused && !m_bAutoHideRefused) {
    qv::AppMessageBox(
        "A toolbar is already hidden on this side of your screen.\nYou can "
        "have only one auto-hide toolbar per side.",
        MB_OK);
  }
  m_bAutoHideRefused = refused;
  m_bHiddenMode = accepted && m_settings.m_bAutoHide ? 1 : 0;
  // Only a bar that is slid out now stays out: sliding a hidden one out
  // here would leave it out with no timer to bring it back.
  const bool keepShown = request.keepShown && m_bShown == 1;
  if (!(m_bHiddenMode == 1 && keepShown)) DockToEdge(m_settings.m_nAlignment);
  LayoutBar(m_bHiddenMode == 1 && !keepShown ? 1 : 0);
  if (m_settings.m_bShowTabs == 1)
    m_tabStrip.SetCurSel(ToolbarTab(m_settings.m_nCurrentTab));
  ApplyZOrder();
  WatchFolders();
  UpdateHotKey(m_settings.m_nHotKey);
}

void CBarWindow::DropToolbar(int index) {
  // The toolbar's folder is gone: forget it and rebuild without it. The
  // others keep their buttons; an auto-hide bar stays out or in as it is.
  m_settings.RemoveToolbar(index);
  m_settings.Save();
  PostRebuild(RebuildRequest::Layout(m_bShown != 0));
}

int CBarWindow::ReloadToolbars(const RebuildRequest& request) {
  // Kept toolbars whose folder and settings did not change are not read.
  const int failed = m_toolbars.Update(
      m_settings, m_shell, m_hWnd,
      request.reload == RebuildRequest::Reload::kAll
          ? ToolbarCache::Reread::kAll
          : ToolbarCache::Reread::kStale,
      request.reload == RebuildRequest::Reload::kOne ? request.toolbar : -1);
  if (failed < 0) return 1;
  DropToolbar(failed);
  return 0;
}

const ToolbarButtons* CBarWindow::Buttons(int toolbar) const {
  return m_toolbars.Buttons(toolbar);
}

void CBarWindow::WatchFolders() {
  m_watchedPaths.clear();
  std::vector<std::string> paths;
  for (const ToolbarRecord& toolbar : m_settings.m_toolbars) {
    char path[MAX_PATH] = {};
    if (!toolbar.folder || !::SHGetPathFromIDListA(toolbar.folder.get(), path))
      *path = '\0';
    m_watchedPaths.push_back(qv::FoldCase(path));
    if (*path) paths.push_back(m_watchedPaths.back());
  }
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  m_watcher->Watch(m_hWnd, UWM_FOLDER_CHANGED, paths);
}

LRESULT CBarWindow::OnFolderChanged(WPARAM, LPARAM) {
  const uint64_t now = ::GetTickCount64();
  uint32_t wait = 0;
  for (const std::string& path : m_watcher->TakeChanged())
    wait = m_folderChanges.Note(path, now);
  if (m_folderChanges.Pending())
    ::SetTimer(m_hWnd, FOLDER_TIMER, std::max<uint32_t>(wait, 1), nullptr);
  return 0;
}

void CBarWindow::OnFolderTimer() {
  uint32_t wait = 0;
  // A rebuild running a nested loop finishes first.
  const std::vector<std::string> due =
      m_bBusy ? std::vector<std::string>()
              : m_folderChanges.TakeDue(::GetTickCount64(), &wait);
  if (m_bBusy) wait = 100;
  if (m_folderChanges.Pending()) {
    ::SetTimer(m_hWnd, FOLDER_TIMER, std::max<uint32_t>(wait, 1), nullptr);
  } else {
    ::KillTimer(m_hWnd, FOLDER_TIMER);
  }
  if (!due.empty()) RefreshFolders(due);
}

void CBarWindow::RefreshFolders(const std::vector<std::string>& paths) {
  const std::set<std::string> changed(paths.begin(), paths.end());
  bool refilled = false;
  for (size_t i = 0; i < m_watchedPaths.size(); ++i) {
    if (!changed.count(m_watchedPaths[i])) continue;
    const int k = static_cast<int>(i);
    if (!m_toolbars.Refresh(k, m_settings, m_shell, m_hWnd)) {
      // The rebuild's read tells a missing drive from a deleted folder.
      PostRebuild(RebuildRequest::One(k, m_bShown != 0));
      return;
    }
    refilled = m_pane.RefillRow(k, m_tooltip.m_hWnd) || refilled;
  }
  // The refilled rows may take more or fewer lines: the pane lays its rows
  // out again at the scroll position it keeps.
  if (refilled) m_pane.RelayoutRows();
}

int CBarWindow::BuildChildren() {
  // 1. The pane: created once, its rows and the tooltip remade each time.
  if (m_pane.m_hWnd) {
    // The tooltip goes first: its tools go with it at once, instead of one
    // by one with each row's buttons.
    m_tooltip.DestroyWindow();
    m_pane.DestroyRows();
  } else {
    UpdateButtonSize();
    const char* paneClass = BarWindowClass();
    qv::CreateArgs args;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.className = paneClass;
    args.windowName = "";
    args.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    args.x = 2;
    args.y = 2;
    args.cx = qv::CellPitch(m_cxButton) * ShownCells(true) - 3;
    args.cy = qv::CellPitch(m_cyButton) * ShownCells(false) - 3;
    args.parent = m_hWnd;
    args.id = kPaneId;
    if (!paneClass || !m_pane.Create(args)) {
      qv::FatalExit("Window Creation Failed", MB_OK, -2);
    }
    ::SetFocus(m_pane.m_hWnd);
  }

  // 2. The tab strip: created once, emptied each time.
  if (m_tabStrip.m_hWnd) {
    for (int i = m_tabStrip.GetTabCount() - 1; i >= 0; --i)
      m_tabStrip.RemoveTab(i);
  } else {
    RECT rc{0, 0, 50, 50};
    m_tabStrip.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP, rc, m_hWnd,
                      kTabStripId);
  }
  m_tabStrip.m_nOrientation = qv::StripOrientation(m_settings.m_nAlignment);

  // 3. The rows.
  if (!m_pane.CreateRows())
    qv::FatalExit("Could not create child windows, quitting...", MB_ICONSTOP,
                  -3);

  // 4. The tooltip shared by the rows.
  qv::CreateArgs tooltipArgs;
  tooltipArgs.className = TOOLTIPS_CLASSA;
  tooltipArgs.style = WS_POPUP | TTS_ALWAYSTIP;
  tooltipArgs.parent = m_hWnd;
  if (m_tooltip.Create(tooltipArgs)) {
    ::SetWindowLongPtrA(m_tooltip.m_hWnd, GWLP_ID, kTooltipId);
  }

  // 5. The icons, then every row's buttons.
  HIMAGELIST images = UpdateButtonSize();
  m_pane.SetRowImages(images, m_cxButton, m_cyButton,
                      qv::RowOrientation(m_settings.m_nAlignment), m_nIconSize);
  m_pane.FillRows(m_tooltip.m_hWnd);

  // 6. The tabs.
  const qv::ComPtr<IShellFolder> desktop = m_shell.Desktop();
  if (!desktop) return 0;
  AddTabs(desktop.Get());
  return 1;
}

void CBarWindow::AddTabs(IShellFolder* desktop) {
  m_tabToolbars.clear();
  for (int i = 0; i < m_settings.ToolbarCount(); ++i) {
    if (m_toolbars.Unreachable(i)) continue;
    const std::optional<std::string> name =
        m_toolbars.FolderName(i, m_settings, m_shell);
    if (!name) return;  // this toolbar and the ones after it get no tab

    m_tabStrip.AddTab(
        qv::ToolbarLabel(
            *name,
            m_recent.Is(m_settings.m_toolbars[i].folder.get(), m_hWnd, desktop),
            m_settings.m_toolbars[i].info)
            .c_str());
    m_tabToolbars.push_back(i);
  }
}

int CBarWindow::TabToolbar(int tab) const {
  return tab >= 0 && static_cast<size_t>(tab) < m_tabToolbars.size()
             ? m_tabToolbars[tab]
             : tab;
}

int CBarWindow::ToolbarTab(int toolbar) const {
  const auto found =
      std::find(m_tabToolbars.begin(), m_tabToolbars.end(), toolbar);
  return found != m_tabToolbars.end()
             ? static_cast<int>(found - m_tabToolbars.begin())
             : toolbar;
}

LRESULT CBarWindow::OnDeviceChange(WPARAM event, LPARAM) {
  // A drive came back: the rebuild reads the toolbars that wait for one.
  if (event == DBT_DEVICEARRIVAL && m_toolbars.AnyUnreachable())
    PostRebuild(RebuildRequest::Layout(m_bShown != 0));
  return TRUE;
}

HIMAGELIST CBarWindow::UpdateButtonSize() {
  const bool small = m_settings.m_bSmallIcons != 0;
  const int shown = qv::IconSizeForDpi(small, m_nDpi);
  if (!m_images || m_nImagesFor != shown) {
    // Small icons that would have to grow to this size come from the large
    // list instead: shrinking an icon loses less than growing one.
    SIZE size{};
    m_images = m_shell.SystemImages(small, &size);
    if (small && (!m_images || size.cy < shown)) {
      SIZE largeSize{};
      if (HIMAGELIST large = m_shell.SystemImages(false, &largeSize);
          large && largeSize.cy > 0) {
        m_images = large;
        size = largeSize;
      }
    }
    m_nImagesFor = shown;
    m_nIconSize = m_images && size.cx > 0 ? shown : 0;
  }
  qv::CellSize cell =
      qv::ButtonCell(qv::IconSizeForDpi(true, m_nDpi), 0, m_nDpi);
  if (m_nIconSize > 0) {
    const int charWidth = m_pane.GetAverageCharWidth();
    const int fixed = qv::ButtonCell(m_nIconSize, 0, m_nDpi).cx;
    const int names =
        qv::ShownMaxChars(
            m_settings.m_nMaxChars, fixed, charWidth,
            qv::ButtonRoom(m_settings.m_nAlignment, m_settings.m_bShowTabs == 1,
                           Metrics())) *
        charWidth;
    cell = qv::ButtonCell(m_nIconSize, names, m_nDpi);
  }
  m_cxButton = cell.cx;
  m_cyButton = cell.cy;
  return m_images;
}

qv::BarMetrics CBarWindow::Metrics() const {
  return MonitorMetrics(m_monitor.rect, m_nDpi);
}

int CBarWindow::ShownCells(bool vertical) const {
  return qv::ShownCells(vertical ? qv::Edge::Left : qv::Edge::Top,
                        vertical ? m_cxButton : m_cyButton,
                        vertical ? m_settings.m_nColumns : m_settings.m_nRows,
                        m_settings.m_bShowTabs == 1, Metrics());
}

int CBarWindow::BarLength(int vertical) const {
  RECT rc = GetWindowRect();
  return vertical ? rc.bottom - rc.top : rc.right - rc.left;
}

void CBarWindow::LayoutBar(int hidden) {
  UpdateButtonSize();
  const qv::Edge edge = m_settings.m_nAlignment;
  const bool vertical = qv::IsVertical(edge);
  const bool tabs = m_settings.m_bShowTabs == 1;
  const qv::BarMetrics metrics = Metrics();
  const int cellSize = vertical ? m_cxButton : m_cyButton;
  const int cells = ShownCells(vertical);
  const int paneThickness = qv::PaneThickness(edge, cellSize, cells, metrics);

  // The pane, with its scroll ranges cleared before it is measured again.
  qv::ScrollBar(m_pane.m_hWnd, SB_HORZ).SetRange(0, 0, false);
  qv::ScrollBar(m_pane.m_hWnd, SB_VERT).SetRange(0, 0, false);
  if (vertical) {
    const int x =
        edge == qv::Edge::Right && tabs ? metrics.vScrollWidth + 1 : 2;
    ::MoveWindow(m_pane.m_hWnd, x, 2, paneThickness, BarLength(1) - 7, TRUE);
  } else {
    ::MoveWindow(m_pane.m_hWnd, 2, 2, BarLength(0) - 7, paneThickness, TRUE);
  }
  m_pane.RelayoutRows();
  RECT client = m_pane.GetClientRect();

  // The tab strip chooses its own thickness; it gets a position and a length.
  if (tabs) {
    ::ShowWindow(m_tabStrip.m_hWnd, SW_SHOW);
    const int thickness = m_tabStrip.Thickness();
    if (edge == qv::Edge::Left)
      ::MoveWindow(m_tabStrip.m_hWnd, client.right + 6, 4, thickness,
                   client.bottom, TRUE);
    else if (edge == qv::Edge::Right)
      ::MoveWindow(m_tabStrip.m_hWnd, 2, 4, thickness, client.bottom, TRUE);
    else
      ::MoveWindow(m_tabStrip.m_hWnd, 4, client.bottom + 6, client.right + 2,
                   thickness, TRUE);
  } else {
    ::ShowWindow(m_tabStrip.m_hWnd, SW_HIDE);
  }

  // The bar's thickness, as its band was reserved. A shown bar lies against
  // the band the shell granted; an auto-hide bar against the screen edge,
  // where its 2 pixels stay.
  const int thickness = qv::BarThickness(edge, cellSize, cells, tabs, metrics);
  const bool docked =
      m_bRegistered && !m_bHiddenMode && !::IsRectEmpty(&m_abd.rc);
  const qv::Rect band = docked ? ToRect(m_abd.rc) : metrics.Screen();
  const qv::Rect target = qv::LaidOutRect(
      edge, ToRect(GetWindowRect()), thickness, hidden != 0, band, metrics);
  RECT rc = ToRECT(target);
  if (hidden) {
    // However it got here, a hidden bar is no longer watched as shown, so
    // that the strip reveals it again.
    ::KillTimer(m_hWnd, AUTOHIDE_TIMER);
    m_bShown = 0;
  }
  if (m_nSlide == 1 || m_nSlide == 2)
    SlideTo(&rc);
  else
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left,
                 rc.bottom - rc.top, TRUE);
  m_nSlide = 0;
}

void CBarWindow::OnSize(UINT type, int cx, int cy) {
  // Type 10 comes from the resize drag: the new size sets rows or columns.
  if (type == 10) {
    // The resize drag gives the new client size, less the tab strip. The
    // rows (or columns) are those whose bar is nearest that size with the
    // strip's room and the window's sizing frame put back.
    UpdateButtonSize();
    const RECT window = GetWindowRect();
    const RECT client = GetClientRect();
    const qv::Edge edge = m_settings.m_nAlignment;
    const bool tabs = m_settings.m_bShowTabs == 1;
    const qv::BarMetrics metrics = Metrics();
    if (qv::IsVertical(edge)) {
      const int thickness = cx + (window.right - window.left) - client.right +
                            (tabs ? metrics.vScrollWidth : 0);
      m_settings.m_nColumns =
          qv::CellsForThickness(edge, m_cxButton, thickness, tabs, metrics);
    } else {
      const int thickness = cy + (window.bottom - window.top) - client.bottom +
                            (tabs ? metrics.hScrollHeight : 0);
      m_settings.m_nRows =
          qv::CellsForThickness(edge, m_cyButton, thickness, tabs, metrics);
    }
    m_settings.Save();
  }
  // The kept toolbars fit any size: nothing is read again.
  Rebuild(RebuildRequest::Layout());
}

void CBarWindow::BrowseTo(qv::UniqueIdList folder) {
  int b = m_settings.FindBrowseToolbar();
  if (b == -1) {
    b = m_settings.ToolbarCount();
    if (!m_settings.AppendToolbar(std::move(folder), qv::kSortByName,
                                  ToolbarInfo{qv::kKindBrowse, {}}))
      return;
  } else {
    m_settings.m_toolbars[b].folder = std::move(folder);
  }
  m_settings.m_nCurrentTab = b;
  m_settings.Save();
  PostRebuild(RebuildRequest::One(b, true));
}

void CBarWindow::SetSortOrder(int toolbar, UINT order) {
  ToolbarRecord* record = m_settings.Toolbar(toolbar);
  if (!record) return;
  record->sortOrder = order;
  m_settings.Save();
  PostRebuild(RebuildRequest::One(toolbar, true));
}

void CBarWindow::SetScrollPosition(bool vertical, int position) {
  (vertical ? m_settings.m_nVertScrollPos : m_settings.m_nHorzScrollPos) =
      position;
  m_settings.SaveScrollPosition();
}

void CBarWindow::FolderUnavailable(int toolbar) {
  qv::AppMessageBox("Could not access folder. Aborting ...",
                    MB_ICONINFORMATION);
  // Reading the toolbar again skips or drops it.
  PostRebuild(RebuildRequest::One(toolbar, m_bShown != 0));
}
