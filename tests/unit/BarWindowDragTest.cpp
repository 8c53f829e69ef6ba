// tests/unit/BarWindowDragTest.cpp: the bar's hit test, dragging it to
// another edge and resizing it by its inner edge. The drag loop takes this
// window's mouse messages from the queue, so a test posts the moves and the
// release first and then presses.
#include <gtest/gtest.h>

#include <iterator>

#include "bar/BarWindow.h"
#include "bar/portable/BarGeometry.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/unit/support/FakeAppBarService.h"
#include "tests/unit/support/ScratchRegistry.h"

namespace {

class BarWindowDragTest : public testing::Test {
 protected:
  void SetUp() override {
    registry.WriteBaseline();
    ASSERT_TRUE(bar.CreateBar());
  }
  void TearDown() override {
    MSG msg;
    while (::PeekMessageA(&msg, bar.m_hWnd, WM_MOUSEFIRST, WM_MOUSELAST,
                          PM_REMOVE)) {
    }
  }

  // Queues a mouse message for the drag loop at a screen point.
  void PostMouse(UINT message, int x, int y) {
    POINT pt{x, y};
    ::ScreenToClient(bar.m_hWnd, &pt);
    bar.PostMessage(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                    MAKELPARAM(pt.x, pt.y));
  }
  LRESULT Press(UINT hit, int x, int y) {
    return bar.SendMessage(WM_NCLBUTTONDOWN, hit, MAKELPARAM(x, y));
  }
  bool ReleaseStillQueued() {
    MSG msg;
    return ::PeekMessageA(&msg, bar.m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP,
                          PM_NOREMOVE) != 0;
  }
  struct StoredValues {
    qv::Edge m_nAlignment;
    int m_nRows;
  };
  static StoredValues Stored() {
    CBarSettings stored;
    stored.Load();
    return {stored.m_nAlignment, stored.m_nRows};
  }
  RECT Window() const { return bar.GetWindowRect(); }

  const int sx = ::GetSystemMetrics(SM_CXSCREEN);
  const int sy = ::GetSystemMetrics(SM_CYSCREEN);
  ScratchCurrentUser registry;
  FakeAppBarService shell;
  CBarWindow bar{shell};
};

LRESULT HitAt(const CBarWindow& bar, int x, int y) {
  return bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

}  // namespace

TEST_F(BarWindowDragTest, AreaIsACaptionAndCornersSizeOnlyAcrossTheBar) {
  RECT rc = Window();  // docked at the top
  EXPECT_EQ(HitAt(bar, sx / 2, (rc.top + rc.bottom) / 2), HTCAPTION);
  EXPECT_EQ(HitAt(bar, sx / 2, rc.bottom - 1), HTBOTTOM);
  EXPECT_EQ(HitAt(bar, rc.left, rc.bottom - 1), HTBOTTOM);
  EXPECT_EQ(HitAt(bar, rc.right - 1, rc.bottom - 1), HTBOTTOM);
  EXPECT_EQ(HitAt(bar, rc.right - 1, rc.top), HTTOP);

  bar.SendMessage(WM_COMMAND, ID_LEFT_ALIGN);
  rc = Window();
  EXPECT_EQ(HitAt(bar, rc.right - 1, rc.bottom - 1), HTRIGHT);
  EXPECT_EQ(HitAt(bar, rc.right - 1, rc.top), HTRIGHT);
  EXPECT_EQ(HitAt(bar, rc.left, rc.bottom - 1), HTLEFT);
}

TEST_F(BarWindowDragTest, PressOnAnOuterBorderOrACornerStartsNothing) {
  const RECT before = Window();
  PostMouse(WM_MOUSEMOVE, 10, sy / 2);
  PostMouse(WM_LBUTTONUP, 10, sy / 2);
  for (UINT hit : {HTTOP, HTLEFT, HTRIGHT, HTTOPLEFT, HTBOTTOMRIGHT}) {
    Press(hit, sx - 1, 0);
    EXPECT_EQ(::GetCapture(), nullptr) << hit;
    EXPECT_TRUE(ReleaseStillQueued()) << hit;
  }
  const RECT after = Window();
  EXPECT_TRUE(::EqualRect(&before, &after));
  EXPECT_EQ(bar.Settings().m_nAlignment, qv::Edge::Top);
}

TEST_F(BarWindowDragTest, PressOnThePaneDragsTheBarToTheEdgeWhereItIsReleased) {
  // Over the right side first, then released over the left one.
  PostMouse(WM_MOUSEMOVE, sx - 10, sy / 2);
  PostMouse(WM_MOUSEMOVE, 10, sy / 2);
  PostMouse(WM_LBUTTONUP, 10, sy / 2);
  bar.Pane().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));

  EXPECT_FALSE(ReleaseStillQueued());
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Stored().m_nAlignment, qv::Edge::Left);
  const RECT rc = Window();
  EXPECT_EQ(rc.left, 0);
  EXPECT_EQ(rc.top, 0);
  EXPECT_EQ(rc.bottom, sy);
  EXPECT_LT(rc.right, sx / 2);
  EXPECT_EQ(shell.BandOf(bar.m_hWnd).right, rc.right);
  EXPECT_EQ(bar.TabStrip().m_nOrientation, 3);
}

