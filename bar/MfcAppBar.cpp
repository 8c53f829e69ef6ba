// bar/MfcAppBar.cpp: creation and destruction of the bar window, the rebuild
// cycle, and the layout of the pane and the tab strip inside the bar.
#include "bar/MfcAppBar.h"

#include <shlobj.h>

#include "app/DefaultToolbars.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "title/TitleWnd.h"
#include "toolbar/AppbarCtrl.h"
#include "bar/BarRects.h"
#include "shell/ShellHelpers.h"

BEGIN_MESSAGE_MAP(CMfcAppBar, qv::CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_ACTIVATE()
ON_MESSAGE(UWM_APPBAR_CALLBACK, OnAppBarCallback)
ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
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
ON_COMMAND(ID_HELP_TOPICS, OnHelpTopics)
ON_COMMAND(ID_EXIT, OnExit)
END_MESSAGE_MAP()

namespace {

// The tab strip's orientation for an edge: left 3, right 2, top and bottom 1.
int OrientationForEdge(UINT edge) {
  switch (edge) {
    case ABE_LEFT:
      return 3;
    case ABE_RIGHT:
      return 2;
    default:
      return 1;
  }
}

}  // namespace

CMfcAppBar::CMfcAppBar(IAppBarService& appBarService)
    : m_appBarService(appBarService) {
  m_pane.m_pMainBar = this;
}

CMfcAppBar::~CMfcAppBar() {
  // Destroyed here, while the window's handlers still exist, so that the
  // band is given back to the shell.
  if (m_hWnd) DestroyWindow();
}

LRESULT CMfcAppBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY:
      OnTabNotify(reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case UWM_REBUILD_BAR:
      m_bReloadItems = 1;
      m_bKeepShown = 1;
      RebuildBar();
      return 0;
    case UWM_RELOAD_CURRENT:
      m_bReloadItems = 1;
      m_nReloadIndex = m_tabber.m_nCurSel;
      m_bAppendToolbar = 0;
      m_bKeepShown = 1;
      RebuildBar();
      return 0;
    default:
      if (m_uTaskbarCreated && message == m_uTaskbarCreated) {
        ShellRestarted();
        return 0;
      }
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

void CMfcAppBar::OnTabNotify(const NMHDR* hdr) {
  if (!hdr || hdr->hwndFrom != m_tabber.m_hWnd || m_bBusy) return;
  if (hdr->code == TABN_SELCHANGED) {
    m_settings.m_nCurrentTab = m_tabber.m_nCurSel;
    m_settings.Save();
    m_bReloadItems = 0;
    m_bKeepShown = 1;
    RebuildBar();
  } else if (hdr->code == static_cast<UINT>(NM_RCLICK)) {
    POINT pt;
    ::GetCursorPos(&pt);
    ShowContextMenu(pt.x, pt.y);
  }
}

int CMfcAppBar::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  ShowTitle(this);
  m_bRegistered = 0;
  m_settings.Load();
  if (!RegisterAppBar(1)) return -1;
  m_uTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

  m_hMenuBar.reset(
      ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_BAR_MENU)));
  m_popupMenu = m_hMenuBar ? ::GetSubMenu(m_hMenuBar.get(), 0) : nullptr;

  if (m_settings.m_bFirstTime == 1 &&
      !CDefaultToolbars().Build(m_hWnd, m_settings))
    return -1;
  m_dropTarget.Register(this);

  m_bReloadItems = 1;
  RebuildBar();
  return 0;
}

void CMfcAppBar::OnDestroy() {
  Default();
  // OLE must let go of the drop target while the window still exists.
  m_dropTarget.Revoke();
  if (m_bRegistered) RegisterAppBar(0);
  m_tooltip.DestroyWindow();
  m_pane.DestroyWindow();
  m_tabber.DestroyWindow();
  m_popupMenu = nullptr;
  m_hMenuBar.reset();
}

void CMfcAppBar::RebuildBar() {
  m_bBusy = 1;
  HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
  m_settings.Load();
  // A dropped toolbar has posted the rebuild that finishes this one.
  if (!BuildChildren()) return;

  const int accepted = UpdateAutoHide();
  if (!accepted && m_settings.m_bAutoHide == 1) {
    qv::AppMessageBox(
        "A toolbar is already hidden on this side of your screen.\nYou can "
        "have only one auto-hide toolbar per side.",
        MB_OK);
  }
  m_bHiddenMode = accepted && m_settings.m_bAutoHide ? 1 : 0;
  if (!(m_bHiddenMode == 1 && m_bKeepShown == 1))
    DockToEdge(static_cast<int>(m_settings.m_nAlignment));
  LayoutBar(m_bHiddenMode == 1 && m_bKeepShown == 0 ? 1 : 0);
  if (m_settings.m_bShowTabs == 1) m_tabber.SetCurSel(m_settings.m_nCurrentTab);
  ApplyZOrder();

  ::SetCursor(previous);
  m_bBusy = 0;
  m_bKeepShown = 0;
}

