// bar/BarWindow.h: CBarWindow, the bar's one top-level window. It registers
// with the shell as an appbar, docks to its edge, auto-hides, is dragged and
// sized, and holds the toolbar pane and the tab strip. What it shows is the
// model's (bar/BarModel.h): every change goes through one of the model's
// typed operations, and the window redoes what that operation answers.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bar/AppBarService.h"
#include "bar/BarFamily.h"
#include "bar/BarDropTarget.h"
#include "bar/BarModel.h"
#include "bar/FolderWatcher.h"
#include "bar/MonitorService.h"
#include "bar/RebuildRequest.h"
#include "bar/portable/BarGeometry.h"
#include "bar/portable/ChangeCoalescer.h"
#include "framework/DragSource.h"
#include "framework/Handles.h"
#include "framework/Menu.h"
#include "framework/SystemLook.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "settings/BarSettings.h"
#include "settings/SettingsKeyWatcher.h"
#include "settings/SettingsStore.h"
#include "shell/FolderNames.h"
#include "shell/IconWorker.h"
#include "tabs/TabStrip.h"
#include "toolbar/PaneHost.h"
#include "title/TitleWnd.h"
#include "toolbar/ToolbarButton.h"
#include "toolbar/ToolbarPane.h"
#include "toolbar/ToolbarReader.h"
#include "toolbar/ToolbarShell.h"

// Appbar notifications from the shell (code in wParam).
constexpr UINT UWM_APPBAR_CALLBACK = WM_USER + 100;
// Carry out the rebuild that was asked for with PostRebuild (with none
// pending: re-read all and rebuild, keeping an auto-hide bar shown).
constexpr UINT UWM_REBUILD_BAR = 2024;
// Another program changed the settings key (posted by its watcher).
constexpr UINT UWM_SETTINGS_CHANGED = 2025;
// A watched toolbar folder changed (posted by the folder watcher).
constexpr UINT UWM_FOLDER_CHANGED = 2026;
// The shell's change notices (SHChangeNotifyRegister: the two item lists in
// wParam, the event in lParam).
constexpr UINT UWM_SHELL_CHANGED = 2040;
// A toolbar's read, made on another thread, is done.
constexpr UINT UWM_TOOLBAR_READ = 2041;
// Items' own icons have been asked for (posted by the icon thread).
constexpr UINT UWM_ICONS_READY = 2042;

// Watches a slid-out auto-hide bar for the cursor leaving it.
constexpr UINT_PTR AUTOHIDE_TIMER = 1;
// Fires when a burst of folder changes has settled.
constexpr UINT_PTR FOLDER_TIMER = 2;
// Fires when a burst of changes to the settings key has settled.
constexpr UINT_PTR SETTINGS_TIMER = 3;
// The id of the bar's hot key (WM_HOTKEY's wParam).
constexpr int BAR_HOTKEY = 1;

// The children's control ids differ, so a notification names its sender.
constexpr UINT kPaneId = 1000;
constexpr UINT kTabStripId = 1001;
constexpr UINT kTooltipId = 99999;

// The bar's registration for the shell's change notices.
inline void DeregisterShellNotices(ULONG id) { ::SHChangeNotifyDeregister(id); }
using UniqueShellNotices = qv::UniqueHandle<ULONG, DeregisterShellNotices>;

// Builds the default toolbars into the settings at the first start; 0 when
// that fails and the bar cannot start.
using FirstRunBuilder = std::function<int(HWND owner, CBarSettings& settings)>;

class CBarWindow : public qv::CWnd, public IPaneHost {
 public:
  // `shell` answers the toolbars' reads; `watcher` (a directory watcher
  // when null) follows their folders; `monitors` are the ones to dock on;
  // `store` keeps the settings; `dragDrop` carries buttons dragged off.
  explicit CBarWindow(IAppBarService& appBarService = ShellAppBarService(),
                      FirstRunBuilder firstRun = nullptr,
                      IToolbarShell& shell = ShellToolbarShell(),
                      std::unique_ptr<IFolderWatcher> watcher = nullptr,
                      IMonitorService& monitors = SystemMonitors(),
                      ISettingsStore& store = RegistrySettings(),
                      qv::IDragDropLoop& dragDrop = qv::SystemDragDrop());
  ~CBarWindow() override;

