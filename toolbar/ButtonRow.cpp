// toolbar/ButtonRow.cpp: the button row. The underlying tab control holds
// no items: a tab control lays all its items out again on every insertion,
// which made filling a long row quadratic, so the records here are the only
// list and the row answers for it.
#include "toolbar/ButtonRow.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/ImageList.h"
#include "framework/portable/DpiScale.h"
#include "toolbar/ButtonFont.h"

namespace {

// Where the icon sits inside its frame, and the text's margins, at 96 DPI.
constexpr int kIconLeft = 4;
constexpr int kIconTop = 3;
constexpr int kTextGap = 2;
constexpr int kTextMargin = 4;

RECT ToRect(const qv::CellBox& b) { return {b.left, b.top, b.right, b.bottom}; }
qv::CellBox ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void FillSolid(HDC dc, int x, int y, int cx, int cy, COLORREF color) {
  ::SetBkColor(dc, color);
  RECT r{x, y, x + cx, y + cy};
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// A one-pixel frame lit from the top left.
void Draw3dRect(HDC dc, const RECT& r, int topLeft, int bottomRight) {
  const int cx = r.right - r.left;
  const int cy = r.bottom - r.top;
  const COLORREF light = ::GetSysColor(topLeft);
  const COLORREF dark = ::GetSysColor(bottomRight);
  FillSolid(dc, r.left, r.top, cx - 1, 1, light);
  FillSolid(dc, r.left, r.top, 1, cy - 1, light);
  FillSolid(dc, r.right - 1, r.top, 1, cy, dark);
  FillSolid(dc, r.left, r.bottom - 1, cx, 1, dark);
}

// The id of a row's one tool in the shared tooltip.
constexpr UINT_PTR kRowToolId = 1;

TTTOOLINFOA ToolInfo(HWND row, UINT_PTR id) {
  TTTOOLINFOA info{};
  // The version-2 size is understood by every version of the control.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = row;
  info.uId = id;
  return info;
}

}  // namespace

qv::CellKind RowItem::Kind() const {
  if (mask & ITEM_NEWLINE) return qv::CellKind::kLineBreak;
  if (mask & ITEM_SPACE) return qv::CellKind::kSpace;
  return qv::CellKind::kButton;
}

BEGIN_MESSAGE_MAP(CButtonRow, qv::CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_KEYDOWN()
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(TCM_INSERTITEMA, OnInsertItem)
ON_MESSAGE(TCM_GETITEMA, OnGetItem)
ON_MESSAGE(TCM_GETITEMCOUNT, OnGetItemCount)
ON_MESSAGE(TCM_DELETEITEM, OnDeleteItem)
ON_MESSAGE(TCM_DELETEALLITEMS, OnDeleteAllItems)
ON_MESSAGE(TCM_GETITEMRECT, OnGetItemRect)
ON_MESSAGE(TCM_HITTEST, OnHitTest)
ON_MESSAGE(TCM_SETITEMSIZE, OnSetItemSize)
ON_MESSAGE(TCM_SETPADDING, OnSetPadding)
END_MESSAGE_MAP()

CButtonRow::CButtonRow() = default;

// Destroyed here, while the whole object still handles its WM_DESTROY.
CButtonRow::~CButtonRow() { DestroyWindow(); }

BOOL CButtonRow::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&icc);
  qv::CreateArgs args;
  args.className = WC_TABCONTROLA;
  args.windowName = "";
  args.style = style;
  args.SetRect(rect);
  args.parent = parent;
  args.id = id;
  return CWnd::Create(args);
}

int CButtonRow::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  m_hFont = CreateButtonFont(m_nDpi);
  return 0;
}

void CButtonRow::SetDpi(int dpi) {
  if (dpi == m_nDpi) return;
  m_nDpi = dpi;
  if (m_hWnd) m_hFont = CreateButtonFont(dpi);
}

void CButtonRow::OnDestroy() {
  m_hFont.reset();
  // The tab control frees its placeholders as it goes; deleting them first
  // would lay the rest out again after each one.
  DeleteAllRecords();
  // The tooltip control is the bar's, shared by every row: the tab control
  // must not take it down with itself.
  SendMessage(TCM_SETTOOLTIPS);
  Default();
}

void CButtonRow::SetOrientation(int orientation) {
  m_nOrientation = orientation;
  Layout();
}