void CMfcAppBar::DropToolbar(int index) {
  // The toolbar's folder is gone: forget it and rebuild without it.
  m_settings.RemoveToolbar(index);
  m_settings.Save();
  PostMessage(UWM_REBUILD_BAR, 0, 0);
}

int CMfcAppBar::BuildChildren() {
  // 1. Re-read the toolbars' folders.
  if (m_bReloadItems == 1) {
    const int n = static_cast<int>(m_settings.m_folders.size());
    auto fill = [this](int k, int append) {
      ToolbarInfo* info = m_settings.m_toolbarInfos[k].get();
      LPCITEMIDLIST folder = m_settings.m_folders[k].get();
      return info && info->kind == qv::kKindCustom &&
                     m_settings.m_sortOrders[k] == 0
                 ? FillFromOrder(folder, info, k, append)
                 : FillFromFolder(folder, k, append);
    };
    if (m_nReloadIndex == -1) {
      FreeAllItems();
      for (int i = 0; i < n; ++i) {
        if (!fill(i, 1)) {
          DropToolbar(i);
          return 0;
        }
        SortToolbar(i);
      }
    } else if (m_nReloadIndex >= 0 && m_nReloadIndex < n) {
      const int k = m_nReloadIndex;
      if (m_bAppendToolbar == 0) FreeToolbarItems(k);
      const int append = m_bAppendToolbar;
      m_bAppendToolbar = 0;
      if (!fill(k, append)) {
        m_nReloadIndex = -1;
        m_bReloadItems = 0;
        DropToolbar(k);
        return 0;
      }
      SortToolbar(k);
    }
    m_nReloadIndex = -1;
    m_bReloadItems = 0;
  }

  // 2. The pane: created once, its rows and the tooltip remade each time.
  if (m_pane.m_hWnd) {
    m_pane.DestroyRows();
    m_tooltip.DestroyWindow();
  } else {
    UpdateButtonSize();
    const char* paneClass =
        qv::RegisterWindowClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                ::LoadIconA(::GetModuleHandleA(nullptr),
                                            MAKEINTRESOURCEA(IDR_MAINFRAME)));
    qv::CreateArgs args;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.className = paneClass;
    args.windowName = "";
    args.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    args.x = 2;
    args.y = 2;
    args.cx = (m_cxButton + 3) * m_settings.m_nColumns - 3;
    args.cy = (m_cyButton + 3) * m_settings.m_nRows - 3;
    args.parent = m_hWnd;
    args.id = kPaneId;
    if (!paneClass || !m_pane.Create(args)) {
      qv::FatalExit("Window Creation Failed", MB_OK, -2);
    }
    ::SetFocus(m_pane.m_hWnd);
  }

  // 3. The tab strip: created once, emptied each time.
  if (m_tabber.m_hWnd) {
    for (int i = m_tabber.GetTabCount() - 1; i >= 0; --i) m_tabber.RemoveTab(i);
  } else {
    RECT rc{0, 0, 50, 50};
    m_tabber.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP, rc, m_hWnd,
                    kTabberId);
  }
  m_tabber.m_nOrientation = OrientationForEdge(m_settings.m_nAlignment);

  // 4. The rows.
  if (!m_pane.CreateRows())
    qv::FatalExit("Could not create child windows, quitting...", MB_ICONSTOP,
                  -3);

  // 5. The tooltip shared by the rows.
  qv::CreateArgs tooltipArgs;
  tooltipArgs.className = TOOLTIPS_CLASSA;
  tooltipArgs.style = WS_POPUP | TTS_ALWAYSTIP;
  tooltipArgs.parent = m_hWnd;
  if (m_tooltip.Create(tooltipArgs)) {
    ::SetWindowLongPtrA(m_tooltip.m_hWnd, GWLP_ID, kTooltipId);
  }

  // 6. The icons.
  HIMAGELIST images = UpdateButtonSize();
  m_pane.SetRowImages(
      images, m_cxButton, m_cyButton,
      qv::IsVerticalEdge(static_cast<int>(m_settings.m_nAlignment)) ? 2 : 1);

  // 7. Every row gets the tooltip and its toolbar's items.
  for (int r = 0; r < m_pane.GetRowCount(); ++r) {
    CAppbarCtrl* row = m_pane.GetRow(r);
    const int k = row->GetDlgCtrlID();
    row->SendMessage(TCM_SETTOOLTIPS,
                     reinterpret_cast<WPARAM>(m_tooltip.m_hWnd), 0);
    if (k < 0 || k >= static_cast<int>(m_itemArrays.size()) || !m_itemArrays[k])
      continue;
    for (UINT j = 0; j < m_itemCounts[k]; ++j)
      row->SendMessage(TCM_INSERTITEMA, j, AsTabItem(&m_itemArrays[k][j]));
  }

  // 8. The tabs.
  qv::ComPtr<IShellFolder> desktop;
  if (FAILED(::SHGetDesktopFolder(desktop.GetAddressOf()))) return 0;
  AddTabs(desktop.Get());
  return 1;
}

