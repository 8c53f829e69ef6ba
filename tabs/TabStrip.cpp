// tabs/TabStrip.cpp: the tab strip's window: fonts, size, painting and the
// mouse.
#include "tabs/TabStrip.h"

#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "framework/portable/DpiScale.h"
#include "framework/SystemLook.h"
#include "tabs/TabPainter.h"

namespace {

RECT ToRect(const qv::TabRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

BEGIN_MESSAGE_MAP(CTabStrip, qv::CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_RBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_DESTROY()
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

// The classic colours until the bar gives its palette.
CTabStrip::CTabStrip() : m_colors(qv::LightPalette(qv::SystemLook().Colors())) {
  // The arrow bitmaps are shared by every strip for the life of the process.
  TabArrowBitmap(qv::kTabsHorizontal);
}

BOOL CTabStrip::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  const char* cls = qv::RegisterWindowClass(
      CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)),
      nullptr);
  if (!cls) return FALSE;
  qv::CreateArgs args;
  args.className = cls;
  args.style = style;
  args.SetRect(rect);
  args.parent = parent;
  args.id = id;
  return CWnd::Create(args);
}

int CTabStrip::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  CreateFonts();
  return 0;
}

void CTabStrip::CreateFonts() {
  // Double-byte systems keep the DC's own font, which can show their text.
  if (m_hFontHorz || qv::IsDoubleByteSystem()) return;
  // At 96 DPI, as the rest of the strip's layout: painting scales it all.
  auto make = [](const char* face, int points, int escapement) {
    // Glyphs turn with the baseline only when both angles agree.
    return qv::UniqueHFont(::CreateFontA(
        -::MulDiv(points, qv::kBaseDpi, 72), 0, escapement, escapement,
        FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face));
  };
  m_hFontHorz = make("MS Sans Serif", 8, 0);
  m_hFontUp = make("Arial", 8, 900);
  m_hFontDown = make("Arial", 8, 2700);
}

HFONT CTabStrip::DrawingFont() const {
  switch (m_nOrientation) {
    case qv::kTabsRightEdge:
      return m_hFontDown.get();
    case qv::kTabsLeftEdge:
      return m_hFontUp.get();
    default:
      return m_hFontHorz.get();
  }
}

void CTabStrip::SetDpi(int dpi) {
  if (dpi == m_nDpi) return;
  m_nDpi = dpi;
  Invalidate(nullptr, true);
}

int CTabStrip::Thickness() const {
  return qv::ScaleForDpi(qv::kStripThickness, m_nDpi);
}

void CTabStrip::SetPalette(const qv::Palette& palette) {
  m_colors = TabColors(palette);
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CTabStrip::HitTest(POINT pt) const {
  return HitTest(qv::TabPoint{qv::ScaleBetween(pt.x, m_nDpi, qv::kBaseDpi),
                              qv::ScaleBetween(pt.y, m_nDpi, qv::kBaseDpi)});
}

qv::TabSize CTabStrip::ClientSize() const {
  const RECT rc = GetClientRect();
  return {qv::ScaleBetween(rc.right - rc.left, m_nDpi, qv::kBaseDpi),
          qv::ScaleBetween(rc.bottom - rc.top, m_nDpi, qv::kBaseDpi)};
}

int CTabStrip::MeasureText(const std::string& text) {
  // The two Arial fonts measure alike; each orientation uses its own.
  HFONT font = m_nOrientation == qv::kTabsHorizontal  ? m_hFontHorz.get()
               : m_nOrientation == qv::kTabsRightEdge ? m_hFontUp.get()
                                                      : m_hFontDown.get();
  qv::WindowDC screen(nullptr);
  if (!screen) return 0;
  qv::SelectScope selected(screen.get(), font);
  SIZE extent{};
  ::GetTextExtentPointA(screen.get(), text.c_str(),
                        static_cast<int>(text.size()), &extent);
  return extent.cx;
}

void CTabStrip::Invalidate(const qv::TabRect* rect, bool erase) {
  if (!m_hWnd) return;
  if (!rect) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
    return;
  }
  // In pixels, widened by one so that rounding loses no edge.
  RECT rc = ToRect(*rect);
  rc.left = qv::ScaleForDpi(rc.left, m_nDpi) - 1;
  rc.top = qv::ScaleForDpi(rc.top, m_nDpi) - 1;
  rc.right = qv::ScaleForDpi(rc.right, m_nDpi) + 1;
  rc.bottom = qv::ScaleForDpi(rc.bottom, m_nDpi) + 1;
  ::InvalidateRect(m_hWnd, &rc, erase);
}