qv::RowGeometry CButtonRow::Geometry() const {
  qv::RowGeometry g;
  g.orientation = m_nOrientation;
  g.cxItem = m_cxItem;
  g.cyItem = m_cyItem;
  g.cxPad = m_cxPad;
  g.cyPad = m_cyPad;
  return g;
}

int CButtonRow::Available() const {
  const RECT rc = GetClientRect();
  return m_nOrientation == qv::kColumnsDown ? rc.bottom - rc.top
                                            : rc.right - rc.left;
}

std::vector<qv::CellKind> CButtonRow::Kinds() const {
  std::vector<qv::CellKind> kinds;
  kinds.reserve(m_items.size());
  for (const auto& item : m_items) kinds.push_back(item->Kind());
  return kinds;
}

SIZE CButtonRow::GetExtent(int width, int height) const {
  const auto kinds = Kinds();
  const qv::RowSize size =
      qv::NeededRowSize(Geometry(), width, height, kinds.data(), kinds.size());
  return {size.cx, size.cy};
}

int CButtonRow::CountLines() const {
  const auto kinds = Kinds();
  return qv::CountCellLines(Geometry(), Available(), kinds.data(),
                            kinds.size());
}

qv::Tooltip CButtonRow::Tooltip() const {
  return qv::Tooltip(reinterpret_cast<HWND>(SendMessage(TCM_GETTOOLTIPS)));
}

void CButtonRow::RemoveTool() {
  const qv::Tooltip tooltip = Tooltip();
  // A tooltip already destroyed took its tools with it.
  if (!tooltip || !::IsWindow(tooltip.get())) return;
  tooltip.DelTool(ToolInfo(m_hWnd, kRowToolId));
}

void CButtonRow::PointToolAt(int index) {
  const qv::Tooltip tooltip = Tooltip();
  if (!tooltip || !::IsWindow(tooltip.get())) return;
  TTTOOLINFOA info = ToolInfo(m_hWnd, kRowToolId);
  if (IsIndex(static_cast<size_t>(index)) && m_items[index]->IsButton())
    info.rect = m_items[index]->rect;
  info.lpszText = LPSTR_TEXTCALLBACKA;
  // Adding again replaces nothing: the tool is made once and moved after.
  TTTOOLINFOA existing = ToolInfo(m_hWnd, kRowToolId);
  if (!::SendMessageA(tooltip.get(), TTM_GETTOOLINFOA, 0,
                      reinterpret_cast<LPARAM>(&existing))) {
    tooltip.AddTool(info);
    return;
  }
  ::SendMessageA(tooltip.get(), TTM_NEWTOOLRECTA, 0,
                 reinterpret_cast<LPARAM>(&info));
  // A tip shown for the former button goes, so the next one asks for its
  // own name.
  ::SendMessageA(tooltip.get(), TTM_POP, 0, 0);
}

void CButtonRow::Layout(size_t first, bool appended) {
  if (!m_hWnd) return;
  const size_t count = m_items.size();
  if (first < count) {
    const auto kinds = Kinds();
    std::vector<qv::CellBox> boxes(count);
    if (first > 0) boxes[first - 1] = ToBox(m_items[first - 1]->rect);
    qv::LayOutCells(Geometry(), Available(), kinds.data(), boxes.data(), first,
                    count);

    for (size_t i = first; i < count; ++i) m_items[i]->rect = ToRect(boxes[i]);
  }
  // The cells moved: the tool follows the mouse again from its next move.
  m_nHovered = -1;
  PointToolAt(-1);
  // One appended record repaints just its cell, so that appending one at a
  // time does not repaint every earlier button each time.
  if (appended && first + 1 == count)
    ::InvalidateRect(m_hWnd, &m_items[count - 1]->rect, TRUE);
  else
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  ::UpdateWindow(m_hWnd);
}

