// toolbar/ToolbarPane.cpp: the rows' creation, layout and scrolling, and
// what their clicks do.
#include "toolbar/ToolbarPane.h"

#include <shellapi.h>
#include <shlobj.h>

#include <new>

#include "framework/Dpi.h"
#include "framework/Handles.h"
#include "framework/ScrollBar.h"
#include "framework/SystemLook.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "toolbar/ButtonRow.h"
#include "toolbar/ButtonFont.h"
#include "toolbar/ToolbarFill.h"
#include "framework/portable/DpiScale.h"
#include "shell/ItemOpener.h"
#include "shell/ShellHelpers.h"
#include "shell/ShortcutTarget.h"
#include "toolbar/portable/ButtonClick.h"
#include "shell/portable/IdListBytes.h"
#include "toolbar/portable/PaneScroll.h"
#include "toolbar/portable/RowLayout.h"

namespace {

// WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_FOCUSONBUTTONDOWN |
// TCS_FIXEDWIDTH | TCS_MULTILINE | TCS_BUTTONS | TCS_FORCELABELLEFT
constexpr DWORD kRowStyle = 0x50011720;
// Where a row starts before the first layout places it.
constexpr RECT kPlaceholderRect = {0, 0, 50, 50};
// The rows' inset from the pane's leading edge, and the gap between rows
// across the bar.
constexpr int kRowInset = 18;
constexpr int kRowGap = 3;
// Length of a pane whose rows all fit, beyond the rows.
constexpr int kFitSlack = 12;
// Used when the pane cannot measure its font.
constexpr int kDefaultCharWidth = 5;
constexpr int kFatalExitCode = -3;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Sizes along the bar (the rows' length) and across it (their stacking).
struct PaneAxes {
  bool columns;  // a left or right bar: the rows are columns down it
  int Along(const RECT& r) const { return columns ? Height(r) : Width(r); }
  int Across(const RECT& r) const { return columns ? Width(r) : Height(r); }
  int Across(SIZE s) const { return columns ? s.cx : s.cy; }
  // Where a rectangle starts along the bar, and across it.
  int Start(const RECT& r) const { return columns ? r.top : r.left; }
  int Lead(const RECT& r) const { return columns ? r.left : r.top; }
  // x and y of a place or size given along and across the bar.
  SIZE ToXY(int along, int across) const {
    return columns ? SIZE{across, along} : SIZE{along, across};
  }
};

// A row's rectangle in the pane's client coordinates.
RECT RowRect(HWND pane, const CButtonRow& row) {
  RECT rc = row.GetWindowRect();
  ::MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

}  // namespace

BEGIN_MESSAGE_MAP(CToolbarPane, qv::CWnd)
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
ON_WM_SETFOCUS()
ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
ON_WM_KEYDOWN()
ON_WM_CONTEXTMENU()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDOWN()
// The rows are numbered by toolbar; the tooltip's tools by button.
ON_NOTIFY_RANGE(NM_CLICK, 0, 0xFFFFFFFF, OnRowClick)
ON_NOTIFY_RANGE(NM_RCLICK, 0, 0xFFFFFFFF, OnRowRClick)
ON_NOTIFY_RANGE(RN_BEGINDRAG, 0, 0xFFFFFFFF, OnRowBeginDrag)
ON_NOTIFY_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFF, OnNeedText)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
ON_COMMAND(ID_SORT_BY_NAME, OnSortByName)
ON_COMMAND(ID_SORT_BY_TYPE, OnSortByType)
ON_COMMAND(ID_SORT_BY_SIZE, OnSortBySize)
ON_COMMAND(ID_SORT_BY_DATE, OnSortByDate)
ON_COMMAND(ID_CUSTOM_SORT, OnCustomSort)
ON_COMMAND(ID_UP_ONE_LEVEL, OnUpOneLevel)
// The bar's own commands, also on the folder menu, which is tracked with the
// pane as its owner.
ON_COMMAND_RANGE(ID_LEFT_ALIGN, ID_REFRESH_ICONS, OnBarCommand)
ON_COMMAND_RANGE(ID_LARGE_ICONS, ID_SMALL_ICONS, OnBarCommand)
ON_COMMAND_RANGE(ID_AUTO_HIDE, ID_AUTO_HIDE, OnBarCommand)
ON_COMMAND_RANGE(ID_HELP_TOPICS, ID_HELP_TOPICS, OnBarCommand)
ON_COMMAND_RANGE(ID_NEW_BAR, ID_CLOSE_BAR, OnBarCommand)
END_MESSAGE_MAP()

CToolbarPane::CToolbarPane(IPaneHost& host, ItemOpenFn opener)
    : m_host(host),
      m_opener(opener),
      m_hFont(CreateButtonFont(qv::kBaseDpi)),
      m_nDpi(qv::kBaseDpi),
      m_palette(qv::LightPalette(qv::SystemLook().Colors())) {}

void CToolbarPane::SetPalette(const qv::Palette& palette) {
  m_palette = palette;
  for (auto& row : m_rows) row->SetPalette(palette);
  if (m_hWnd)
    ::RedrawWindow(m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

// The system draws the sunken client edge in the classic colours, which in
// the dark look would be a light frame round a dark pane: it is drawn again
// in the palette's edges, as the buttons' are. High contrast keeps the
// system's edge, already in the user's colours.
LRESULT CToolbarPane::OnNcPaint(WPARAM, LPARAM) {
  const LRESULT result = Default();
  if (!m_palette.dark) return result;
  const qv::WindowDC dc = qv::WindowDC::WithFrame(m_hWnd);
  if (!dc) return result;
  RECT rc{};
  ::GetWindowRect(m_hWnd, &rc);
  ::OffsetRect(&rc, -rc.left, -rc.top);
  const qv::Rgb rings[2][2] = {{m_palette.edgeShadow, m_palette.edgeLight},
                               {m_palette.edgeFrame, m_palette.edgeFace}};
  for (const auto& ring : rings) {
    const qv::UniqueHBrush upperLeft(::CreateSolidBrush(ring[0]));
    const qv::UniqueHBrush lowerRight(::CreateSolidBrush(ring[1]));
    const RECT top{rc.left, rc.top, rc.right - 1, rc.top + 1};
    const RECT left{rc.left, rc.top, rc.left + 1, rc.bottom - 1};
    const RECT bottom{rc.left, rc.bottom - 1, rc.right, rc.bottom};
    const RECT right{rc.right - 1, rc.top, rc.right, rc.bottom};
    ::FillRect(dc.get(), &top, upperLeft.get());
    ::FillRect(dc.get(), &left, upperLeft.get());
    ::FillRect(dc.get(), &bottom, lowerRight.get());
    ::FillRect(dc.get(), &right, lowerRight.get());
    ::InflateRect(&rc, -1, -1);
  }
  return result;
}

BOOL CToolbarPane::OnEraseBkgnd(HDC dc) {
  const RECT rc = GetClientRect();
  const qv::UniqueHBrush brush(::CreateSolidBrush(m_palette.background));
  ::FillRect(dc, &rc, brush.get());
  return TRUE;
}

void CToolbarPane::SetDpi(int dpi) {
  if (dpi == m_nDpi) return;
  m_nDpi = dpi;
  m_hFont = CreateButtonFont(dpi);
  for (auto& row : m_rows) row->SetDpi(dpi);
}

// Destroyed here, while the whole object still handles its WM_DESTROY.
CToolbarPane::~CToolbarPane() { DestroyWindow(); }

CButtonRow* CToolbarPane::GetRow(int index) const {
  return index >= 0 && index < GetRowCount() ? m_rows[index].get() : nullptr;
}

CButtonRow* CToolbarPane::RowAt(POINT pt) const {
  HWND child = ::ChildWindowFromPointEx(m_hWnd, pt, CWP_ALL);
  for (const auto& row : m_rows)
    if (child && row->m_hWnd == child) return row.get();
  return nullptr;
}

int CToolbarPane::FindRowById(int id) const {
  for (size_t i = 0; i < m_rows.size(); ++i)
    if (m_rows[i]->GetDlgCtrlID() == id) return static_cast<int>(i);
  return -1;
}

bool CToolbarPane::ColumnsDown() const {
  return qv::RowOrientation(m_host.Edge()) == qv::kColumnsDown;
}

const ToolbarButton* CToolbarPane::ButtonAt(int toolbar, int button) const {
  const ToolbarButtons* buttons = m_host.Buttons(toolbar);
  if (!buttons || button < 0 || static_cast<size_t>(button) >= buttons->size())
    return nullptr;
  return &(*buttons)[button];
}

int CToolbarPane::CreateRows() {
  if (!m_hWnd) return 0;
  // Rows left from an earlier build would be shown twice.
  DestroyRows();
  const CBarSettings& settings = m_host.Settings();
  const int count = settings.ToolbarCount();
  if (count == 0) return 1;

  std::vector<int> ids;
  if (settings.m_bShowTabs) {
    ids.push_back(settings.m_nCurrentTab);
  } else {
    for (int i = 0; i < count; ++i) ids.push_back(i);
  }

  for (int id : ids) {
    std::unique_ptr<CButtonRow> row(new (std::nothrow) CButtonRow);
    if (!row)
      qv::FatalExit("Could not create Appbar Ctrl Class. Aborting ...",
                    MB_ICONSTOP, kFatalExitCode);
    row->SetDpi(m_nDpi);
    row->SetPalette(m_palette);
    if (!row->Create(kRowStyle, kPlaceholderRect, m_hWnd, id))
      qv::FatalExit("Could not create Appbar Ctrl. Aborting ...", MB_ICONSTOP,
                    kFatalExitCode);
    m_rows.push_back(std::move(row));
  }
  return 1;
}

void CToolbarPane::FillRows(HWND tooltip) {
  const bool withNames = m_host.Settings().m_nMaxChars > 0;
  for (auto& row : m_rows) {
    row->SetTooltip(tooltip);
    row->Show(m_host.Buttons(row->GetDlgCtrlID()), withNames);
  }
  ShowFocusMark();
}

bool CToolbarPane::RefillRow(int toolbar, HWND tooltip) {
  const int index = FindRowById(toolbar);
  const ToolbarButtons* buttons = m_host.Buttons(toolbar);
  if (index < 0 || !buttons) return false;
  CButtonRow& row = *m_rows[index];
  row.SetTooltip(tooltip);
  row.Show(buttons, m_host.Settings().m_nMaxChars > 0);
  ShowFocusMark();
  return true;
}

bool CToolbarPane::ShowInRow(int toolbar) {
  const CBarSettings& settings = m_host.Settings();
  if (!settings.m_bShowTabs || m_rows.size() != 1) return false;
  // The row's id names the toolbar it shows.
  CButtonRow& row = *m_rows.front();
  ::SetWindowLongPtrA(row.m_hWnd, GWLP_ID, toolbar);
  row.Show(m_host.Buttons(toolbar), settings.m_nMaxChars > 0);
  m_nFocusRow = -1;
  m_nFocusRecord = -1;
  ShowFocusMark();
  return true;
}

void CToolbarPane::RedrawButton(int toolbar, int button) {
  if (CButtonRow* row = GetRow(FindRowById(toolbar))) row->RedrawButton(button);
}

int CToolbarPane::DestroyRows() {
  for (auto& row : m_rows) row->DestroyWindow();
  if (m_nNotifyDepth > 0) {
    for (auto& row : m_rows) m_retiredRows.push_back(std::move(row));
  } else {
    m_retiredRows.clear();
  }
  m_rows.clear();
  m_nFocusRow = -1;
  m_nFocusRecord = -1;
  return 1;
}

void CToolbarPane::SetRowCells(int cxButton, int cyButton, int orientation,
                               int iconSize) {
  for (auto& row : m_rows) {
    row->SetIconSize(iconSize);
    row->SetCellSize(cxButton, cyButton);
    row->SetOrientation(orientation);
  }
}

void CToolbarPane::SetRowImages(HIMAGELIST images) {
  m_sprites.Use(images);
  for (auto& row : m_rows) row->SetImages(images, &m_sprites);
}

void CToolbarPane::ForgetIconPictures() {
  m_sprites.Forget();
  for (auto& row : m_rows) ::InvalidateRect(row->m_hWnd, nullptr, TRUE);
}

bool CToolbarPane::HasButtons() const {
  for (const auto& row : m_rows)
    if (row->GetItemCount() > 0) return true;
  return false;
}

int CToolbarPane::TotalLines() const {
  int lines = 0;
  for (const auto& row : m_rows) lines += row->CountLines();
  return lines;
}

RECT CToolbarPane::ClientWithoutBars() const {
  // A bar takes room while its style bit is set, shown on screen or not
  // (the bar itself may not be shown yet); its own rectangle says how much.
  const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  const auto room = [this](LONG bar, bool vertical) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    const int measured =
        ::GetScrollBarInfo(m_hWnd, bar, &info)
            ? (vertical ? Width(info.rcScrollBar) : Height(info.rcScrollBar))
            : 0;
    return measured > 0 ? measured
                        : qv::MetricForDpi(
                              vertical ? SM_CXVSCROLL : SM_CYHSCROLL, m_nDpi);
  };
  RECT client = GetClientRect();
  if (style & WS_VSCROLL) client.right += room(OBJID_VSCROLL, true);
  if (style & WS_HSCROLL) client.bottom += room(OBJID_HSCROLL, false);
  return client;
}

int CToolbarPane::Place(const RECT& rect) {
  if (!m_hWnd) return 0;
  // Lines across a top or bottom bar run along x and stack down y, scrolled
  // vertically; columns down a left or right bar the other way round.
  const PaneAxes axes{ColumnsDown()};
  const bool vertical = !axes.columns;
  // The rows are measured in the client area `rect` gives with no scroll
  // bar, whatever the bars show now: a layout that changes nothing then
  // shows, hides and draws no bar. Under a theme, a scroll bar costs more to
  // draw than the rest of the pane.
  const RECT window = GetWindowRect();
  const RECT bare = ClientWithoutBars();
  const int clientAcross =
      axes.Across(rect) - (axes.Across(window) - axes.Across(bare));
  const int scrollBar =
      qv::MetricForDpi(vertical ? SM_CXVSCROLL : SM_CYHSCROLL, m_nDpi);
  const int length = axes.Along(rect) -
                     (axes.Along(window) - axes.Along(bare)) - scrollBar -
                     kRowInset;
  int lead = kRowGap;
  SIZE cell{0, 0};
  for (auto& row : m_rows) {
    const SIZE bounds = axes.ToXY(length, 0);
    const int thickness = axes.Across(row->GetExtent(bounds.cx, bounds.cy));
    const SIZE place = axes.ToXY(kRowInset, lead);
    const SIZE size = axes.ToXY(length, thickness);
    ::MoveWindow(*row, place.cx, place.cy, size.cx, size.cy, TRUE);
    lead += thickness + kRowGap;
    cell = row->GetItemSize();
  }
  const CBarSettings& settings = m_host.Settings();
  qv::ScrollBar(m_hWnd, vertical ? SB_HORZ : SB_VERT).SetRange(0, 0);
  const qv::PaneScrollPlan plan = qv::PlanPaneScroll(
      clientAcross, axes.Across(cell), kRowGap, TotalLines(),
      vertical ? settings.m_nVertScrollPos : settings.m_nHorzScrollPos);
  // The pane keeps `rect`'s thickness across the bar (its border included):
  // sized to its client area it would shrink by the border at every layout,
  // and the bar with it, away from the band it reserves.
  const int paneLength =
      plan.overflow ? length + scrollBar + kRowInset : length + kFitSlack;
  const SIZE paneSize = axes.ToXY(paneLength, axes.Across(rect));
  ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, paneSize.cx, paneSize.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  SetScrollBar(vertical, plan.rangeMax, plan.overflow ? plan.position : 0);
  if (plan.overflow) {
    m_host.SetScrollPosition(vertical, plan.position);
    // At the start, the rows are where they were just placed.
    if (plan.position > 0)
      ScrollRows(vertical, SB_THUMBPOSITION, plan.position);
  }
  return 1;
}

void CToolbarPane::SetScrollBar(bool vertical, int rangeMax, int position) {
  const qv::ScrollBar bar(m_hWnd, vertical ? SB_VERT : SB_HORZ);
  const SCROLLINFO before = bar.Info();
  // Set without drawing; drawn below only if it looks otherwise. A bar
  // shown or hidden changes the frame, which the system draws again.
  bar.SetRange(0, rangeMax, false);
  bar.SetPos(position, false);
  const SCROLLINFO after = bar.Info();
  if (rangeMax > 0 && before.nMax > before.nMin &&
      !qv::SameScrollLook(before, after))
    ::RedrawWindow(m_hWnd, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void CToolbarPane::OnVScroll(UINT code, UINT pos, HWND) {
  if (!ColumnsDown()) ScrollRows(true, code, static_cast<int>(pos));
}

void CToolbarPane::OnHScroll(UINT code, UINT pos, HWND) {
  if (ColumnsDown()) ScrollRows(false, code, static_cast<int>(pos));
}

void CToolbarPane::ScrollRows(bool vertical, UINT code, int thumb) {
  if (m_rows.empty()) return;
  const PaneAxes axes{!vertical};
  const CBarSettings& settings = m_host.Settings();
  const int position =
      vertical ? settings.m_nVertScrollPos : settings.m_nHorzScrollPos;
  const CButtonRow& first = *m_rows.front();
  const RECT firstRect = RowRect(m_hWnd, first);
  const int pad = axes.Across(first.GetPadding());
  int rowsLen = 0;
  for (const auto& row : m_rows) rowsLen += axes.Across(row->GetClientRect());

  const qv::PaneScrollStep step =
      qv::StepPaneScroll(static_cast<int>(code), thumb, position, TotalLines(),
                         axes.Lead(firstRect), axes.Across(first.GetItemSize()),
                         pad, axes.Across(GetClientRect()), rowsLen);
  if (!step.moved) return;

  int lead = step.firstTop;
  for (auto& row : m_rows) {
    const RECT rc = RowRect(m_hWnd, *row);
    const SIZE place = axes.ToXY(axes.Start(firstRect), lead);
    ::MoveWindow(*row, place.cx, place.cy, Width(rc), Height(rc), TRUE);
    lead += pad + axes.Across(rc);
  }
  qv::ScrollBar(m_hWnd, vertical ? SB_VERT : SB_HORZ).SetPos(step.position);
  ::UpdateWindow(m_hWnd);
  m_host.SetScrollPosition(vertical, step.position);
}

int CToolbarPane::GetAverageCharWidth() const {
  if (!m_hFont || !m_hWnd) return kDefaultCharWidth;
  qv::WindowDC dc(m_hWnd);
  if (!dc) return kDefaultCharWidth;
  qv::SelectScope font(dc.get(), m_hFont.get());
  TEXTMETRICA metrics{};
  if (!::GetTextMetricsA(dc.get(), &metrics)) return kDefaultCharWidth;
  return metrics.tmAveCharWidth;
}

LRESULT CToolbarPane::OnRowClick(NMHDR* hdr) {
  ++m_nNotifyDepth;
  OnButtonClick(hdr, 0);
  --m_nNotifyDepth;
  return 0;
}

LRESULT CToolbarPane::OnRowRClick(NMHDR* hdr) {
  ++m_nNotifyDepth;
  OnButtonClick(hdr, 1);
  --m_nNotifyDepth;
  return 0;
}

LRESULT CToolbarPane::OnRowBeginDrag(NMHDR* hdr) {
  const auto* notice = reinterpret_cast<const NMROWDRAG*>(hdr);
  ++m_nNotifyDepth;
  if (FindRowById(static_cast<int>(hdr->idFrom)) >= 0 &&
      ButtonAt(static_cast<int>(hdr->idFrom), notice->button))
    m_host.DragButton(static_cast<int>(hdr->idFrom), notice->button);
  --m_nNotifyDepth;
  return 0;
}

void CToolbarPane::OnButtonClick(const NMHDR* hdr, int rightClick) {
  POINT screen{};
  ::GetCursorPos(&screen);
  const int rowIndex = FindRowById(static_cast<int>(hdr->idFrom));
  if (rowIndex < 0) return;
  CButtonRow& row = *m_rows[rowIndex];
  POINT pt = screen;
  ::ScreenToClient(row, &pt);
  const int button = qv::ClickedButton(row.HitTest(pt), row.GetClickedButton(),
                                       rightClick != 0);
  if (button < 0) return;
  OpenButton(static_cast<int>(hdr->idFrom), button, screen, rightClick);
}

void CToolbarPane::OpenButton(int k, int button, POINT screen, int rightClick,
                              bool menuKey) {
  // The row shows toolbar k's buttons in order; a row out of step with
  // them (the toolbar was just dropped) has nothing to open.
  const CBarSettings& settings = m_host.Settings();
  const ToolbarRecord* toolbar = settings.Toolbar(k);
  const ToolbarButton* pressed = ButtonAt(k, button);
  if (!toolbar || !toolbar->folder || !pressed || !pressed->item) return;
  LPCITEMIDLIST folderList = toolbar->folder.get();
  LPCITEMIDLIST item = pressed->item.get();

  // Is the item a folder? A toolbar of the desktop itself binds to the
  // desktop folder. A folder whose directory or drive went away may still
  // bind: the host then reads the toolbar again, which keeps or drops it.
  qv::ComPtr<IShellFolder> folder;
  if (qv::GetIdListSize(folderList) <= qv::kIdListTerminatorSize) {
    ::SHGetDesktopFolder(folder.GetAddressOf());
  } else {
    qv::BindToFolder(folderList, folder.GetAddressOf());
  }
  if (!folder || IsMissingDirectory(folderList)) {
    m_host.FolderUnavailable(k);
    return;
  }
  SFGAOF attributes = SFGAO_HASSUBFOLDER | SFGAO_FOLDER | SFGAO_LINK;
  if (FAILED(folder->GetAttributesOf(1, &item, &attributes))) attributes = 0;
  folder.Reset();
  const bool isFolder = (attributes & SFGAO_FOLDER) != 0;

  // Folders as menus: a click, Enter or the menu key drops the menu of a
  // folder, or of the folder a shortcut leads to; a right click shows the
  // item's shell menu.
  if (settings.m_bBrowseMenus && (!rightClick || menuKey)) {
    qv::UniqueIdList shown;
    if (isFolder) {
      shown.reset(qv::ConcatIdLists(folderList, item));
    } else if (attributes & SFGAO_LINK) {
      shown = qv::ShortcutFolderTarget(folderList, item);
    }
    if (shown) {
      DropCascadeMenu(k, button, shown.get());
      return;
    }
  }

  if (menuKey || (settings.m_bBrowseMenus && rightClick) ||
      qv::OpensItem(isFolder, settings.m_bBrowseSeparate)) {
    // The shell's menu runs nested message loops, in which a rebuild may
    // free the toolbar's lists: the opening works on copies of its own.
    qv::UniqueIdList folderCopy(qv::ConcatIdLists(nullptr, folderList));
    qv::UniqueIdList itemCopy(qv::ConcatIdLists(nullptr, item));
    if (folderCopy && itemCopy) {
      const MenuUpScope menuUp(m_host);
      m_opener(::GetParent(m_hWnd), folderCopy.get(), itemCopy.get(), screen,
               rightClick);
    }
  } else {
    BrowseInBar(k, button);
  }
}

LRESULT CToolbarPane::OnNeedText(NMHDR* hdr) {
  auto* info = reinterpret_cast<NMTTDISPINFOA*>(hdr);
  POINT pt{};
  ::GetCursorPos(&pt);
  ::ScreenToClient(m_hWnd, &pt);
  HWND under = ::ChildWindowFromPoint(m_hWnd, pt);
  CButtonRow* row = nullptr;
  for (auto& candidate : m_rows)
    if (candidate->m_hWnd == under) row = candidate.get();
  if (!row) return 0;

  ::MapWindowPoints(m_hWnd, *row, &pt, 1);
  const ToolbarButton* pointed =
      ButtonAt(row->GetDlgCtrlID(), row->HitTest(pt));
  info->lpszText = pointed && pointed->item
                       ? const_cast<char*>(pointed->name.c_str())
                       : nullptr;
  return 0;
}

void CToolbarPane::OnDestroy() {
  m_accessible.Disconnect();
  DestroyRows();
  Default();
}

void CToolbarPane::OnRButtonUp(UINT, POINT pt) { ShowFolderMenu(pt); }

void CToolbarPane::OnLButtonDown(UINT, POINT pt) {
  // Empty space of the pane is a handle for moving the bar.
  POINT screen = pt;
  ::ClientToScreen(m_hWnd, &screen);
  m_host.BeginMove(screen);
}

void CToolbarPane::OnBarCommand(UINT id) { m_host.RunBarCommand(id); }
