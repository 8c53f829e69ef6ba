// bar/BarWindowDrag.cpp: dragging the bar to another screen edge by its own
// area, and resizing it by its inner edge in whole button cells. Both run a
// modal mouse loop of their own with the mouse captured and show the target
// as an inverted frame drawn on the screen; nothing moves until the button is
// released.
#include <cstdlib>

#include "bar/BarRects.h"
#include "bar/BarWindow.h"
#include "bar/portable/DragZones.h"
#include "framework/portable/DpiScale.h"

namespace {

int Extent(const RECT& rc, bool horizontal) {
  return horizontal ? rc.right - rc.left : rc.bottom - rc.top;
}

bool SizesHorizontally(int hit) { return hit == HTLEFT || hit == HTRIGHT; }

}  // namespace

LRESULT CBarWindow::OnNcHitTest(POINT) {
  return qv::BarHitTest(Settings().m_nAlignment, static_cast<int>(Default()));
}

void CBarWindow::BeginMove(POINT screen) { OnNcLButtonDown(HTCAPTION, screen); }

void CBarWindow::OnNcLButtonDown(UINT hitTest, POINT) {
  const int hit = static_cast<int>(hitTest);
  if (qv::IsOuterBorderHit(Settings().m_nAlignment, hit)) return;
  const RECT window = GetWindowRect();
  switch (hit) {
    case HTCAPTION:
      break;
    case HTLEFT:
    case HTTOP:
      m_ptDragAnchor = POINT{window.right, window.bottom};
      break;
    case HTRIGHT:
    case HTBOTTOM:
      m_ptDragAnchor = POINT{window.left, window.top};
      break;
    default:
      if (!qv::IsCornerHit(hit)) Default();
      return;
  }
  m_nDragHit = hit;
  m_rcDrag = window;
  // Released where it is, the bar keeps its stored monitor.
  m_dragMonitor = MonitorInfo{};
  m_dragMonitor.device = Settings().m_strMonitor;
  m_dragEdge = Settings().m_nAlignment;
  DrawDragFrame(&m_rcDrag);
  ::SetCapture(m_hWnd);
  if (!RunDragLoop()) {
    // Another window took the mouse (the user switched programs): no release
    // may ever come, so the drag ends as if it had never started.
    DrawDragFrame(&m_rcDrag);
  }
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  m_nDragHit = 0;
}

int CBarWindow::RunDragLoop() {
  // Only this window's mouse messages are taken while dragging; everything
  // else waits in the queue until the button is released.
  for (;;) {
    MSG msg;
    const BOOL got =
        ::PeekMessageA(&msg, m_hWnd, WM_MOUSEMOVE, WM_MBUTTONDBLCLK, PM_REMOVE);
    if (::GetCapture() != m_hWnd) return 0;
    if (!got) {
      ::WaitMessage();
      continue;
    }
    const POINT point{static_cast<short>(LOWORD(msg.lParam)),
                      static_cast<short>(HIWORD(msg.lParam))};
    if (msg.message == WM_MOUSEMOVE) {
      OnMouseMove(static_cast<UINT>(msg.wParam), point);
    } else if (msg.message == WM_LBUTTONUP) {
      OnLButtonUp(static_cast<UINT>(msg.wParam), point);
      return 1;
    }
  }
}

void CBarWindow::OnMouseMove(UINT, POINT point) {
  // The bar's area answers as a caption, so mouse moves reach it only while
  // a drag holds the mouse.
  if (::GetCapture() != m_hWnd) return;
  ::ClientToScreen(m_hWnd, &point);
  if (m_nDragHit == HTCAPTION) {
    TrackEdge(point.x, point.y);
    return;
  }

  const bool horizontal = SizesHorizontally(m_nDragHit);
  const int d = horizontal ? std::abs(point.x - m_ptDragAnchor.x)
                           : std::abs(point.y - m_ptDragAnchor.y);
  RECT next;
  if (Extent(m_rcDrag, horizontal) > d) {
    if (!ShrinkDragRect(&m_rcDrag, &next)) return;
  } else {
    // Grow only once the cursor has passed the whole new cell.
    if (!GrowDragRect(&m_rcDrag, &next) || d < Extent(next, horizontal)) return;
  }
  if (::EqualRect(&next, &m_rcDrag)) return;
  DrawDragFrame(&m_rcDrag);
  DrawDragFrame(&next);
  m_rcDrag = next;
}