void CButtonRow::AddButtons(const ToolbarButtons& buttons, bool withNames) {
  const size_t first = m_items.size();
  m_bAdding = true;
  for (const ToolbarButton& button : buttons) {
    TCITEMA item{};
    switch (button.kind) {
      case ToolbarButton::Kind::kSpace:
        item.mask = ITEM_SPACE;
        break;
      case ToolbarButton::Kind::kNewLine:
        item.mask = ITEM_NEWLINE;
        break;
      case ToolbarButton::Kind::kItem:
        item.mask = withNames ? TCIF_IMAGE | TCIF_TEXT : TCIF_IMAGE;
        item.pszText = const_cast<char*>(button.name.c_str());
        item.cchTextMax = kItemTextMax;
        item.iImage = button.image;
        break;
    }
    SendMessage(TCM_INSERTITEMA, GetItemCount(),
                reinterpret_cast<LPARAM>(&item));
  }
  m_bAdding = false;
  // One layout for all of them: each lays out in an O(n) pass.
  Layout(first, true);
}

LRESULT CButtonRow::OnInsertItem(WPARAM index, LPARAM lParam) {
  const auto* given = reinterpret_cast<const TCITEMA*>(lParam);
  if (!given || index > m_items.size()) return -1;

  // The record is complete before the tab control inserts its placeholder,
  // so a failure on either side leaves both lists as they were.
  auto record = std::make_unique<RowItem>();
  record->mask = given->mask;
  if (record->IsButton()) {
    if (given->mask & TCIF_TEXT) {
      const int max = std::max(given->cchTextMax, 0);
      record->text.reset(new (std::nothrow) char[max + 1]);
      if (!record->text) return -1;
      size_t length = 0;
      if (given->pszText)
        while (length < static_cast<size_t>(max) && given->pszText[length])
          ++length;
      if (length) std::memcpy(record->text.get(), given->pszText, length);
      record->text[length] = '\0';
      record->textMax = given->cchTextMax;
    }
    if (given->mask & TCIF_IMAGE) record->image = given->iImage;
    if (given->mask & TCIF_PARAM) record->param = given->lParam;
  }

  const auto at = static_cast<LRESULT>(index);
  const bool appending = index == m_items.size();
  m_items.insert(m_items.begin() + at, std::move(record));
  if (m_nPressed >= at) ++m_nPressed;
  if (m_nFocusMark >= at) ++m_nFocusMark;
  if (!m_bAdding) Layout(at, appending);
  return at;
}

LRESULT CButtonRow::OnGetItem(WPARAM index, LPARAM lParam) {
  auto* out = reinterpret_cast<TCITEMA*>(lParam);
  if (!out || !IsIndex(index)) return 0;
  const RowItem& item = *m_items[index];
  const UINT asked = out->mask;
  out->mask = item.mask;
  out->iImage = -1;
  out->lParam = 0;
  if (!item.IsButton()) return 1;
  // cchTextMax is the caller's buffer size, terminator included.
  if ((asked & item.mask & TCIF_TEXT) && item.text && out->pszText &&
      out->cchTextMax > 0)
    ::lstrcpynA(out->pszText, item.text.get(), out->cchTextMax);
  if (asked & item.mask & TCIF_IMAGE) out->iImage = item.image;
  if (asked & item.mask & TCIF_PARAM) out->lParam = item.param;
  return 1;
}

LRESULT CButtonRow::OnGetItemCount(WPARAM, LPARAM) {
  return static_cast<LRESULT>(m_items.size());
}

LRESULT CButtonRow::OnDeleteItem(WPARAM index, LPARAM) {
  if (!IsIndex(index)) return 0;
  m_items.erase(m_items.begin() + index);
  const int removed = static_cast<int>(index);
  if (m_nPressed == removed) {
    m_nPressed = -1;
  } else if (m_nPressed > removed) {
    --m_nPressed;
  }
  if (m_nFocusMark == removed) {
    m_nFocusMark = -1;
  } else if (m_nFocusMark > removed) {
    --m_nFocusMark;
  }
  Layout(index);
  return 1;
}

LRESULT CButtonRow::OnDeleteAllItems(WPARAM, LPARAM) {
  DeleteAllRecords();
  Layout();
  return 1;
}

void CButtonRow::DeleteAllRecords() {
  RemoveTool();
  while (!m_items.empty()) m_items.pop_back();
  m_nPressed = -1;
  m_nFocusMark = -1;
}

LRESULT CButtonRow::OnGetItemRect(WPARAM index, LPARAM lParam) {
  auto* out = reinterpret_cast<RECT*>(lParam);
  if (!out || !IsIndex(index)) return 0;
  *out = m_items[index]->rect;
  return 1;
}

