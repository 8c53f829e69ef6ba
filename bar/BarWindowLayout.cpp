// bar/BarWindowLayout.cpp: the bar's cell size, the layout of the pane and
// the tab strip inside it, and its place at the edge.
#include "bar/BarRects.h"
#include "bar/BarWindow.h"
#include "toolbar/portable/RowLayout.h"

void CBarWindow::UpdateButtonSize() {
  // The cell follows the icon size shown, not the image list's: asking the
  // shell for its list makes it, which in a cold process takes longer than
  // the rest of the window's start, and the first read makes it anyway.
  m_nIconSize = qv::IconSizeForDpi(Settings().m_bSmallIcons, m_nDpi);
  const int charWidth = m_pane.GetAverageCharWidth();
  const int fixed = qv::ButtonCell(m_nIconSize, 0, m_nDpi).cx;
  const int names =
      qv::ShownMaxChars(Settings().m_nMaxChars, fixed, charWidth,
                        qv::ButtonRoom(Settings().m_nAlignment,
                                       Settings().m_bShowTabs, Metrics())) *
      charWidth;
  const qv::CellSize cell = qv::ButtonCell(m_nIconSize, names, m_nDpi);
  m_cxButton = cell.cx;
  m_cyButton = cell.cy;
}

HIMAGELIST CBarWindow::RowImages() {
  if (m_images && m_nImagesFor == m_nIconSize) return m_images;
  // Small icons that would have to grow to this size come from the large
  // list instead: shrinking an icon loses less than growing one.
  const bool small = Settings().m_bSmallIcons;
  SIZE size{};
  m_images = m_model.Shell().SystemImages(small, &size);
  if (small && (!m_images || size.cy < m_nIconSize)) {
    SIZE largeSize{};
    if (HIMAGELIST large = m_model.Shell().SystemImages(false, &largeSize);
        large && largeSize.cy > 0)
      m_images = large;
  }
  m_nImagesFor = m_nIconSize;
  return m_images;
}

qv::BarMetrics CBarWindow::Metrics() const {
  return MonitorMetrics(m_monitor.rect, m_nDpi);
}

int CBarWindow::ShownCells(bool vertical) const {
  return qv::ShownCells(vertical ? qv::Edge::Left : qv::Edge::Top,
                        vertical ? m_cxButton : m_cyButton,
                        vertical ? Settings().m_nColumns : Settings().m_nRows,
                        Settings().m_bShowTabs, Metrics());
}

int CBarWindow::BarLength(int vertical) const {
  RECT rc = GetWindowRect();
  return vertical ? rc.bottom - rc.top : rc.right - rc.left;
}

void CBarWindow::LayoutChildren() {
  const qv::Edge edge = Settings().m_nAlignment;
  const bool vertical = qv::IsVertical(edge);
  const bool tabs = Settings().m_bShowTabs;
  const qv::BarMetrics metrics = Metrics();
  const int paneThickness = qv::PaneThickness(
      edge, vertical ? m_cxButton : m_cyButton, ShownCells(vertical), metrics);

  // The pane's rows are laid out along the bar's whole length, each time
  // from that: the rows shorten the pane to what they need, and would
  // shorten it again at each layout that began from its own length.
  if (vertical) {
    const int x =
        edge == qv::Edge::Right && tabs ? metrics.vScrollWidth + 1 : 2;
    m_pane.Place({x, 2, x + paneThickness, 2 + BarLength(1) - 7});
  } else {
    m_pane.Place({2, 2, 2 + BarLength(0) - 7, 2 + paneThickness});
  }
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
}

void CBarWindow::LayoutBar(bool hidden, Slide slide) {
  UpdateButtonSize();
  LayoutChildren();
  const qv::Edge edge = Settings().m_nAlignment;
  const bool vertical = qv::IsVertical(edge);
  const bool tabs = Settings().m_bShowTabs;
  const qv::BarMetrics metrics = Metrics();
  const int cellSize = vertical ? m_cxButton : m_cyButton;
  const int cells = ShownCells(vertical);

  // The bar's thickness, as its band was reserved. A shown bar lies against
  // the band the shell granted; an auto-hide bar against the screen edge,
  // where its 2 pixels stay.
  const int thickness = qv::BarThickness(edge, cellSize, cells, tabs, metrics);
  const bool docked =
      m_bRegistered && !m_bHiddenMode && !::IsRectEmpty(&m_abd.rc);
  const qv::Rect band = docked ? ToRect(m_abd.rc) : metrics.Screen();
  const qv::Rect target = qv::LaidOutRect(edge, ToRect(GetWindowRect()),
                                          thickness, hidden, band, metrics);
  RECT rc = ToRECT(target);
  if (hidden) {
    // However it got here, a hidden bar is no longer watched as shown, so
    // that the strip reveals it again.
    ::KillTimer(m_hWnd, AUTOHIDE_TIMER);
    m_bShown = 0;
  }
  if (slide != Slide::kNone)
    SlideTo(&rc, slide);
  else
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left,
                 rc.bottom - rc.top, TRUE);
  const RECT client = GetClientRect();
  m_laidOut = {client.right, client.bottom};
}

void CBarWindow::OnSize(UINT, int cx, int cy) {
  // A rebuild under way moved the bar: it lays the children out itself once
  // the bar has its place, keeping the length it lays them out for. The size
  // the bar was last laid out at needs nothing either: creation reports it
  // once more after the first rebuild, which would make every child again.
  if (m_bBusy || (cx == m_laidOut.cx && cy == m_laidOut.cy)) return;
  // The kept toolbars fit any size: nothing is read again.
  Rebuild(RebuildRequest::Layout());
}

void CBarWindow::ResizeTo(int cx, int cy) {
  // The rows (or columns) are those whose bar is nearest the new client
  // size with the strip's room and the window's sizing frame put back.
  UpdateButtonSize();
  const RECT window = GetWindowRect();
  const RECT client = GetClientRect();
  const qv::Edge edge = Settings().m_nAlignment;
  const bool tabs = Settings().m_bShowTabs;
  const qv::BarMetrics metrics = Metrics();
  const bool vertical = qv::IsVertical(edge);
  const int thickness =
      vertical ? cx + (window.right - window.left) - client.right +
                     (tabs ? metrics.vScrollWidth : 0)
               : cy + (window.bottom - window.top) - client.bottom +
                     (tabs ? metrics.hScrollHeight : 0);
  Redo(m_model.SetCells(
      vertical, qv::CellsForThickness(edge, vertical ? m_cxButton : m_cyButton,
                                      thickness, tabs, metrics)));
}
