// bar/BarWindow.cpp: creation and destruction of the bar window, and the
// rebuild that shows what a change of the model answered.
#include "bar/BarWindow.h"

#include <shlobj.h>

#include "bar/BringForward.h"
#include "bar/BusyScope.h"
#include "framework/WinApp.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CBarWindow, qv::CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_ACTIVATE()
ON_WM_SETFOCUS()
ON_MESSAGE(UWM_APPBAR_CALLBACK, OnAppBarCallback)
ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(UWM_REBUILD_BAR, OnRebuildBar)
ON_MESSAGE(UWM_SETTINGS_CHANGED, OnSettingsChanged)
ON_MESSAGE(UWM_FOLDER_CHANGED, OnFolderChanged)
ON_MESSAGE(UWM_ICONS_READY, OnIconsReady)
ON_MESSAGE(WM_DEVICECHANGE, OnDeviceChange)
ON_MESSAGE(UWM_SHELL_CHANGED, OnShellChanged)
ON_MESSAGE(UWM_TOOLBAR_READ, OnToolbarRead)
ON_MESSAGE(WM_HOTKEY, OnHotKey)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_CTLCOLORDLG, OnCtlColorDialog)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnColorsChanged)
ON_MESSAGE(WM_THEMECHANGED, OnColorsChanged)
ON_NOTIFY(TABN_SELCHANGED, kTabStripId, OnTabSelChanged)
ON_NOTIFY(NM_RCLICK, kTabStripId, OnTabRClick)
ON_NOTIFY(TABN_DRAGOUT, kTabStripId, OnTabDragOut)
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
ON_COMMAND(ID_NEW_BAR, OnNewBar)
ON_COMMAND(ID_CLOSE_BAR, OnCloseBar)
ON_COMMAND(ID_EXIT, OnExit)
END_MESSAGE_MAP()

CBarWindow::CBarWindow(IAppBarService& appBarService, FirstRunBuilder firstRun,
                       IToolbarShell& shell,
                       std::unique_ptr<IFolderWatcher> watcher,
                       IMonitorService& monitors, ISettingsStore& store,
                       qv::IDragDropLoop& dragDrop)
    : m_appBarService(appBarService),
      m_dragDrop(dragDrop),
      m_monitors(monitors),
      m_firstRun(std::move(firstRun)),
      m_model(store, shell),
      m_pane(*this),
      m_settingsWatcher(store.WatchedKey()),
      m_watcher(watcher ? std::move(watcher) : MakeDirectoryWatcher()) {}

CBarWindow::~CBarWindow() {
  // Destroyed here, while the window's handlers still exist, so that the
  // band is given back to the shell.
  if (m_hWnd) DestroyWindow();
}

