// tests/unit/TabStripTestWindows.cpp: the recording parent and the strip
// fixture.
#include "tests/unit/TabStripTestWindows.h"

#include "framework/DibInfo.h"
#include "tabs/TabPainter.h"

namespace tabtest {

BEGIN_MESSAGE_MAP(NotifyParent, qv::CWnd)
ON_MESSAGE(WM_CTLCOLORDLG, OnCtlColorDialog)
END_MESSAGE_MAP()

LRESULT NotifyParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NOTIFY)
    return qv::CWnd::WindowProc(message, wParam, lParam);
  const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
  const int code = static_cast<int>(hdr->code);
  received.push_back({code, wParam, hdr->idFrom, hdr->hwndFrom,
                      strip ? strip->m_nCurSel : -1});
  return code == qv::kTabSelChanging ? changingReply : 0;
}

std::unique_ptr<NotifyParent> TabStripTest::s_parent;

void TabStripTest::SetUpTestSuite() {
  const char* cls = qv::RegisterWindowClass(
      0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  s_parent = std::make_unique<NotifyParent>();
  qv::CreateArgs args;
  args.className = cls;
  args.windowName = "parent";
  args.style = WS_POPUP | WS_VISIBLE;
  args.SetRect({0, 0, 400, 400});
  s_parent->Create(args);
}

void TabStripTest::TearDownTestSuite() { s_parent.reset(); }

namespace {

// Copies `cx` x `cy` pixels at (x, y) of `dc` as top-down RGB values.
std::vector<COLORREF> Grab(HDC dc, int x, int y, int cx, int cy) {
  const BITMAPINFO info = qv::TopDownDib32(cx, cy);
  void* bits = nullptr;
  qv::UniqueHBitmap dib(
      ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  qv::UniqueHdc memory(::CreateCompatibleDC(dc));
  std::vector<COLORREF> pixels;
  if (!dib || !memory) return pixels;
  {
    qv::SelectScope select(memory.get(), dib.get());
    ::BitBlt(memory.get(), 0, 0, cx, cy, dc, x, y, SRCCOPY);
  }
  const auto* p = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < cx * cy; ++i, p += 4)
    pixels.push_back(RGB(p[2], p[1], p[0]));
  return pixels;
}

}  // namespace

void TabStripTest::Build(int orientation, int length,
                         std::initializer_list<int> lengths) {
  ASSERT_TRUE(parent.m_hWnd);
  parent.received.clear();
  parent.changingReply = 0;
  parent.strip = &strip;
  ASSERT_TRUE(strip.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP,
                           RECT{0, 0, 50, 50}, parent.m_hWnd, kStripId));
  strip.m_nOrientation = orientation;
  int i = 0;
  for (int len : lengths) {
    strip.AddTab(("Tab " + std::to_string(i)).c_str());
    strip.GetTab(i)->m_nWidth = strip.GetTab(i)->m_nHeight = len;
    ++i;
  }
  const bool horizontal = orientation == qv::kTabsHorizontal;
  width = horizontal ? length : qv::kStripThickness;
  height = horizontal ? qv::kStripThickness : length;
  // The owner gives the length; the strip keeps its thickness.
  ::MoveWindow(strip.m_hWnd, 4, 4, horizontal ? length : 50,
               horizontal ? 50 : length, TRUE);
  const RECT rc = strip.GetClientRect();
  ASSERT_EQ(width, rc.right);
  ASSERT_EQ(height, rc.bottom);
}

std::vector<COLORREF> TabStripTest::Capture() {
  ::RedrawWindow(strip.m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  qv::WindowDC dc(strip.m_hWnd);
  return Grab(dc.get(), 0, 0, width, height);
}

std::vector<COLORREF> TabStripTest::ArrowFrame(int frame) {
  const bool horizontal = strip.m_nOrientation == qv::kTabsHorizontal;
  const int cx = horizontal ? qv::kArrowLength : qv::kStripThickness;
  const int cy = horizontal ? qv::kStripThickness : qv::kArrowLength;
  qv::WindowDC screen(nullptr);
  qv::UniqueHdc memory(::CreateCompatibleDC(screen.get()));
  qv::SelectScope select(memory.get(), TabArrowBitmap(strip.m_nOrientation));
  return Grab(memory.get(), horizontal ? cx * frame : 0,
              horizontal ? 0 : cy * frame, cx, cy);
}

std::vector<COLORREF> TabStripTest::ArrowArea() {
  const std::vector<COLORREF> all = Capture();
  const qv::TabRect& a = strip.m_rectArrows;
  std::vector<COLORREF> area;
  for (int y = a.top; y < a.bottom; ++y)
    for (int x = a.left; x < a.right; ++x) area.push_back(At(all, x, y));
  return area;
}

}  // namespace tabtest