TEST_F(BarWindowDragTest, ReleaseWithoutMovingSavesTheEdgeAgain) {
  registry.SetDword("Alignment", ABE_BOTTOM);  // behind the bar's back
  const RECT before = Window();
  PostMouse(WM_LBUTTONUP, sx / 2, 5);
  Press(HTCAPTION, sx / 2, 5);
  EXPECT_EQ(Stored().m_nAlignment, qv::Edge::Top);
  const RECT after = Window();
  EXPECT_TRUE(::EqualRect(&before, &after));
}

// Takes the mouse away from the bar as the drag loop reads its first move.
class CaptureThief {
 public:
  CaptureThief() {
    m_hook = ::SetWindowsHookExA(WH_GETMESSAGE, &Hook, nullptr,
                                 ::GetCurrentThreadId());
  }
  ~CaptureThief() { ::UnhookWindowsHookEx(m_hook); }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_MOUSEMOVE)
      ::ReleaseCapture();
    return ::CallNextHookEx(nullptr, code, wp, lp);
  }
  HHOOK m_hook;
};

TEST_F(BarWindowDragTest, LosingTheMouseEndsTheDragWithoutMovingTheBar) {
  const RECT before = Window();
  PostMouse(WM_MOUSEMOVE, 10, sy / 2);
  PostMouse(WM_LBUTTONUP, 10, sy / 2);
  {
    CaptureThief thief;
    Press(HTCAPTION, sx / 2, 5);
  }
  EXPECT_EQ(bar.Settings().m_nAlignment, qv::Edge::Top);
  EXPECT_EQ(Stored().m_nAlignment, qv::Edge::Top);
  const RECT after = Window();
  EXPECT_TRUE(::EqualRect(&before, &after));
}

TEST_F(BarWindowDragTest, InnerEdgeResizesByOneCellPerMoveUpToTheCursor) {
  ASSERT_EQ(Stored().m_nRows, 1);
  const int cy = bar.ButtonSize().cy;
  ASSERT_GT(cy, 0);

  // One move far below adds a single row.
  int bottom = Window().bottom;
  PostMouse(WM_MOUSEMOVE, sx / 2, bottom + 10 * cy);
  PostMouse(WM_LBUTTONUP, sx / 2, bottom + 10 * cy);
  Press(HTBOTTOM, sx / 2, bottom - 1);
  EXPECT_EQ(Stored().m_nRows, 2);
  EXPECT_EQ(Window().top, 0);
  EXPECT_GT(Window().bottom, bottom);

  // Moves just inside the edge take one row away, however many there are.
  bottom = Window().bottom;
  for (int i = 0; i < 3; ++i) PostMouse(WM_MOUSEMOVE, sx / 2, bottom - 2);
  PostMouse(WM_LBUTTONUP, sx / 2, bottom - 2);
  Press(HTBOTTOM, sx / 2, bottom - 1);
  EXPECT_EQ(Stored().m_nRows, 1);

  // Moves to one cell beyond the edge add one row, however many there are.
  bottom = Window().bottom;
  const int beyond = bottom + qv::CellPitch(cy) + 1;
  for (int i = 0; i < 3; ++i) PostMouse(WM_MOUSEMOVE, sx / 2, beyond);
  PostMouse(WM_LBUTTONUP, sx / 2, beyond);
  Press(HTBOTTOM, sx / 2, bottom - 1);
  EXPECT_EQ(Stored().m_nRows, 2);
  EXPECT_EQ(Stored().m_nAlignment, qv::Edge::Top);
}

TEST(DragFrame, InvertsACheckerboardAndASecondDrawingRestoresTheScreen) {
  FakeAppBarService shell;
  CBarWindow bar(shell);
  const RECT frame{100, 100, 300, 200};
  const POINT probes[] = {{100, 100}, {101, 100}, {100, 101},
                          {299, 150}, {298, 150}, {200, 150}};
  auto read = [&](COLORREF* out) {
    qv::WindowDC screen(nullptr);
    for (size_t i = 0; i < std::size(probes); ++i)
      out[i] = ::GetPixel(screen.get(), probes[i].x, probes[i].y) & 0xFFFFFF;
  };
  COLORREF before[6], drawn[6], after[6];
  read(before);
  bar.DrawDragFrame(&frame);
  read(drawn);
  bar.DrawDragFrame(&frame);
  read(after);

  auto inverted = [&](int i) { return drawn[i] == (before[i] ^ 0xFFFFFF); };
  // Of two neighbours on the frame one is inverted and one left alone.
  EXPECT_NE(inverted(0), inverted(1));
  EXPECT_NE(inverted(0), inverted(2));
  EXPECT_NE(inverted(3), inverted(4));
  for (int i : {0, 1, 2, 3, 4})
    EXPECT_TRUE(inverted(i) || drawn[i] == before[i]);
  EXPECT_EQ(drawn[5], before[5]);  // the inside
  for (int i = 0; i < 6; ++i) EXPECT_EQ(after[i], before[i]) << i;
}