void CMfcAppBar::AddTabs(IShellFolder* desktop) {
  // The Recent folder's name, to label its toolbar "Documents". When it
  // cannot be read the toolbars simply keep their folder names.
  char recentName[MAX_PATH] = {};
  bool haveRecent = false;
  qv::UniqueIdList recent;
  if (SUCCEEDED(
          ::SHGetSpecialFolderLocation(m_hWnd, CSIDL_RECENT, recent.put()))) {
    qv::UniqueIdList last(qv::CopyLastItemId(recent.get()));
    haveRecent = last && qv::GetItemDisplayName(desktop, last.get(),
                                                SHGDN_NORMAL, recentName);
  }

  for (size_t i = 0; i < m_settings.m_folders.size(); ++i) {
    LPCITEMIDLIST folder = m_settings.m_folders[i].get();
    char name[MAX_PATH] = {};
    bool named = false;
    qv::UniqueIdList parent(qv::CopyParentIdList(folder));
    qv::UniqueIdList last(qv::CopyLastItemId(folder));
    qv::ComPtr<IShellFolder> parentFolder;
    if (parent && last &&
        qv::BindToFolder(parent.get(), parentFolder.GetAddressOf()))
      named = qv::GetItemDisplayName(parentFolder.Get(), last.get(),
                                     SHGDN_NORMAL, name);
    else
      named =
          folder && qv::GetItemDisplayName(desktop, folder, SHGDN_NORMAL, name);
    if (!named) return;  // this toolbar and the ones after it get no tab

    std::string label = name;
    if (haveRecent && label == recentName) label = "Documents";
    const ToolbarInfo* info = m_settings.m_toolbarInfos[i].get();
    if (info && info->kind == qv::kKindBrowse) label = "Browse " + label;
    m_tabber.AddTab(label.c_str());
  }
}

HIMAGELIST CMfcAppBar::UpdateButtonSize() {
  SHFILEINFOA info{};
  const UINT flags = m_settings.m_bSmallIcons
                         ? SHGFI_SYSICONINDEX | SHGFI_SMALLICON
                         : SHGFI_SYSICONINDEX | SHGFI_ICON;
  auto images = reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, flags));
  if (info.hIcon) ::DestroyIcon(info.hIcon);
  IMAGEINFO image{};
  if (images && ::ImageList_GetImageInfo(images, 0, &image)) {
    m_cxButton = image.rcImage.right - image.rcImage.left + 8;
    if (m_settings.m_nMaxChars > 0)
      m_cxButton += m_settings.m_nMaxChars * m_pane.GetAverageCharWidth();
    m_cyButton = image.rcImage.bottom - image.rcImage.top + 6;
  } else {
    m_cxButton = 24;
    m_cyButton = 22;
  }
  return images;
}

int CMfcAppBar::BarLength(int vertical) const {
  RECT rc = GetWindowRect();
  return vertical ? rc.bottom - rc.top : rc.right - rc.left;
}