// By name, so that another start of the program finds the bar: arrow
// cursor, button-face background, the program's icon.
const char* CBarWindow::WindowClass() {
  return qv::RegisterNamedWindowClass(
      kBarWindowClass, 0, ::LoadCursorA(nullptr, IDC_ARROW),
      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
      ::LoadIconA(::GetModuleHandleA(nullptr),
                  MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

BOOL CBarWindow::CreateBar() {
  const char* windowClass = WindowClass();
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
  // Setup or the uninstaller is about to replace or remove the program. A
  // modal sheet over the bar has its own loop to leave first: then the
  // asker ends the process once its wait is over.
  const UINT exit = ExitMessage();
  if (exit && message == exit) {
    if (::IsWindowEnabled(m_hWnd)) OnExit();
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

void CBarWindow::Redo(const CBarModel::Change& change) {
  if (change) Rebuild(*change);
}

void CBarWindow::PostRedo(const CBarModel::Change& change) {
  if (change) PostRebuild(*change);
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
  Redo(m_model.SelectToolbar(TabToolbar(m_tabStrip.m_nCurSel)));
  return 0;
}

LRESULT CBarWindow::OnTabRClick(NMHDR* hdr) {
  if (hdr->hwndFrom != m_tabStrip.m_hWnd || m_bBusy) return 0;
  POINT pt;
  ::GetCursorPos(&pt);
  ShowContextMenu(pt.x, pt.y);
  return 0;
}

LRESULT CBarWindow::OnTabDragOut(NMHDR* hdr) {
  if (hdr->hwndFrom != m_tabStrip.m_hWnd || m_bBusy || !m_family) return 0;
  POINT pt;
  ::GetCursorPos(&pt);
  m_nDraggedToolbar = TabToolbar(m_tabStrip.m_nCurSel);
  BeginMove(pt);
  m_nDraggedToolbar = -1;
  return 0;
}

int CBarWindow::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  m_model.Load();
  // The toolbars are read off the window's thread from here on, the one
  // shown first, while the window makes, docks and paints itself.
  m_model.ReadToolbars(RebuildRequest::Start(), m_hWnd);
  ReadApartToolbars();
  if (Settings().m_bShowTitle && IsFirstBar()) m_title.Show(this);
  m_bRegistered = 0;
  ApplyLook();
  FollowMonitor();
  if (!RegisterAppBar(1)) return -1;
  m_uTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

  if (Settings().m_bFirstTime && m_firstRun &&
      !m_model.BuildDefaults([this](CBarSettings& settings) {
        return m_firstRun(m_hWnd, settings);
      }))
    return -1;
  m_dropTarget.Register(this);
  m_settingsWatcher.Watch(m_hWnd, UWM_SETTINGS_CHANGED);
  WatchShell();
  IToolbarShell& shell = m_model.Shell();
  m_icons = std::make_unique<qv::IconWorker>(
      [&shell](LPCITEMIDLIST item) { return shell.ItemIcon(item); }, m_hWnd,
      UWM_ICONS_READY);

  Rebuild(RebuildRequest::Start());
  // The shown toolbar's read, when done by now or within a moment, fills
  // its row before the bar first shows: the bar appears with its buttons,
  // painted once, rather than empty and filled just after. A folder that
  // takes longer shows empty and fills when its read comes. The reads held
  // back for it are asked when its message comes, after that paint.
  if (const auto key = m_model.PendingApart(Settings().m_nCurrentTab))
    m_reader.WaitFor(*key, std::chrono::milliseconds(100));
  TakeReads();
  return 0;
}

void CBarWindow::OnDestroy() {
  Default();
  // The icon thread only posts to the window: it ends without waiting on it.
  m_icons.reset();
  m_settingsWatcher.Stop();
  ::KillTimer(m_hWnd, SETTINGS_TIMER);
  m_watcher->Watch(nullptr, 0, {});
  m_shellNotices.reset();
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
  // A toolbar waiting for its drive stands in nowhere but a full rebuild.
  const int current = Settings().m_nCurrentTab;
  if (request.rowsOnly && m_pane.m_hWnd && !m_model.Unreachable(current)) {
    // One not read yet is read now that it is shown; a folder found gone or
    // waiting for its drive takes a rebuild.
    const CBarModel::Change read = m_model.ReadPending(current, m_hWnd);
    if (read && !read->rowsOnly) {
      Rebuild(*read);
      return;
    }
    ReadApartToolbars();
    SwitchRows();
    return;
  }
  if (request.cellsOnly && m_pane.m_hWnd) {
    ResizeCells(request.keepShown);
    return;
  }
  const BusyScope busy(m_bBusy);
  FollowMonitor();
  // The rows show the kept buttons, which the read may move or free.
  DropRows();
  // A toolbar whose folder was gone has been removed: the rebuild without
  // it finishes this one.
  if (m_model.ReadToolbars(request, m_hWnd) >= 0) {
    PostRebuild(RebuildRequest::Layout(true));
    return;
  }
  // A network folder's row stays empty until its read comes.
  ReadApartToolbars();
  if (!BuildChildren()) return;

  const CBarSettings& settings = Settings();
  const int accepted = UpdateAutoHide();
  const bool refused = !accepted && settings.m_bAutoHide;
  // Told once: the rebuilds that follow (the resize after docking, a tab
  // switch) would repeat the box for as long as the other bar stays.
  if (refused && !m_bAutoHideRefused) {
    qv::AppMessageBox(
        "A toolbar is already hidden on this side of your screen.\nYou can "
        "have only one auto-hide toolbar per side.",
        MB_OK);
  }
  m_bAutoHideRefused = refused;
  const int wasHidden = m_bHiddenMode;
  m_bHiddenMode = accepted && settings.m_bAutoHide ? 1 : 0;
  // A bar no longer auto-hidden stops watching the cursor, whichever
  // change turned it off.
  if (wasHidden && !m_bHiddenMode) {
    ::KillTimer(m_hWnd, AUTOHIDE_TIMER);
    m_bShown = 0;
  }
  // Only a bar that is slid out now stays out: sliding a hidden one out
  // here would leave it out with no timer to bring it back.
  const bool keepShown = request.keepShown && m_bShown == 1;
  if (!(m_bHiddenMode == 1 && keepShown)) DockToEdge(settings.m_nAlignment);
  LayoutBar(m_bHiddenMode == 1 && !keepShown);
  if (settings.m_bShowTabs)
    m_tabStrip.SetCurSel(ToolbarTab(settings.m_nCurrentTab));
  ApplyZOrder();
  WatchFolders();
  UpdateHotKey(IsFirstBar() ? settings.m_nHotKey : 0);
}

void CBarWindow::SwitchRows() {
  const BusyScope busy(m_bBusy);
  // The buttons are the kept ones and the bar keeps its size and band: no
  // read, no docking, no z-order, no watch or hot key to renew. The row
  // itself stays where one row shows the current toolbar.
  if (m_pane.ShowInRow(Settings().m_nCurrentTab)) {
    AskIcons();
  } else {
    DropRows();
    RemakeRows();
  }
  // Nothing here draws: the steps only mark what changed, and the pane is
  // drawn once, below. Turning its drawing off meanwhile would change its
  // style, which Wine answers by drawing its frame and scroll bar again.
  LayoutChildren();
  // Drawn now, not when the thread is next idle: a click on a tab goes on
  // to wait, in DragDetect, for the button's release or a drag, and the
  // user would see the toolbar only then.
  ::UpdateWindow(m_pane.m_hWnd);
}

void CBarWindow::ResizeCells(bool keepShown) {
  const BusyScope busy(m_bBusy);
  // The rows keep their buttons and windows: no read, no child made again,
  // no watch or hot key to renew. The bar's thickness follows the cells, so
  // its band is asked for again.
  UpdateButtonSize();
  m_pane.SetRowCells(m_cxButton, m_cyButton,
                     qv::RowOrientation(Settings().m_nAlignment), m_nIconSize);
  m_pane.SetRowImages(RowImages());
  const bool stayOut = keepShown && m_bShown == 1;
  if (!(m_bHiddenMode == 1 && stayOut)) DockToEdge(Settings().m_nAlignment);
  LayoutBar(m_bHiddenMode == 1 && !stayOut);
}

LRESULT CBarWindow::OnSettingsChanged(WPARAM, LPARAM) {
  // Asked again at once, so that no later change is missed; read once the
  // burst (a save writes many values) has settled.
  m_settingsWatcher.Watch(m_hWnd, UWM_SETTINGS_CHANGED);
  ::SetTimer(m_hWnd, SETTINGS_TIMER, 200, nullptr);
  return 0;
}

void CBarWindow::OnSettingsTimer() {
  // A rebuild running a nested loop (a message box) finishes first.
  if (m_bBusy) return;
  ::KillTimer(m_hWnd, SETTINGS_TIMER);
  Redo(m_model.TakeStoredValues());
}

void CBarWindow::BrowseTo(qv::UniqueIdList folder) {
  PostRedo(m_model.BrowseTo(std::move(folder)));
}

void CBarWindow::SetSortOrder(int toolbar, UINT order) {
  PostRedo(m_model.SetSortOrder(toolbar, order));
}

void CBarWindow::SetScrollPosition(bool vertical, int position) {
  m_model.SetScrollPosition(vertical, position);
}

void CBarWindow::FolderUnavailable(int toolbar) {
  qv::AppMessageBox("Could not access folder. Aborting ...",
                    MB_ICONINFORMATION);
  // Reading the toolbar again skips or drops it.
  PostRebuild(RebuildRequest::One(toolbar, true));
}
