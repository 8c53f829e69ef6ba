// toolbar/ButtonRow.cpp: the button row. The underlying tab control holds
// no items (it would lay them all out again on every insertion); the row
// reads its toolbar's buttons and keeps only their cells.
#include "toolbar/ButtonRow.h"

#include <algorithm>
#include <cstdlib>

#include "framework/ImageList.h"
#include "framework/SystemLook.h"
#include "framework/portable/DpiScale.h"
#include "toolbar/ButtonFont.h"
#include "toolbar/IconSprites.h"

namespace {

// Where the icon sits inside its frame, and the text's margins, at 96 DPI.
constexpr int kIconLeft = 4;
constexpr int kIconTop = 3;
constexpr int kTextGap = 2;
constexpr int kTextMargin = 4;

RECT ToRect(const qv::CellBox& b) { return {b.left, b.top, b.right, b.bottom}; }

qv::CellKind KindOf(const ToolbarButton& button) {
  switch (button.kind) {
    case ToolbarButton::Kind::kSpace:
      return qv::CellKind::kSpace;
    case ToolbarButton::Kind::kNewLine:
      return qv::CellKind::kLineBreak;
    case ToolbarButton::Kind::kItem:
      break;
  }
  return qv::CellKind::kButton;
}

void FillSolid(HDC dc, int x, int y, int cx, int cy, COLORREF color) {
  ::SetBkColor(dc, color);
  RECT r{x, y, x + cx, y + cy};
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// A one-pixel frame lit from the top left.
void Draw3dRect(HDC dc, const RECT& r, COLORREF light, COLORREF dark) {
  const int cx = r.right - r.left;
  const int cy = r.bottom - r.top;
  FillSolid(dc, r.left, r.top, cx - 1, 1, light);
  FillSolid(dc, r.left, r.top, 1, cy - 1, light);
  FillSolid(dc, r.right - 1, r.top, 1, cy, dark);
  FillSolid(dc, r.left, r.bottom - 1, cx, 1, dark);
}

// The insertion mark: its one colour and its width at 96 DPI.
constexpr int kInsertionMarkColor = COLOR_WINDOWTEXT;
constexpr int kInsertionMarkWidth = 2;

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

BEGIN_MESSAGE_MAP(CButtonRow, qv::CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
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
ON_MESSAGE(TCM_GETITEMCOUNT, OnGetItemCount)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

// The classic colours until the pane gives its palette.
CButtonRow::CButtonRow()
    : m_palette(qv::LightPalette(qv::SystemLook().Colors())) {}

void CButtonRow::SetPalette(const qv::Palette& palette) {
  m_palette = palette;
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CButtonRow::OnEraseBkgnd(HDC dc) {
  const RECT rc = GetClientRect();
  const COLORREF oldBk = ::GetBkColor(dc);
  FillSolid(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
            m_palette.background);
  ::SetBkColor(dc, oldBk);
  return TRUE;
}

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
  // A screen reader still holding the row's object must not reach it.
  m_accessible.Disconnect();
  RemoveTool();
  m_hFont.reset();
  m_buttons = nullptr;
  m_cells.clear();
  Default();
}

void CButtonRow::Show(const ToolbarButtons* buttons, bool withNames) {
  m_buttons = buttons;
  m_bNames = withNames;
  m_nPressed = -1;
  m_nFocusMark = -1;
  m_nInsertionMark = -1;
  m_nDropHighlight = -1;
  Layout();
}

void CButtonRow::SetTooltip(HWND tooltip) {
  if (tooltip == m_hTooltip) return;
  RemoveTool();
  m_hTooltip = tooltip;
  m_nHovered = -1;
  PointToolAt(-1);
}

void CButtonRow::SetImages(HIMAGELIST images, qv::IconSprites* sprites) {
  if (images == m_hImages && sprites == m_sprites) return;
  m_hImages = images;
  m_sprites = sprites;
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CButtonRow::SetCellSize(int cx, int cy) {
  m_cxItem = cx;
  m_cyItem = cy;
  Layout();
}

void CButtonRow::SetOrientation(int orientation) {
  m_nOrientation = orientation;
  Layout();
}

size_t CButtonRow::Count() const {
  return m_buttons ? std::min(m_buttons->size(), m_cells.size()) : 0;
}

int CButtonRow::GetItemCount() const { return static_cast<int>(Count()); }

bool CButtonRow::IsButtonAt(int index) const {
  return index >= 0 && static_cast<size_t>(index) < Count() &&
         Entry(index).kind == ToolbarButton::Kind::kItem;
}

RECT CButtonRow::GetCellRect(int index) const {
  return index >= 0 && static_cast<size_t>(index) < Count()
             ? ToRect(m_cells[index])
             : RECT{};
}

int CButtonRow::HitTest(POINT pt) const {
  const int hit = qv::HitTestCells(m_cells.data(), Count(), pt.x, pt.y);
  return IsButtonAt(hit) ? hit : -1;
}

qv::RowGeometry CButtonRow::Geometry() const {
  qv::RowGeometry g;
  g.orientation = m_nOrientation;
  g.cxItem = m_cxItem;
  g.cyItem = m_cyItem;
  g.cxPad = kCellPad;
  g.cyPad = kCellPad;
  return g;
}

int CButtonRow::Available() const {
  const RECT rc = GetClientRect();
  return m_nOrientation == qv::kColumnsDown ? rc.bottom - rc.top
                                            : rc.right - rc.left;
}

std::vector<qv::CellKind> CButtonRow::Kinds() const {
  std::vector<qv::CellKind> kinds;
  if (!m_buttons) return kinds;
  kinds.reserve(m_buttons->size());
  for (const ToolbarButton& button : *m_buttons)
    kinds.push_back(KindOf(button));
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

qv::Tooltip CButtonRow::Tooltip() const { return qv::Tooltip(m_hTooltip); }

void CButtonRow::RemoveTool() {
  const qv::Tooltip tooltip = Tooltip();
  // A tooltip already destroyed took its tools with it.
  if (!tooltip || !::IsWindow(tooltip.get())) return;
  tooltip.DelTool(ToolInfo(m_hWnd, kRowToolId));
}

void CButtonRow::PointToolAt(int index) {
  const qv::Tooltip tooltip = Tooltip();
  if (!m_hWnd || !tooltip || !::IsWindow(tooltip.get())) return;
  TTTOOLINFOA info = ToolInfo(m_hWnd, kRowToolId);
  if (IsButtonAt(index)) info.rect = ToRect(m_cells[index]);
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

void CButtonRow::Layout() {
  if (!m_hWnd) return;
  const auto kinds = Kinds();
  m_cells.assign(kinds.size(), qv::CellBox{});
  qv::LayOutCells(Geometry(), Available(), kinds.data(), m_cells.data(), 0,
                  kinds.size());
  // The cells moved: the tool follows the mouse again from its next move.
  m_nHovered = -1;
  PointToolAt(-1);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CButtonRow::OnGetItemCount(WPARAM, LPARAM) {
  return static_cast<LRESULT>(Count());
}

void CButtonRow::OnSize(UINT, int, int) { Layout(); }

LRESULT CButtonRow::OnNcHitTest(POINT screenPt) {
  POINT pt = screenPt;
  ::ScreenToClient(m_hWnd, &pt);
  // Empty space, gaps and line breaks belong to the pane behind the row.
  return HitTest(pt) >= 0 ? HTCLIENT : HTTRANSPARENT;
}

LRESULT CButtonRow::OnGetDlgCode(WPARAM, LPARAM) { return 0; }

void CButtonRow::OnKeyDown(UINT, UINT, UINT) {}

void CButtonRow::RepaintCell(int index) {
  RedrawButton(index);
  ::UpdateWindow(m_hWnd);
}

void CButtonRow::RedrawButton(int index) {
  if (index < 0 || static_cast<size_t>(index) >= Count()) return;
  const RECT cell = ToRect(m_cells[index]);
  ::InvalidateRect(m_hWnd, &cell, TRUE);
}

void CButtonRow::SetFocusMark(int index) {
  const int shown = IsButtonAt(index) ? index : -1;
  if (shown == m_nFocusMark) return;
  const int former = m_nFocusMark;
  m_nFocusMark = shown;
  RepaintCell(former);
  RepaintCell(shown);
}

qv::RowDropZone CButtonRow::DropZoneAt(POINT pt) const {
  const auto kinds = Kinds();
  return qv::FindRowDropZone(m_nOrientation, kinds.data(), m_cells.data(),
                             Count(), pt.x, pt.y);
}

qv::CellBox CButtonRow::InsertionMark(int before) const {
  const auto kinds = Kinds();
  return qv::InsertionMarkBox(m_nOrientation, kinds.data(), m_cells.data(),
                              Count(), before,
                              qv::ScaleForDpi(kInsertionMarkWidth, m_nDpi));
}

void CButtonRow::RepaintBox(const qv::CellBox& box) {
  const RECT r = ToRect(box);
  if (::IsRectEmpty(&r)) return;
  ::InvalidateRect(m_hWnd, &r, TRUE);
  ::UpdateWindow(m_hWnd);
}

void CButtonRow::SetInsertionMark(int before) {
  if (before == m_nInsertionMark) return;
  const qv::CellBox former = InsertionMark(m_nInsertionMark);
  m_nInsertionMark = before;
  RepaintBox(former);
  RepaintBox(InsertionMark(before));
}

void CButtonRow::SetDropHighlight(int index) {
  const int shown = IsButtonAt(index) ? index : -1;
  if (shown == m_nDropHighlight) return;
  const int former = m_nDropHighlight;
  m_nDropHighlight = shown;
  RepaintCell(former);
  RepaintCell(shown);
}

bool CButtonRow::PastDragDistance(POINT pt) const {
  // The drag rectangle is centred on the press, as DragDetect's is.
  const int cx = ::GetSystemMetrics(SM_CXDRAG);
  const int cy = ::GetSystemMetrics(SM_CYDRAG);
  return std::abs(pt.x - m_ptPress.x) > cx / 2 ||
         std::abs(pt.y - m_ptPress.y) > cy / 2;
}

void CButtonRow::BeginDrag() {
  const int pressed = m_nPressed;
  m_nPressed = -1;
  RepaintCell(pressed);
  // The drag loop takes the mouse itself.
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  // The parent runs the drag's loop: nothing of this object is used after.
  NMROWDRAG notice{
      {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), RN_BEGINDRAG}, pressed};
  ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, notice.hdr.idFrom,
                 reinterpret_cast<LPARAM>(&notice));
}

void CButtonRow::OnLButtonDown(UINT, POINT pt) {
  const int hit = HitTest(pt);
  if (hit < 0) return;
  m_ptPress = pt;
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
  if (pressed < 0 || static_cast<size_t>(pressed) >= Count()) return;
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
  if (m_nPressed >= 0 && (flags & MK_LBUTTON) && ::GetCapture() == m_hWnd &&
      PastDragDistance(pt)) {
    BeginDrag();
    return;
  }
  const qv::Tooltip tooltip = Tooltip();
  if (!tooltip) return;
  // One tool per row, over the button under the mouse: registering a tool
  // per button made filling a long row slow.
  const int hovered = HitTest(pt);
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
    const qv::ImageList images(m_hImages);
    const bool captured = ::GetCapture() == m_hWnd;
    for (size_t i = 0; i < Count(); ++i) {
      const RECT cell = ToRect(m_cells[i]);
      if (!IsButtonAt(static_cast<int>(i)) || !::RectVisible(dc, &cell))
        continue;
      const int index = static_cast<int>(i);
      PaintButton(
          dc, Entry(i), cell,
          (captured && index == m_nPressed) || index == m_nDropHighlight,
          index == m_nFocusMark, images);
    }
    const RECT mark = ToRect(InsertionMark(m_nInsertionMark));
    if (!::IsRectEmpty(&mark)) {
      const COLORREF oldBk = ::GetBkColor(dc);
      FillSolid(dc, mark.left, mark.top, mark.right - mark.left,
                mark.bottom - mark.top, ::GetSysColor(kInsertionMarkColor));
      ::SetBkColor(dc, oldBk);
    }
  }
  ::EndPaint(m_hWnd, &ps);
}

void CButtonRow::PaintButton(HDC dc, const ToolbarButton& button, const RECT& r,
                             bool pressed, bool focused,
                             const qv::ImageList& images) {
  int x = r.left + qv::ScaleForDpi(kIconLeft, m_nDpi);
  int y = r.top + qv::ScaleForDpi(kIconTop, m_nDpi);
  const COLORREF oldBk = ::GetBkColor(dc);
  RECT inner = r;
  ::InflateRect(&inner, -1, -1);
  const qv::Palette& p = m_palette;
  if (pressed) {
    Draw3dRect(dc, r, p.edgeFrame, p.edgeLight);
    Draw3dRect(dc, inner, p.edgeShadow, p.edgeFace);
    ++x;
    ++y;
  } else {
    Draw3dRect(dc, r, p.edgeLight, p.edgeFrame);
    Draw3dRect(dc, inner, p.edgeFace, p.edgeShadow);
  }
  ::SetBkColor(dc, oldBk);
  if (focused) {
    RECT mark = r;
    ::InflateRect(&mark, -3, -3);
    if (p.highContrast) {
      // Solid, two pixels, in the theme's highlight: a dotted XOR mark can
      // vanish on a high-contrast background.
      const qv::UniqueHBrush brush(::CreateSolidBrush(p.focus));
      ::FrameRect(dc, &mark, brush.get());
      ::InflateRect(&mark, -1, -1);
      ::FrameRect(dc, &mark, brush.get());
    } else {
      ::DrawFocusRect(dc, &mark);
    }
  }

  int imageWidth = 0;
  IMAGEINFO info{};
  if (images.GetImageInfo(button.image, &info))
    imageWidth = info.rcImage.right - info.rcImage.left;
  if (images && button.image >= 0) {
    if (m_nIconSize > 0 && m_nIconSize != imageWidth) {
      // The list's icons are of another size than the DPI calls for.
      const qv::UniqueHIcon icon(
          ::ImageList_GetIcon(images.get(), button.image, ILD_TRANSPARENT));
      if (icon)
        ::DrawIconEx(dc, x, y, icon.get(), m_nIconSize, m_nIconSize, 0, nullptr,
                     DI_NORMAL);
    } else {
      if (!m_sprites || !m_sprites->Draw(dc, button.image, x, y))
        images.Draw(button.image, dc, x, y, ILD_TRANSPARENT);
    }
  }
  if (m_nIconSize > 0 && imageWidth > 0) imageWidth = m_nIconSize;

  if (!m_bNames || button.name.empty()) return;
  const int margin = qv::ScaleForDpi(kTextMargin, m_nDpi);
  RECT textRect{x + imageWidth + qv::ScaleForDpi(kTextGap, m_nDpi), y,
                r.right - margin, r.bottom - margin};
  const char* text = button.name.c_str();
  const int length = static_cast<int>(button.name.size());

  qv::SelectScope font(dc, m_hFont.get());
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldText = ::SetTextColor(dc, m_palette.text);
  SIZE extent{};
  ::GetTextExtentPoint32A(dc, text, length, &extent);
  // Names longer than the cell are cut at its edge; the tooltip shows them
  // whole.
  const int top = y + (r.bottom - margin - y) / 2 - extent.cy / 2;
  ::ExtTextOutA(dc, textRect.left, top, ETO_CLIPPED, &textRect, text, length,
                nullptr);
  ::SetTextColor(dc, oldText);
  ::SetBkMode(dc, oldMode);
}
