// toolbar/ToolbarPane.cpp: the rows' creation, layout and scrolling, and
// what their clicks do.
#include "toolbar/ToolbarPane.h"

#include <shellapi.h>
#include <shlobj.h>

#include <new>

#include "framework/Dpi.h"
#include "framework/Handles.h"
#include "framework/ScrollBar.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "toolbar/ButtonRow.h"
#include "toolbar/ButtonFont.h"
#include "toolbar/ToolbarFill.h"
#include "framework/portable/DpiScale.h"
#include "shell/ItemOpener.h"
#include "shell/ShellHelpers.h"
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
// Width of a pane whose rows all fit, beyond the rows.
constexpr int kFitSlack = 12;
// Height of a left or right pane beyond its rows.
constexpr int kColumnSlack = 15;
// Used when the pane cannot measure its font.
constexpr int kDefaultCharWidth = 5;
constexpr int kFatalExitCode = -3;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// A row's rectangle in the pane's client coordinates.
RECT RowRect(HWND pane, const CButtonRow& row) {
  RECT rc = row.GetWindowRect();
  ::MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

}  // namespace

BEGIN_MESSAGE_MAP(CToolbarPane, qv::CWnd)
ON_WM_DESTROY()
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
END_MESSAGE_MAP()

CToolbarPane::CToolbarPane(IPaneHost& host, ItemOpenFn opener)
    : m_host(host),
      m_opener(opener),
      m_hFont(CreateButtonFont(qv::kBaseDpi)),
      m_nDpi(qv::kBaseDpi) {}

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
  if (settings.m_bShowTabs == 1) {
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
    row->SendMessage(TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip), 0);
    if (const ToolbarButtons* buttons = m_host.Buttons(row->GetDlgCtrlID()))
      row->AddButtons(*buttons, withNames);
  }
  ShowFocusMark();
}

bool CToolbarPane::RefillRow(int toolbar, HWND tooltip) {
  const int index = FindRowById(toolbar);
  const ToolbarButtons* buttons = m_host.Buttons(toolbar);
  if (index < 0 || !buttons) return false;
  CButtonRow& row = *m_rows[index];
  row.SendMessage(TCM_DELETEALLITEMS);
  row.SendMessage(TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip), 0);
  row.AddButtons(*buttons, m_host.Settings().m_nMaxChars > 0);
  ShowFocusMark();
  return true;
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

int CToolbarPane::SetRowImages(HIMAGELIST images, int cxButton, int cyButton,
                               int orientation, int iconSize) {
  for (auto& row : m_rows) {
    row->SetIconSize(iconSize);
    row->SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    row->SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(cxButton, cyButton));
    row->SetOrientation(orientation);
  }
  return 1;
}

int CToolbarPane::TotalLines() const {
  int lines = 0;
  for (const auto& row : m_rows) lines += row->CountLines();
  return lines;
}

int CToolbarPane::RelayoutRows() {
  if (!m_hWnd) return 0;
  const CBarSettings& settings = m_host.Settings();
  const RECT client = GetClientRect();
  const bool columns = ColumnsDown();
  SIZE cell{0, 0};
  SIZE pad{kRowGap, kRowGap};

  if (!columns) {
    const int width =
        Width(client) - qv::MetricForDpi(SM_CXVSCROLL, m_nDpi) - kRowInset;
    int y = kRowGap;
    for (auto& row : m_rows) {
      const int height = row->GetExtent(width, 0).cy;
      ::MoveWindow(*row, kRowInset, y, width, height, TRUE);
      y += height + kRowGap;
      cell = row->GetItemSize();
      pad = row->GetPadding();
    }
    qv::ScrollBar(m_hWnd, SB_HORZ).SetRange(0, 0);
    const qv::PaneScrollPlan plan =
        qv::PlanPaneScroll(Height(client), cell.cy, pad.cy, TotalLines(),
                           settings.m_nVertScrollPos);
    const int paneWidth =
        plan.overflow
            ? width + qv::MetricForDpi(SM_CXVSCROLL, m_nDpi) + kRowInset
            : width + kFitSlack;
    // The pane keeps its own thickness across the bar (its border
    // included): sized to its client height it would shrink by the border
    // at every layout, and the bar with it, away from the band it reserves.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, paneWidth, Height(GetWindowRect()),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    qv::ScrollBar(m_hWnd, SB_VERT).SetRange(0, plan.rangeMax);
    if (plan.overflow) {
      m_host.SetScrollPosition(true, plan.position);
      ScrollRows(true, SB_THUMBPOSITION, plan.position);
    }
    return 1;
  }

  const int height =
      Height(client) - qv::MetricForDpi(SM_CYHSCROLL, m_nDpi) - kRowInset;
  int x = kRowGap;
  for (auto& row : m_rows) {
    const int width = row->GetExtent(0, height).cx;
    ::MoveWindow(*row, x, kRowInset, width, height, TRUE);
    pad = row->GetPadding();
    cell = row->GetItemSize();
    x += width + pad.cx;
  }
  qv::ScrollBar(m_hWnd, SB_VERT).SetRange(0, 0);
  const qv::PaneScrollPlan plan = qv::PlanPaneScroll(
      Width(client), cell.cx, pad.cx, TotalLines(), settings.m_nHorzScrollPos);
  const int paneHeight = plan.overflow
                             ? height + qv::MetricForDpi(SM_CYHSCROLL, m_nDpi) +
                                   kColumnSlack + pad.cx
                             : height + kColumnSlack - pad.cx;
  // As for rows: the pane keeps its own thickness, border included.
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, Width(GetWindowRect()), paneHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  qv::ScrollBar(m_hWnd, SB_HORZ).SetRange(0, plan.rangeMax);
  if (plan.overflow) {
    m_host.SetScrollPosition(false, plan.position);
    ScrollRows(false, SB_THUMBPOSITION, plan.position);
  }
  return 1;
}

