// tests/unit/TitleWndTest.cpp: the start-up picture: shown only when switched
// on, as large as the picture and borderless, and gone at the first key.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "title/TitleWnd.h"

TEST(TitleWnd, ShownOnceAndGoneAtTheFirstKey) {
  CTitleScreen title;
  title.Show(nullptr);
  HWND wnd = title.Window();
  ASSERT_NE(wnd, nullptr);
  title.Show(nullptr);
  EXPECT_EQ(wnd, title.Window());
  RECT rc;
  ::GetWindowRect(wnd, &rc);
  EXPECT_EQ(rc.right - rc.left, 600);
  EXPECT_EQ(rc.bottom - rc.top, 300);
  EXPECT_EQ(::GetWindowLongPtrA(wnd, GWL_STYLE) & (WS_CAPTION | WS_BORDER), 0);
  // Centred on the screen.
  EXPECT_EQ(rc.left, (::GetSystemMetrics(SM_CXSCREEN) - 600) / 2);

  // Other messages leave it; a key press anywhere removes it.
  MSG msg{};
  msg.message = WM_MOUSEMOVE;
  title.Filter(msg);
  EXPECT_TRUE(::IsWindow(wnd));
  msg.message = WM_KEYDOWN;
  title.Filter(msg);
  EXPECT_FALSE(::IsWindow(wnd));
  EXPECT_EQ(title.Window(), nullptr);
}

TEST(TitleWnd, PictureWhoseTableOrRowsPassTheResourcesEndIsNotShown) {
  // A 4 x 2 picture of 256 colours: header, table, two rows of 4 bytes.
  BITMAPINFOHEADER header{sizeof header, 4, 2, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<unsigned char> dib(sizeof header + 256 * sizeof(RGBQUAD) + 8);
  std::memcpy(dib.data(), &header, sizeof header);
  HPALETTE palette = nullptr;
  HBITMAP bitmap = CTitleWnd::PictureFromDib(dib.data(), dib.size(), &palette);
  EXPECT_TRUE(bitmap && palette);
  ::DeleteObject(bitmap);
  ::DeleteObject(palette);

  // One byte short of the last row, and a table cut off.
  EXPECT_FALSE(CTitleWnd::PictureFromDib(dib.data(), dib.size() - 1, &palette));
  EXPECT_FALSE(
      CTitleWnd::PictureFromDib(dib.data(), sizeof header + 4, &palette));
  // Rows that a huge height claims.
  header.biHeight = 0x7fffffff;
  std::memcpy(dib.data(), &header, sizeof header);
  EXPECT_FALSE(CTitleWnd::PictureFromDib(dib.data(), dib.size(), &palette));
  EXPECT_EQ(palette, nullptr);
}
