// tests/e2e/harness/Screen.h: pixels of the screen and mouse input, as a
// person at the desktop would see and use them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Screenshot {
 public:
  // Copies a rectangle of the screen (screen coordinates).
  static Screenshot Capture(const RECT& area);
  static Screenshot CaptureScreen();

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // The colour at a point relative to the captured rectangle's top left.
  COLORREF At(int x, int y) const;
  // Writes a .bmp into the "screenshots" folder beside the test program and
  // answers its path.
  std::string Save(const std::string& name) const;

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<DWORD> m_pixels;  // top-down rows of 0x00RRGGBB
};

void MoveMouse(int x, int y);
// Presses and releases a button at a screen point.
void Click(int x, int y, bool right = false);
void MouseDown(int x, int y, bool right = false);
void MouseUp(int x, int y, bool right = false);

}  // namespace e2e
