// framework/DibInfo.h: the header of a 32-bit top-down DIB, the one shape
// the program's pixel copies take (row 0 is y 0, four bytes a pixel).
#pragma once

#include <windows.h>

namespace qv {

inline BITMAPINFO TopDownDib32(int cx, int cy) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = -cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace qv