void CMfcAppBar::LayoutBar(int hidden) {
  UpdateButtonSize();
  const int edge = static_cast<int>(m_settings.m_nAlignment);
  const bool vertical = qv::IsVerticalEdge(edge);
  const bool tabs = m_settings.m_bShowTabs == 1;
  const int ex = ::GetSystemMetrics(SM_CXEDGE);
  const int ey = ::GetSystemMetrics(SM_CYEDGE);

  // The pane, with its scroll ranges cleared before it is measured again.
  ::SetScrollRange(m_pane.m_hWnd, SB_HORZ, 0, 0, FALSE);
  ::SetScrollRange(m_pane.m_hWnd, SB_VERT, 0, 0, FALSE);
  if (vertical) {
    const int x =
        edge == ABE_RIGHT && tabs ? ::GetSystemMetrics(SM_CXVSCROLL) + 1 : 2;
    ::MoveWindow(m_pane.m_hWnd, x, 2,
                 (m_cxButton + 3) * m_settings.m_nColumns + 2 * ex + 6,
                 BarLength(1) - 7, TRUE);
  } else {
    ::MoveWindow(m_pane.m_hWnd, 2, 2, BarLength(0) - 7,
                 (m_cyButton + 3) * m_settings.m_nRows + 2 * ey + 6, TRUE);
  }
  m_pane.RelayoutRows();
  RECT client = m_pane.GetClientRect();

  // The tab strip chooses its own thickness; it gets a position and a length.
  if (tabs) {
    ::ShowWindow(m_tabber.m_hWnd, SW_SHOW);
    const int thickness = qv::kStripThickness;
    if (edge == ABE_LEFT)
      ::MoveWindow(m_tabber.m_hWnd, client.right + 6, 4, thickness,
                   client.bottom, TRUE);
    else if (edge == ABE_RIGHT)
      ::MoveWindow(m_tabber.m_hWnd, 2, 4, thickness, client.bottom, TRUE);
    else
      ::MoveWindow(m_tabber.m_hWnd, 4, client.bottom + 6, client.right + 2,
                   thickness, TRUE);
  } else {
    ::ShowWindow(m_tabber.m_hWnd, SW_HIDE);
  }

  // The bar's thickness follows the pane.
  const int thickness =
      vertical
          ? client.right + 14 + (tabs ? ::GetSystemMetrics(SM_CXVSCROLL) : 0)
          : client.bottom + 13 + (tabs ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
  // A shown bar lies against the band the shell granted; an auto-hide bar
  // against the screen edge, where its 2 pixels stay.
  const qv::BarMetrics metrics = ScreenMetrics();
  const bool docked =
      m_bRegistered && !m_bHiddenMode && !::IsRectEmpty(&m_abd.rc);
  const qv::Rect band =
      docked ? ToRect(m_abd.rc)
             : qv::Rect{0, 0, metrics.screenWidth, metrics.screenHeight};
  const qv::Rect target = qv::LaidOutRect(
      edge, ToRect(GetWindowRect()), thickness, hidden != 0, band, metrics);
  RECT rc = ToRECT(target);
  if (m_nSlide == 1 || m_nSlide == 2)
    SlideTo(&rc);
  else
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left,
                 rc.bottom - rc.top, TRUE);
  m_nSlide = 0;
}

void CMfcAppBar::OnSize(UINT type, int cx, int cy) {
  // Type 10 comes from the resize drag: the new size sets rows or columns.
  if (type == 10) {
    // The resize drag gives the new client size, less the tab strip. The
    // rows (or columns) are those whose bar is nearest that size: the bar
    // is (cell + 3) per row plus its edges and margins, and its window adds
    // the sizing frame to the client area.
    UpdateButtonSize();
    const RECT window = GetWindowRect();
    const RECT client = GetClientRect();
    if (qv::IsVerticalEdge(static_cast<int>(m_settings.m_nAlignment))) {
      const int frame = (window.right - window.left) - client.right;
      m_settings.m_nColumns = qv::CellsForThickness(
          cx + frame, 2 * ::GetSystemMetrics(SM_CXEDGE) + 16, m_cxButton + 3);
    } else {
      const int frame = (window.bottom - window.top) - client.bottom;
      m_settings.m_nRows = qv::CellsForThickness(
          cy + frame, 2 * ::GetSystemMetrics(SM_CYEDGE) + 15, m_cyButton + 3);
    }
    m_settings.Save();
  }
  m_bReloadItems = 1;
  RebuildBar();
}

void CMfcAppBar::FreeToolbarItems(int index) {
  if (index < 0 || index >= static_cast<int>(m_itemArrays.size())) return;
  m_itemArrays[index].reset();
  m_itemCounts[index] = 0;
}

void CMfcAppBar::FreeAllItems() {
  m_itemArrays.clear();
  m_itemCounts.clear();
}