std::intptr_t CTabStrip::Notify(int code) {
  NMHDR hdr{};
  hdr.hwndFrom = m_hWnd;
  hdr.idFrom = static_cast<UINT>(GetDlgCtrlID()) & 0xFFFF;
  hdr.code = static_cast<UINT>(code);
  // A screen reader reads the newly selected tab.
  if (code == qv::kTabSelChanged)
    ::NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hWnd, OBJID_CLIENT,
                     m_nCurSel + 1);
  return ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom,
                        reinterpret_cast<LPARAM>(&hdr));
}

void CTabStrip::OnSize(UINT, int cx, int cy) {
  Default();
  const qv::TabSize size = ClientSize();
  m_rectArrows = qv::ArrowsRect(m_nOrientation, size.cx, size.cy);
  // The resize below comes back here; it only moves the arrows.
  if (m_bInSize) return;
  m_bInSize = 1;
  ResetScroll();
  const bool horizontal = m_nOrientation == qv::kTabsHorizontal;
  ::SetWindowPos(m_hWnd, nullptr, 0, 0,
                 horizontal ? cx : qv::ScaleForDpi(m_nVertThickness, m_nDpi),
                 horizontal ? qv::ScaleForDpi(m_nHorzThickness, m_nDpi) : cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_bInSize = 0;
}

BOOL CTabStrip::OnEraseBkgnd(HDC dc) {
  // The parent's dialog background, so the strip blends into the bar.
  HWND parent = ::GetParent(m_hWnd);
  auto brush = reinterpret_cast<HBRUSH>(
      ::SendMessageA(parent, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(parent)));
  if (!brush) brush = ::GetSysColorBrush(COLOR_BTNFACE);
  const RECT rc = GetClientRect();
  ::FillRect(dc, &rc, brush);
  return TRUE;
}

void CTabStrip::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  if (!dc) return;
  ::SetBkMode(dc, TRANSPARENT);
  // Everything below is in the strip's 96-DPI units.
  const int oldMode = ::SetGraphicsMode(dc, GM_ADVANCED);
  const float scale = static_cast<float>(m_nDpi) / qv::kBaseDpi;
  const XFORM scaled{scale, 0, 0, scale, 0, 0};
  ::SetWorldTransform(dc, &scaled);
  const RECT wr = GetWindowRect();
  const int w = qv::ScaleBetween(wr.right - wr.left, m_nDpi, qv::kBaseDpi);
  const int h = qv::ScaleBetween(wr.bottom - wr.top, m_nDpi, qv::kBaseDpi);
  const bool arrows = ArrowsNeeded() != 0;

  if (!m_tabs.empty()) {
    const qv::TabStroke base =
        qv::BaseLine(m_nOrientation, w, h, arrows, m_tabs.back()->m_rect);
    DrawTabStrokes(dc, m_colors, &base, 1);
  }
  const int start = RunStart();
  HFONT font = DrawingFont();
  for (int i = 0; i < GetTabCount(); ++i) {
    if (i == m_nCurSel || !IsTabVisible(i, FALSE)) continue;
    DrawTab(*m_tabs[i], dc, font, m_colors, FALSE, i == 0, m_nOrientation,
            start);
  }
  // Last, so its white shape covers the ends of both neighbours.
  if (IsTabVisible(m_nCurSel, FALSE))
    DrawTab(*m_tabs[m_nCurSel], dc, font, m_colors, TRUE, TRUE, m_nOrientation,
            start);
  if (arrows) DrawArrows(dc);
  ::ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
  ::SetGraphicsMode(dc, oldMode);
  ::EndPaint(m_hWnd, &ps);
}