  // Creates the bar's top-level window, which docks itself; FALSE when it
  // cannot be made.
  BOOL CreateBar();
  // The program's other bars, set before CreateBar; a bar without is alone.
  void SetFamily(IBarFamily* family) { m_family = family; }
  // The first (or only) bar: it holds the program's hot key and title.
  bool IsFirstBar() const { return !m_family || m_family->IsFirst(*this); }
  // Opens the Customize sheet for this bar on page `startPage`.
  void Customize(UINT startPage);
  // Destroys the window, its rows first.
  void DestroyBar();

  // The bar's state. Its operations change it; Redo (or PostRedo) then
  // shows what they answered.
  CBarModel& Model() { return m_model; }
  const CBarModel& Model() const { return m_model; }
  void Redo(const CBarModel::Change& change);
  void PostRedo(const CBarModel::Change& change);
  // The rebuild a change ends in: reads the toolbars the request names,
  // rebuilds rows and tabs, docks, lays out. The settings are the model's.
  void Rebuild(const RebuildRequest& request);
  // The same, later: posted requests are merged into one rebuild.
  void PostRebuild(const RebuildRequest& request);
  const std::optional<RebuildRequest>& PendingRebuild() const {
    return m_pendingRebuild;
  }
  // How LayoutBar moves the bar: at once, or sliding out or in.
  enum class Slide { kNone, kOut, kIn };
  void LayoutBar(bool hidden, Slide slide = Slide::kNone);
  // The pane and its rows at the bar's length, and the tab strip beside
  // them, where the bar is now.
  void LayoutChildren();
  // The button cell size for the icon size and the name's room.
  void UpdateButtonSize();
  // The system image list the rows draw the icon size from, asked of the
  // shell the first time it is needed at that size.
  HIMAGELIST RowImages();
  SIZE ButtonSize() const { return {m_cxButton, m_cyButton}; }
  int BarLength(int vertical) const;
  // The monitor the bar docks on, and the DPI it is drawn at there.
  const MonitorInfo& Monitor() const { return m_monitor; }
  int Dpi() const { return m_nDpi; }
  // That monitor's sides and the system's sizes at that DPI.
  qv::BarMetrics Metrics() const;

  // The children, for what tests and the drop target ask of them.
  CToolbarPane& Pane() { return m_pane; }
  const CToolbarPane& Pane() const { return m_pane; }
  CTabStrip& TabStrip() { return m_tabStrip; }
  const CTabStrip& TabStrip() const { return m_tabStrip; }
  CBarDropTarget& DropTarget() { return m_dropTarget; }
  // Removes the title picture at a key or click anywhere in the program.
  void FilterTitleMessage(const MSG& msg) { m_title.Filter(msg); }

  // IPaneHost: the pane's view of the bar.
  const CBarSettings& Settings() const override { return m_model.Settings(); }
  const ToolbarButtons* Buttons(int toolbar) const override {
    return m_model.Buttons(toolbar);
  }
  qv::Edge Edge() const override { return Settings().m_nAlignment; }
  void SetMenuUp(bool up) override { m_bMenuUp = up ? 1 : 0; }
  void BrowseTo(qv::UniqueIdList folder) override;
  void SetSortOrder(int toolbar, UINT order) override;
  void SetScrollPosition(bool vertical, int position) override;
  void FolderUnavailable(int toolbar) override;
  void StepTab(int step) override;
  void LeaveKeyboard() override;
  void RunBarCommand(UINT id) override;
  void ShowBarMenu(POINT screen) override;
  void BeginMove(POINT screen) override;
  // A button dragged off its place: a shell drag of its item, which this
  // bar's own drop target takes as a move along the row when it ends
  // between two buttons of that row.
  void DragButton(int toolbar, int button) override;

  // Docking
  int RegisterAppBar(int bRegister);
  void DockToEdge(qv::Edge edge);
  void SetAppBarPos(qv::Edge edge, RECT* rc);
  void ApplyZOrder();

  // Auto-hide
  int UpdateAutoHide();
  int ShowHiddenBar();
  void SlideTo(const RECT* target, Slide slide);
  // The hot key brought the keyboard in and it is still in the pane, shown
  // there: a slid-out auto-hide bar stays out. Once it has left, the bar
  // slides in by the mouse alone again.
  bool KeyboardHoldsBar();
  int SlideStep(const RECT* target, RECT* current, Slide slide) const;

  // Another start of the program or the hot key asked for the bar
  // (BringForward.h): this one, or the sibling the family chooses.
  void BringForward();