void CBarWindow::OnLButtonUp(UINT, POINT) {
  if (::GetCapture() != m_hWnd) return;
  DrawDragFrame(&m_rcDrag);
  // The rebuild may show a message box, which must get the mouse, and must
  // not feed this drag any more.
  ::ReleaseCapture();
  if (m_nDragHit == HTCAPTION) {
    // The edge and the monitor were chosen while tracking.
    if (m_nDraggedToolbar >= 0) {
      if (m_family)
        m_family->MoveToolbar(*this, m_nDraggedToolbar, m_dragEdge,
                              m_dragMonitor.device);
      return;
    }
    Redo(m_model.MoveTo(m_dragEdge, m_dragMonitor.device));
    return;
  }

  const int w = m_rcDrag.right - m_rcDrag.left;
  const int h = m_rcDrag.bottom - m_rcDrag.top;
  if (m_nDragHit == HTRIGHT || m_nDragHit == HTBOTTOM)
    ::MoveWindow(m_hWnd, m_ptDragAnchor.x, m_ptDragAnchor.y, w, h, TRUE);
  else
    ::MoveWindow(m_hWnd, m_ptDragAnchor.x - w, m_ptDragAnchor.y - h, w, h,
                 TRUE);
  // The rows or columns follow from the new client size, less the tab strip.
  const RECT client = GetClientRect();
  int width = client.right - client.left;
  int height = client.bottom - client.top;
  if (Settings().m_bShowTabs) {
    const qv::BarMetrics metrics = Metrics();
    width -= metrics.vScrollWidth;
    height -= metrics.hScrollHeight;
  }
  ResizeTo(width, height);
}

void CBarWindow::TrackEdge(int x, int y) {
  UpdateButtonSize();
  // The frame shows the bar as it would dock at an edge of the monitor under
  // the cursor, its cells scaled for that monitor's DPI.
  const MonitorInfo monitor = m_monitors.MonitorAt(POINT{x, y});
  const qv::BarMetrics metrics = MonitorMetrics(monitor.rect, monitor.dpi);
  const bool tabs = Settings().m_bShowTabs;
  const auto thickness = [&](qv::Edge edge, int cell, int stored) {
    cell = qv::ScaleBetween(cell, m_nDpi, monitor.dpi);
    return qv::BarThickness(edge, cell,
                            qv::ShownCells(edge, cell, stored, tabs, metrics),
                            tabs, metrics);
  };
  qv::DragScreen screen;
  screen.screenLeft = metrics.screenLeft;
  screen.screenTop = metrics.screenTop;
  screen.screenWidth = metrics.screenWidth;
  screen.screenHeight = metrics.screenHeight;
  screen.barWidth =
      thickness(qv::Edge::Left, m_cxButton, Settings().m_nColumns);
  screen.barHeight = thickness(qv::Edge::Top, m_cyButton, Settings().m_nRows);
  const qv::Edge edge = qv::EdgeUnderPoint(x, y, screen);
  const RECT frame = ToRECT(qv::EdgeFrame(edge, screen));
  DrawDragFrame(&m_rcDrag);
  DrawDragFrame(&frame);
  m_dragEdge = edge;
  m_dragMonitor = monitor;
  m_rcDrag = frame;
}

int CBarWindow::ShrinkDragRect(const RECT* current, RECT* out) const {
  qv::Rect shrunk;
  if (!qv::ShrinkFrame(m_nDragHit, ToRect(*current), m_cxButton, m_cyButton,
                       shrunk))
    return 0;
  *out = ToRECT(shrunk);
  return 1;
}

int CBarWindow::GrowDragRect(const RECT* current, RECT* out) const {
  qv::Rect grown;
  const qv::BarMetrics metrics = Metrics();
  if (!qv::GrowFrame(m_nDragHit, ToRect(*current), m_cxButton, m_cyButton,
                     metrics.screenWidth, metrics.screenHeight, grown))
    return 0;
  *out = ToRECT(grown);
  return 1;
}

void CBarWindow::DrawDragFrame(const RECT* rc) {
  // A 50 % checkerboard: inverting through it grays the frame, and a second
  // drawing of the same frame restores the screen. Monochrome bitmap rows
  // are word-aligned.
  static const WORD kCheckerboard[8] = {0x55, 0xAA, 0x55, 0xAA,
                                        0x55, 0xAA, 0x55, 0xAA};
  qv::UniqueHBitmap pattern(::CreateBitmap(8, 8, 1, 1, kCheckerboard));
  if (!pattern) return;
  qv::UniqueHBrush brush(::CreatePatternBrush(pattern.get()));
  if (!brush) return;
  qv::WindowDC screen(nullptr);
  if (!screen) return;
  qv::SelectScope selected(screen.get(), brush.get());
  for (const qv::FrameStrip& s :
       qv::DragFrameStrips(ToRect(*rc), ::GetSystemMetrics(SM_CXFRAME),
                           ::GetSystemMetrics(SM_CYFRAME)))
    ::PatBlt(screen.get(), s.x, s.y, s.width, s.height, PATINVERT);
}