int CButtonRow::HitRecord(POINT pt) const {
  std::vector<qv::CellBox> boxes;
  boxes.reserve(m_items.size());
  for (const auto& item : m_items) boxes.push_back(ToBox(item->rect));
  return qv::HitTestCells(boxes.data(), boxes.size(), pt.x, pt.y);
}

LRESULT CButtonRow::OnHitTest(WPARAM, LPARAM lParam) {
  auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
  if (!info) return -1;
  const int hit = HitRecord(info->pt);
  if (hit < 0 || !m_items[hit]->IsButton()) {
    info->flags = TCHT_NOWHERE;
    return -1;
  }
  info->flags = TCHT_ONITEM;
  return hit;
}

LRESULT CButtonRow::OnSetItemSize(WPARAM, LPARAM size) {
  const LRESULT previous = MAKELONG(m_cxItem, m_cyItem);
  m_cxItem = LOWORD(size);
  m_cyItem = HIWORD(size);
  Layout();
  return previous;
}

LRESULT CButtonRow::OnSetPadding(WPARAM, LPARAM padding) {
  m_cxPad = LOWORD(padding);
  m_cyPad = HIWORD(padding);
  return 0;
}

void CButtonRow::OnSize(UINT, int, int) { Layout(); }

LRESULT CButtonRow::OnNcHitTest(POINT screenPt) {
  POINT pt = screenPt;
  ::ScreenToClient(m_hWnd, &pt);
  const int hit = HitRecord(pt);
  // Empty space, gaps and line breaks belong to the pane behind the row.
  return hit >= 0 && m_items[hit]->IsButton() ? HTCLIENT : HTTRANSPARENT;
}

LRESULT CButtonRow::OnGetDlgCode(WPARAM, LPARAM) { return 0; }

void CButtonRow::OnKeyDown(UINT, UINT, UINT) {}

void CButtonRow::RepaintCell(int index) {
  if (index < 0 || !IsIndex(index)) return;
  ::InvalidateRect(m_hWnd, &m_items[index]->rect, TRUE);
  ::UpdateWindow(m_hWnd);
}

void CButtonRow::SetFocusMark(int index) {
  const int shown = IsButtonAt(index) ? index : -1;
  if (shown == m_nFocusMark) return;
  const int former = m_nFocusMark;
  m_nFocusMark = shown;
  RepaintCell(former);
  RepaintCell(shown);
}

void CButtonRow::OnLButtonDown(UINT, POINT pt) {
  const int hit = HitRecord(pt);
  if (hit < 0 || !m_items[hit]->IsButton()) return;
  m_nPressed = hit;
  ::SetCapture(m_hWnd);
  RepaintCell(hit);
}

void CButtonRow::OnLButtonUp(UINT, POINT) {
  const int pressed = m_nPressed;
  m_nPressed = -1;
  RepaintCell(pressed);
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  // A release without a press of ours (the press was on another window, or
  // the capture was taken away meanwhile) clicks nothing.
  if (pressed < 0 || !IsIndex(pressed)) return;
  m_nClicked = pressed;
  // Wherever the button is released, the pressed button is clicked. The
  // parent may run a nested loop: nothing of this object is used after.
  NMHDR hdr{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()),
            static_cast<UINT>(NM_CLICK)};
  ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom,
                 reinterpret_cast<LPARAM>(&hdr));
}

// The first click of a double click has opened the item already; the second
// press opens nothing more.
void CButtonRow::OnLButtonDblClk(UINT, POINT) {}

void CButtonRow::OnRButtonUp(UINT, POINT) {
  // The parent may run a nested loop (a shell menu): nothing of this object
  // is used after.
  NMHDR hdr{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()),
            static_cast<UINT>(NM_RCLICK)};
  ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom,
                 reinterpret_cast<LPARAM>(&hdr));
}

void CButtonRow::OnCaptureChanged(HWND newCapture) {
  if (newCapture == m_hWnd || m_nPressed < 0) return;
  // The press was cancelled (a menu or another window took the mouse): the
  // next release here must not click.
  const int pressed = m_nPressed;
  m_nPressed = -1;
  RepaintCell(pressed);
}

