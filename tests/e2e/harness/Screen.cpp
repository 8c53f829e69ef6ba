// tests/e2e/harness/Screen.cpp
#include "tests/e2e/harness/Screen.h"

#include <cstdio>

namespace e2e {

Screenshot Screenshot::CaptureScreen() {
  RECT all{0, 0, ::GetSystemMetrics(SM_CXSCREEN),
           ::GetSystemMetrics(SM_CYSCREEN)};
  return Capture(all);
}

Screenshot Screenshot::Capture(const RECT& area) {
  Screenshot shot;
  shot.m_width = area.right - area.left;
  shot.m_height = area.bottom - area.top;
  if (shot.m_width <= 0 || shot.m_height <= 0) return Screenshot{};
  shot.m_pixels.resize(static_cast<size_t>(shot.m_width) * shot.m_height);

  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = shot.m_width;
  bi.bmiHeader.biHeight = -shot.m_height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib =
      ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, dib);
  ::BitBlt(memory, 0, 0, shot.m_width, shot.m_height, screen, area.left,
           area.top, SRCCOPY);
  ::GdiFlush();
  const auto* src = static_cast<const DWORD*>(bits);
  for (size_t i = 0; i < shot.m_pixels.size(); ++i)
    shot.m_pixels[i] = src[i] & 0xFFFFFF;
  ::SelectObject(memory, old);
  ::DeleteObject(dib);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return shot;
}

COLORREF Screenshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  DWORD rgb = m_pixels[static_cast<size_t>(y) * m_width + x];
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::string Screenshot::Save(const std::string& name) const {
  char exe[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string dir(exe);
  dir.erase(dir.find_last_of("\\/") + 1);
  dir += "screenshots";
  ::CreateDirectoryA(dir.c_str(), nullptr);
  std::string path = dir + "\\" + name + ".bmp";

  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = m_width;
  header.biHeight = -m_height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  DWORD pixelBytes = static_cast<DWORD>(m_pixels.size() * 4);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + pixelBytes;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&header, sizeof header, 1, f);
    std::fwrite(m_pixels.data(), 4, m_pixels.size(), f);
    std::fclose(f);
  }
  return path;
}

namespace {

void SendMouse(int x, int y, DWORD flags) {
  // Absolute coordinates are in 0..65535 across the primary screen.
  int cx = ::GetSystemMetrics(SM_CXSCREEN),
      cy = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65536 + cx / 2) / cx;
  input.mi.dy = (y * 65536 + cy / 2) / cy;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  ::SendInput(1, &input, sizeof input);
  ::Sleep(60);
}

}  // namespace

void MoveMouse(int x, int y) { SendMouse(x, y, 0); }

void MouseDown(int x, int y, bool right) {
  SendMouse(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}

void MouseUp(int x, int y, bool right) {
  SendMouse(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void Click(int x, int y, bool right) {
  MoveMouse(x, y);
  MouseDown(x, y, right);
  MouseUp(x, y, right);
}

}  // namespace e2e