void CToolbarPane::OnVScroll(UINT code, UINT pos, HWND) {
  if (!ColumnsDown()) ScrollRows(true, code, static_cast<int>(pos));
}

void CToolbarPane::OnHScroll(UINT code, UINT pos, HWND) {
  if (ColumnsDown()) ScrollRows(false, code, static_cast<int>(pos));
}

void CToolbarPane::ScrollRows(bool vertical, UINT code, int thumb) {
  if (m_rows.empty()) return;
  const CBarSettings& settings = m_host.Settings();
  const int position =
      vertical ? settings.m_nVertScrollPos : settings.m_nHorzScrollPos;
  const RECT client = GetClientRect();
  const CButtonRow& first = *m_rows.front();
  const RECT firstRect = RowRect(m_hWnd, first);
  const SIZE pad = first.GetPadding();
  const SIZE cell = first.GetItemSize();
  int rowsLen = 0;
  for (const auto& row : m_rows) {
    const RECT rc = row->GetClientRect();
    rowsLen += vertical ? Height(rc) : Width(rc);
  }

  const qv::PaneScrollStep step = qv::StepPaneScroll(
      static_cast<int>(code), thumb, position, TotalLines(),
      vertical ? firstRect.top : firstRect.left, vertical ? cell.cy : cell.cx,
      vertical ? pad.cy : pad.cx, vertical ? Height(client) : Width(client),
      rowsLen);
  if (!step.moved) return;

  int lead = step.firstTop;
  for (auto& row : m_rows) {
    const RECT rc = RowRect(m_hWnd, *row);
    if (vertical) {
      ::MoveWindow(*row, firstRect.left, lead, Width(rc), Height(rc), TRUE);
      lead += pad.cy + Height(rc);
    } else {
      ::MoveWindow(*row, lead, firstRect.top, Width(rc), Height(rc), TRUE);
      lead += pad.cx + Width(rc);
    }
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

void CToolbarPane::OnButtonClick(const NMHDR* hdr, int rightClick) {
  POINT screen{};
  ::GetCursorPos(&screen);
  const int rowIndex = FindRowById(static_cast<int>(hdr->idFrom));
  if (rowIndex < 0) return;
  CButtonRow& row = *m_rows[rowIndex];
  TCHITTESTINFO hit{screen, 0};
  ::ScreenToClient(row, &hit.pt);
  const int button =
      qv::ClickedButton(static_cast<int>(row.SendMessage(
                            TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))),
                        row.GetClickedButton(), rightClick != 0);
  if (button < 0) return;
  OpenButton(static_cast<int>(hdr->idFrom), button, screen, rightClick);
}

void CToolbarPane::OpenButton(int k, int button, POINT screen, int rightClick) {
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
  SFGAOF attributes = SFGAO_HASSUBFOLDER | SFGAO_FOLDER;
  if (FAILED(folder->GetAttributesOf(1, &item, &attributes))) attributes = 0;
  folder.Reset();

  if (qv::OpensItem((attributes & SFGAO_FOLDER) != 0,
                    settings.m_bBrowseSeparate)) {
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
  TCHITTESTINFO hit{pt, 0};
  const int button = static_cast<int>(
      row->SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  const ToolbarButton* pointed = ButtonAt(row->GetDlgCtrlID(), button);
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
  ::SendMessageA(::GetParent(m_hWnd), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(screen.x, screen.y));
}

void CToolbarPane::OnBarCommand(UINT id) {
  ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