void CButtonRow::OnMouseMove(UINT flags, POINT pt) {
  const qv::Tooltip tooltip = Tooltip();
  if (!tooltip) return;
  // One tool per row, over the button under the mouse: registering a tool
  // per button made filling a long row slow.
  const int hit = HitRecord(pt);
  const int hovered = hit >= 0 && m_items[hit]->IsButton() ? hit : -1;
  if (hovered != m_nHovered) {
    m_nHovered = hovered;
    PointToolAt(hovered);
  }
  MSG msg{};
  msg.hwnd = m_hWnd;
  msg.message = WM_MOUSEMOVE;
  msg.wParam = flags;
  msg.lParam = MAKELPARAM(pt.x, pt.y);
  msg.time = ::GetMessageTime();
  ::GetCursorPos(&msg.pt);
  tooltip.RelayEvent(msg);
}

void CButtonRow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  if (dc) {
    const qv::ImageList images(
        reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST)));
    const bool captured = ::GetCapture() == m_hWnd;
    for (size_t i = 0; i < m_items.size(); ++i) {
      const RowItem& item = *m_items[i];
      if (!item.IsButton() || !::RectVisible(dc, &item.rect)) continue;
      PaintButton(dc, item, captured && static_cast<int>(i) == m_nPressed,
                  static_cast<int>(i) == m_nFocusMark, images);
    }
  }
  ::EndPaint(m_hWnd, &ps);
}

void CButtonRow::PaintButton(HDC dc, const RowItem& item, bool pressed,
                             bool focused, const qv::ImageList& images) {
  const RECT& r = item.rect;
  int x = r.left + qv::ScaleForDpi(kIconLeft, m_nDpi);
  int y = r.top + qv::ScaleForDpi(kIconTop, m_nDpi);
  const COLORREF oldBk = ::GetBkColor(dc);
  RECT inner = r;
  ::InflateRect(&inner, -1, -1);
  if (pressed) {
    Draw3dRect(dc, r, COLOR_WINDOWFRAME, COLOR_BTNHIGHLIGHT);
    Draw3dRect(dc, inner, COLOR_BTNSHADOW, COLOR_BTNFACE);
    ++x;
    ++y;
  } else {
    Draw3dRect(dc, r, COLOR_BTNHIGHLIGHT, COLOR_WINDOWFRAME);
    Draw3dRect(dc, inner, COLOR_BTNFACE, COLOR_BTNSHADOW);
  }
  ::SetBkColor(dc, oldBk);
  if (focused) {
    RECT mark = r;
    ::InflateRect(&mark, -3, -3);
    ::DrawFocusRect(dc, &mark);
  }

  int imageWidth = 0;
  IMAGEINFO info{};
  if (images.GetImageInfo(item.image, &info))
    imageWidth = info.rcImage.right - info.rcImage.left;
  if (images && item.image >= 0) {
    if (m_nIconSize > 0 && m_nIconSize != imageWidth) {
      // The list's icons are of another size than the DPI calls for.
      const qv::UniqueHIcon icon(
          ::ImageList_GetIcon(images.get(), item.image, ILD_TRANSPARENT));
      if (icon)
        ::DrawIconEx(dc, x, y, icon.get(), m_nIconSize, m_nIconSize, 0, nullptr,
                     DI_NORMAL);
    } else {
      images.Draw(item.image, dc, x, y, ILD_TRANSPARENT);
    }
  }
  if (m_nIconSize > 0 && imageWidth > 0) imageWidth = m_nIconSize;

  if (!(item.mask & TCIF_TEXT) || !item.text) return;
  const int margin = qv::ScaleForDpi(kTextMargin, m_nDpi);
  RECT textRect{x + imageWidth + qv::ScaleForDpi(kTextGap, m_nDpi), y,
                r.right - margin, r.bottom - margin};
  const char* text = item.text.get();
  const int length = static_cast<int>(std::strlen(text));

  qv::SelectScope font(dc, m_hFont.get());
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  SIZE extent{};
  ::GetTextExtentPoint32A(dc, text, length, &extent);
  // Names longer than the cell are cut at its edge; the tooltip shows them
  // whole.
  const int top = y + (r.bottom - margin - y) / 2 - extent.cy / 2;
  ::ExtTextOutA(dc, textRect.left, top, ETO_CLIPPED, &textRect, text, length,
                nullptr);
  ::SetBkMode(dc, oldMode);
}