void CTabStrip::DrawArrows(HDC dc) {
  const int last = GetTabCount() - 1;
  const int frame =
      qv::ArrowFrame(m_nOrientation, IsTabVisible(0, TRUE) != 0,
                     IsTabVisible(last, TRUE) != 0, m_nPressed, m_bPressedOff);
  const bool horizontal = m_nOrientation == qv::kTabsHorizontal;
  const qv::TabRect& a = m_rectArrows;
  if (HBITMAP bitmap = m_colors.Arrows(m_nOrientation)) {
    qv::UniqueHdc memory(::CreateCompatibleDC(dc));
    if (memory) {
      qv::SelectScope select(memory.get(), bitmap);
      ::BitBlt(dc, a.left, a.top, a.right - a.left, a.bottom - a.top,
               memory.get(), horizontal ? qv::kArrowLength * frame : 0,
               horizontal ? 0 : qv::kArrowLength * frame, SRCCOPY);
    }
  }
  const qv::ArrowGroove groove = qv::MakeArrowGroove(m_nOrientation, a);
  DrawTabStrokes(dc, m_colors, groove.strokes, groove.strokeCount);
  if (groove.hasGreyFill) {
    const RECT fill = ToRect(groove.greyFill);
    ::FillRect(dc, &fill, m_colors.Groove());
  }
}

void CTabStrip::SetPressed(int code) {
  if (code == qv::kNoArrowHeld) {
    ::ReleaseCapture();
    StopRepeat();
    return;
  }
  if (code >= qv::kHitRightArrow && code <= qv::kHitUpArrow) {
    ::SetCapture(m_hWnd);
    ::SetTimer(m_hWnd, kRepeatTimer, kRepeatMs, nullptr);
    InvalidateTab(code);
  }
  m_nPressed = code;
  m_bPressedOff = 0;
}

void CTabStrip::StopRepeat() {
  ::KillTimer(m_hWnd, kRepeatTimer);
  InvalidateTab(m_nPressed);
  m_nPressed = qv::kNoArrowHeld;
  m_bPressedOff = 0;
}

void CTabStrip::OnLButtonDown(UINT, POINT pt) {
  const int code = HitTest(pt);
  if (code == qv::kHitNothing) return;
  if (code < 0) {
    if (!CanScroll(code)) return;
    Scroll(code);
    SetPressed(code);
  } else if (code == m_nCurSel) {
    // The focus stays where it is: the strip has no keys of its own.
    if (!IsTabVisible(code, TRUE)) EnsureVisible(code);
    DetectDragOut(pt);
  } else {
    SelectTab(code);
    if (m_nCurSel == code) DetectDragOut(pt);
  }
}

void CTabStrip::DetectDragOut(POINT pt) {
  // Only a press the mouse still holds can be dragged; DragDetect would
  // otherwise wait for a release that never comes.
  if (::GetAsyncKeyState(VK_LBUTTON) >= 0) return;
  ::ClientToScreen(m_hWnd, &pt);
  if (::DragDetect(m_hWnd, pt)) Notify(qv::kTabDragOut);
}

void CTabStrip::OnLButtonUp(UINT, POINT) { SetPressed(qv::kNoArrowHeld); }

void CTabStrip::OnMouseMove(UINT, POINT pt) {
  if (::GetCapture() != m_hWnd || m_nPressed == qv::kNoArrowHeld) {
    Default();
    return;
  }
  const bool on = HitTest(pt) == m_nPressed;
  if (m_bPressedOff == (on ? 0 : 1)) return;
  if (on) {
    ::SetTimer(m_hWnd, kRepeatTimer, kRepeatMs, nullptr);
    Scroll(m_nPressed);
  } else {
    ::KillTimer(m_hWnd, kRepeatTimer);
  }
  m_bPressedOff = on ? 0 : 1;
  InvalidateTab(m_nPressed);
  Default();
}

void CTabStrip::OnTimer(UINT_PTR id) {
  if (id == kRepeatTimer) Scroll(m_nPressed);
}

void CTabStrip::OnRButtonUp(UINT, POINT pt) {
  if (HitTest(pt) == qv::kHitNothing) Notify(qv::kTabRightClick);
  Default();
}

void CTabStrip::OnCaptureChanged(HWND newCapture) {
  // Another window took the mouse: the button-up will not come here, so the
  // hold ends now instead of repeating for ever.
  if (newCapture != m_hWnd && m_nPressed != qv::kNoArrowHeld) StopRepeat();
  Default();
}