  // The look: where the bar reads the system's choice (tests put a fake in
  // its place), and the colours it paints with now.
  void SetSystemLook(qv::ISystemLook& look);
  const qv::Palette& Palette() const { return m_palette; }

  // Dragging to another edge and resizing by the inner edge
  void DrawDragFrame(const RECT* rc);
  int ShrinkDragRect(const RECT* current, RECT* out) const;
  int GrowDragRect(const RECT* current, RECT* out) const;
  void TrackEdge(int x, int y);

  // Commands and menus
  void ShowContextMenu(int x, int y);
  void OnLeftAlign();
  void OnRightAlign();
  void OnTopAlign();
  void OnBottomAlign();
  void OnRefreshIcons();
  void OnLargeIcons();
  void OnSmallIcons();
  void OnAutoHide();
  void OnCustomize();
  void OnHelpTopics();
  void OnNewBar();
  void OnCloseBar();
  void OnExit();

  // File drop, called by m_dropTarget; points in client coordinates.
  virtual DWORD OnDragEnter(IDataObject* data, DWORD keyState, POINT point);
  virtual void OnDragLeave();
  virtual DWORD OnDragOver(IDataObject* data, DWORD keyState, POINT point);
  virtual BOOL OnDrop(IDataObject* data, DWORD dropEffect, POINT point);
  // 1 when every dragged item is a plain folder; `list` (if any) gets them.
  int AllDroppedAreFolders(IDataObject* data, std::vector<std::string>* list);
  // 1 when the point is over a row and every item may get a shortcut;
  // `list` (if any) gets the items and `rowIndex` the row's toolbar.
  int DroppedOnRow(IDataObject* data, POINT point,
                   std::vector<std::string>* list, int* rowIndex);
  BOOL DropFolders(IDataObject* data);
  BOOL DropOnRow(IDataObject* data, POINT point);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int OnCreate(CREATESTRUCT* cs);
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  // A resize drag left a client area of `cx` by `cy` for the pane: the
  // rows (or columns) that fit it are stored.
  void ResizeTo(int cx, int cy);
  void OnWindowPosChanged(WINDOWPOS* pos);
  void OnActivate(UINT state, HWND other, BOOL minimized);
  // The pane is the bar's one window with keys: the focus goes on to it.
  void OnSetFocus(HWND other);
  LRESULT OnAppBarCallback(WPARAM code, LPARAM param);
  LRESULT OnDisplayChange(WPARAM, LPARAM);
  LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
  BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message);
  void OnTimer(UINT_PTR id);
  void OnNcRButtonDown(UINT hitTest, POINT point);
  void OnRButtonDown(UINT flags, POINT point);
  LRESULT OnNcHitTest(POINT point);
  void OnNcLButtonDown(UINT hitTest, POINT point);
  void OnMouseMove(UINT flags, POINT point);
  void OnLButtonUp(UINT flags, POINT point);

 private:
  // The class of the bar and its pane.
  static const char* WindowClass();
  void SetEdge(qv::Edge edge);
  // Docks on the stored monitor, or the primary while it is away; true when
  // that took the bar to a monitor of another DPI.
  bool FollowMonitor();
  // Draws the bar at `dpi` from now on: its fonts and icons are made anew.
  void ApplyDpi(int dpi);
  // The stored rows (vertical false) or columns as the layout shows them.
  // The stored value itself stays until the user resizes the bar.
  int ShownCells(bool vertical) const;
  LRESULT OnTabSelChanged(NMHDR* hdr);
  LRESULT OnTabRClick(NMHDR* hdr);
  // The current tab was dragged off the strip: the bar's move drag shows
  // where its toolbar goes, and the family moves it there.
  LRESULT OnTabDragOut(NMHDR* hdr);
  LRESULT OnRebuildBar(WPARAM, LPARAM);
  LRESULT OnFolderChanged(WPARAM, LPARAM);
  LRESULT OnSettingsChanged(WPARAM, LPARAM);
  // The settings key's changes have settled: the model takes them in.
  void OnSettingsTimer();
  // The folder changes have settled: re-read what changed.
  void OnFolderTimer();
  // Re-reads the toolbars on the folders `paths` and refills their rows in
  // place: no docking or layout, so an auto-hide bar stays where it is.
  void RefreshFolders(const std::vector<std::string>& paths);
  // Watches the folders of the toolbars as they are now.
  void WatchFolders();
  // Notes changes of the toolbars keyed `keys` (their watched paths) for
  // the next batch; every toolbar's.
  void NoteFolderChanges(const std::vector<std::string>& keys);
  void NoteAllToolbarsChanged();
  // Reads toolbar `toolbar`, of key `key` (if any), off the window's thread:
  // after the local reads asked before it, or on a thread of its own for a
  // network folder or one waiting for its drive or share.
  void ReadApart(int toolbar, const std::optional<qv::FillKey>& key);
  // Reads a toolbar waiting for its drive or share off the window's thread;
  // every waiting one.
  void ReadWaitingToolbar(int toolbar);
  void ReadWaitingToolbars();
  // Asks the reads of the toolbars that wait for one off the window's
  // thread (a network folder; one left for after the first paint), the
  // current toolbar's first.
  void ReadApartToolbars();
  LRESULT OnToolbarRead(WPARAM, LPARAM);
  // Takes the reads finished off the window's thread: refills their rows in
  // place, or asks a rebuild when one found its folder gone (a removed
  // toolbar moves the others' indexes).
  enum class ReadsTaken { kNone, kRefilled, kRebuild };
  ReadsTaken TakeReads();
  // A drive or share came or went: waiting folders are tried, toolbars that
  // list drives read again.
  void DrivesChanged();
  // Asks the shell for its change notices.
  void WatchShell();
  LRESULT OnShellChanged(WPARAM items, LPARAM event);
  // The shell's view settings (hidden files, extensions) change the names
  // and the items every toolbar shows.
  void ShellStateChanged(const char* area);
  // Destroys the rows and their tooltip, before the buttons they show go.
  void DropRows();
  // Makes the pane once, then the rows, the tooltip and the tabs.
  int BuildChildren();
  // Makes the rows of the toolbars shown, with their tooltip and buttons.
  void RemakeRows();
  // Another toolbar is shown: its row in the pane, laid out there.
  void SwitchRows();
  // Another icon size: the rows' cells in place, the bar docked at its new
  // thickness; an auto-hide bar slid out stays out for `keepShown`.
  void ResizeCells(bool keepShown);
  // Asks the icon thread for the own icons of the buttons shown, in their
  // order on screen, in place of what it was asked before.
  void AskIcons();
  // Gives the buttons the icons the icon thread found, repainting each one's
  // cell.
  LRESULT OnIconsReady(WPARAM, LPARAM);
  // One tab per toolbar but those waiting for their drive or share,
  // labelled with its folder's name.
  void AddTabs(IShellFolder* desktop);
  // The toolbar of tab `tab`, and the tab of toolbar `toolbar`; the index
  // itself when it has none.
  int TabToolbar(int tab) const;
  int ToolbarTab(int toolbar) const;
  LRESULT OnDeviceChange(WPARAM event, LPARAM param);
  // Holds hot key `wanted` (the stored form; 0 none) for the bar in place
  // of the one held; a key another program holds leaves the bar without.
  void UpdateHotKey(UINT wanted);
  // The hot key: the bar comes forward (out, when auto-hidden) with the
  // keyboard on its first button.
  LRESULT OnHotKey(WPARAM id, LPARAM);
  // Reads the look again and paints everything in its palette.
  void ApplyLook();
  BOOL OnEraseBkgnd(HDC dc);
  // The strip behind the tabs asks its parent for the background.
  LRESULT OnCtlColorDialog(WPARAM, LPARAM);
  // The look and the shell's view settings.
  LRESULT OnSettingChange(WPARAM, LPARAM area);
  LRESULT OnColorsChanged(WPARAM, LPARAM);
  // What the hot key and another start do: the bar comes forward with the
  // keyboard on its first button, remembering the window to give it back to
  // (or the Customize sheet comes forward, when it is up).
  void TakeKeyboard();
  void ShellRestarted();
  // 1 when the button was released, 0 when the mouse was taken away.
  int RunDragLoop();

  // A drag over a row, before the bar's other drop rules: over a folder
  // button it goes to that folder's own drop target, and the bar's own
  // button dragged along its row is moved there. The effect, or nothing
  // when the other rules decide.
  std::optional<DWORD> DragOverRow(IDataObject* data, DWORD keyState,
                                   POINT point);
  // The drop that DragOverRow took on; nothing when the other rules decide.
  std::optional<BOOL> DropOnRowSpot(IDataObject* data, DWORD dropEffect,
                                    POINT point);
  // The drag left the rows: no mark, no highlight, no folder target.
  void LeaveRowSpot();
  // Hovering over button `button` of toolbar `toolbar`, a folder: its drop
  // target is told, entered first when it is a new one; the effect.
  DWORD HoverFolder(CButtonRow& row, int toolbar, int button, IDataObject* data,
                    DWORD keyState, POINT point);
  void LeaveFolder();

  IAppBarService& m_appBarService;
  IBarFamily* m_family = nullptr;
  qv::IDragDropLoop& m_dragDrop;
  // The bar's own button being dragged, while its drag runs.
  struct ButtonDrag {
    int toolbar;
    int button;
  };
  std::optional<ButtonDrag> m_buttonDrag;
  // The folder button a drag hovers over, and that folder's drop target.
  struct FolderHover {
    int toolbar = -1;
    int button = -1;
    qv::ComPtr<IDropTarget> target;
  };
  FolderHover m_folderHover;
  DWORD m_dragKeys = 0;  // the keys of the last drag call, for the drop
  IMonitorService& m_monitors;
  MonitorInfo m_monitor;
  int m_nDpi = 0;             // 0 until the bar is on a monitor
  MonitorInfo m_dragMonitor;  // the monitor a move drag is over
  FirstRunBuilder m_firstRun;
  // Broadcast when the shell (re)starts: the bar registers and docks again.
  UINT m_uTaskbarCreated = 0;

  CBarModel m_model;
  CToolbarPane m_pane;
  CTabStrip m_tabStrip;
  CBarDropTarget m_dropTarget;
  CTitleScreen m_title;
  CSettingsKeyWatcher m_settingsWatcher;
  // The icon size shown; the system image list the icons are drawn from,
  // and the size it was chosen for.
  int m_nIconSize = 0;
  HIMAGELIST m_images = nullptr;
  int m_nImagesFor = 0;
  // Tells the Recent folder's toolbar, labelled "Documents".
  qv::CRecentFolder m_recent;
  // Each tab's toolbar index.
  std::vector<int> m_tabToolbars;
  std::unique_ptr<IFolderWatcher> m_watcher;
  // Each toolbar's watched folder ("" for one without a path), by index.
  std::vector<std::string> m_watchedPaths;
  qv::ChangeCoalescer m_folderChanges{200, 2000};
  CToolbarReader m_reader{m_model.Shell()};
  UniqueShellNotices m_shellNotices;
  std::optional<RebuildRequest> m_pendingRebuild;
  // Asks for the buttons' own icons while the window lives.
  std::unique_ptr<qv::IconWorker> m_icons;
  qv::ISystemLook* m_look = &qv::SystemLook();
  qv::Palette m_palette = qv::LightPalette(qv::SystemLook().Colors());
  qv::UniqueHBrush m_background;
  int m_bBusy = 0;    // a rebuild is running: tab notifications are its own
  int m_bMenuUp = 0;  // a menu is up: an auto-hide bar stays out
  qv::CWnd m_tooltip;
  APPBARDATA m_abd{};
  int m_bRegistered = 0;
  int m_bHiddenMode = 0;
  // The shell refused the last request for the edge's auto-hide place.
  bool m_bAutoHideRefused = false;
  SIZE m_laidOut{-1, -1};  // the client size LayoutBar last left
  int m_cxButton = 0;
  int m_cyButton = 0;
  POINT m_ptDragAnchor{};      // fixed corner of a resize drag
  RECT m_rcDrag{};             // drag frame now drawn, screen coordinates
  int m_nDragHit = 0;          // hit-test code that started the drag; 0 idle
  int m_nDraggedToolbar = -1;  // a move drag carries this toolbar, not the bar
  int m_bShown = 0;
  int m_nDropEffect = 1;  // 1 folders (left button), 2 shortcuts (right)
  int m_bMoved = 0;
  qv::Edge m_dragEdge = qv::Edge::Top;  // the edge a move drag is over
  UINT m_nHeldHotKey = 0;      // the hot key asked for, in the stored form
  bool m_bHotKeyHeld = false;  // and registered
  // The window the keyboard came from at the hot key or another start, while
  // the bar has stayed active since: Esc gives it back.
  HWND m_hwndBeforeKeys = nullptr;
  bool m_bKeyboardIn = false;  // since the hot key, until the focus leaves

  DECLARE_MESSAGE_MAP(CBarWindow)
};
