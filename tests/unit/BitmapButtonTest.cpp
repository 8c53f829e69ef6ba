// tests/unit/BitmapButtonTest.cpp: a bitmap button takes its bitmaps' size
// and draws the bitmap of its state.
#include <gtest/gtest.h>

#include "framework/BitmapButton.h"
#include "framework/Handles.h"

namespace {

constexpr int kId = 1019;

struct Window {
  HWND wnd;
  ~Window() { ::DestroyWindow(wnd); }
};

// The colour at (x, y) after drawing the button in `state`.
COLORREF DrawnPixel(const qv::CBitmapButton& button, UINT state, int x, int y) {
  qv::WindowDC screen(nullptr);
  qv::UniqueHdc dc(::CreateCompatibleDC(screen.get()));
  qv::UniqueHBitmap canvas(::CreateCompatibleBitmap(screen.get(), 24, 22));
  qv::SelectScope select(dc.get(), canvas.get());
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = kId;
  item.itemState = state;
  item.hwndItem = button.Button();
  item.hDC = dc.get();
  item.rcItem = {0, 0, 24, 22};
  EXPECT_TRUE(button.DrawItem(item));
  return ::GetPixel(dc.get(), x, y);
}

TEST(BitmapButtonTest, SizedToItsBitmapAndDrawnByState) {
  Window parent{::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr)};
  Window other{::CreateWindowExA(
      0, "BUTTON", "NONE", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10, parent.wnd,
      reinterpret_cast<HMENU>(kId + 1), nullptr, nullptr)};
  ::CreateWindowExA(0, "BUTTON", "UP", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                    parent.wnd, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
  qv::CBitmapButton button;
  EXPECT_FALSE(button.AutoLoad(parent.wnd, kId + 1));  // no "NONEU"
  ASSERT_TRUE(button.AutoLoad(parent.wnd, kId));
  RECT rc{};
  ::GetWindowRect(button.Button(), &rc);
  EXPECT_EQ(24, rc.right - rc.left);
  EXPECT_EQ(22, rc.bottom - rc.top);

  // The corner tells the frames apart: raised, sunken, focus frame.
  EXPECT_EQ(RGB(255, 255, 255), DrawnPixel(button, 0, 0, 0));
  EXPECT_EQ(RGB(128, 128, 128),
            DrawnPixel(button, ODS_SELECTED | ODS_FOCUS, 0, 0));
  EXPECT_EQ(RGB(0, 0, 0), DrawnPixel(button, ODS_FOCUS, 0, 0));
  // The arrow's widest row: black, grey when disabled.
  EXPECT_EQ(RGB(0, 0, 0), DrawnPixel(button, 0, 11, 10));
  EXPECT_EQ(RGB(128, 128, 128), DrawnPixel(button, ODS_DISABLED, 11, 10));

  DRAWITEMSTRUCT foreign{};
  foreign.CtlType = ODT_BUTTON;
  foreign.hwndItem = other.wnd;
  EXPECT_FALSE(button.DrawItem(foreign));
}

}  // namespace
