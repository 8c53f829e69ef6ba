// title/TitleWnd.cpp: the start-up picture.
#include "title/TitleWnd.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/WinApp.h"
#include "res/resource.h"

namespace {
constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShowMilliseconds = 3000;
}  // namespace

CTitleScreen::CTitleScreen() = default;
CTitleScreen::~CTitleScreen() = default;

void CTitleScreen::Show(qv::CWnd* owner) {
  if (m_window) return;
  m_window = std::make_unique<CTitleWnd>();
  if (m_window->Create(owner)) ::UpdateWindow(m_window->m_hWnd);
}

HWND CTitleScreen::Window() const {
  return m_window ? m_window->m_hWnd : nullptr;
}

void CTitleScreen::Filter(const MSG& msg) {
  if (!Window()) return;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      m_window->DestroyWindow();
      break;
    default:
      break;
  }
}

BEGIN_MESSAGE_MAP(CTitleWnd, qv::CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

CTitleWnd::CTitleWnd() = default;

// Destroyed here, while the whole object still handles its messages.
CTitleWnd::~CTitleWnd() { DestroyWindow(); }

BOOL CTitleWnd::Create(qv::CWnd* pOwner) {
  HPALETTE palette = nullptr;
  qv::UniqueHBitmap bitmap(LoadPicture(IDB_TITLE, &palette));
  qv::UniqueGdi<HPALETTE> ownedPalette(palette);
  if (!bitmap || !ownedPalette) return FALSE;
  m_bitmap = std::move(bitmap);
  m_palette = std::move(ownedPalette);

  BITMAP info{};
  ::GetObjectA(m_bitmap.get(), sizeof info, &info);
  const char* windowClass = qv::RegisterWindowClass(
      0, ::LoadCursorA(nullptr, IDC_ARROW), nullptr, nullptr);
  qv::CreateArgs args;
  args.className = windowClass;
  args.windowName = "";
  args.style = WS_POPUP | WS_VISIBLE;
  args.x = 0;
  args.y = 0;
  args.cx = info.bmWidth;
  args.cy = info.bmHeight;
  args.parent = pOwner ? pOwner->m_hWnd : nullptr;
  return windowClass && CWnd::Create(args);
}

HPALETTE CTitleWnd::MakePalette(const RGBQUAD* table, int colors) {
  if (colors <= 0) return nullptr;
  std::vector<unsigned char> memory(sizeof(LOGPALETTE) +
                                    sizeof(PALETTEENTRY) * colors);
  auto* logPalette = reinterpret_cast<LOGPALETTE*>(memory.data());
  logPalette->palVersion = 0x300;
  logPalette->palNumEntries = static_cast<WORD>(colors);
  for (int i = 0; i < colors; ++i) {
    logPalette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen,
                                  table[i].rgbBlue, 0};
  }
  return ::CreatePalette(logPalette);
}

HBITMAP CTitleWnd::PictureFromDib(const void* data, size_t size,
                                  HPALETTE* pPalette) {
  *pPalette = nullptr;
  const auto* bytes = static_cast<const unsigned char*>(data);
  BITMAPINFOHEADER header{};
  if (!bytes || size < sizeof header) return nullptr;
  std::memcpy(&header, bytes, sizeof header);
  const int bits = header.biBitCount;
  if (header.biSize < sizeof header || header.biSize > size ||
      header.biWidth <= 0 || header.biHeight == 0 ||
      header.biHeight == INT32_MIN || header.biPlanes != 1 ||
      header.biCompression != BI_RGB ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 &&
       bits != 32))
    return nullptr;
  // Only a picture of 256 colours or fewer carries a table the bits use.
  int colors = bits <= 8 ? 1 << bits : 0;
  if (colors && header.biClrUsed && header.biClrUsed < UINT32_C(1) << bits)
    colors = static_cast<int>(header.biClrUsed);
  const uint64_t tableEnd =
      header.biSize + static_cast<uint64_t>(colors) * sizeof(RGBQUAD);
  const uint64_t stride =
      (static_cast<uint64_t>(header.biWidth) * bits + 31) / 32 * 4;
  const uint64_t rows = header.biHeight < 0
                            ? -static_cast<int64_t>(header.biHeight)
                            : header.biHeight;
  if (tableEnd > size || stride * rows > size - tableEnd) return nullptr;

  RGBQUAD* table = nullptr;
  std::vector<RGBQUAD> copied(colors);
  if (colors) {
    std::memcpy(copied.data(), bytes + header.biSize, colors * sizeof(RGBQUAD));
    table = copied.data();
  }
  *pPalette = MakePalette(table, colors);
  qv::WindowDC screen(nullptr);
  qv::SelectPaletteScope palette(screen.get(), *pPalette);
  if (*pPalette) ::RealizePalette(screen.get());
  return ::CreateDIBitmap(screen.get(), &header, CBM_INIT, bytes + tableEnd,
                          reinterpret_cast<const BITMAPINFO*>(bytes),
                          DIB_RGB_COLORS);
}

HBITMAP CTitleWnd::LoadPicture(UINT id, HPALETTE* pPalette) {
  *pPalette = nullptr;
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
  if (!found) return nullptr;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  return PictureFromDib(data, ::SizeofResource(module, found), pPalette);
}

int CTitleWnd::OnCreate(CREATESTRUCT*) {
  if (Default() == -1) return -1;
  RECT rc = GetWindowRect();
  int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
  ::SetWindowPos(m_hWnd, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - cx) / 2,
                 (::GetSystemMetrics(SM_CYSCREEN) - cy) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetTimer(m_hWnd, kCloseTimer, kShowMilliseconds, nullptr);
  return 0;
}

void CTitleWnd::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  BITMAP info{};
  ::GetObjectA(m_bitmap.get(), sizeof info, &info);
  qv::UniqueHdc memory(::CreateCompatibleDC(dc));
  if (memory) {
    qv::SelectPaletteScope screenPalette(dc, m_palette.get());
    ::RealizePalette(dc);
    qv::SelectPaletteScope memoryPalette(memory.get(), m_palette.get());
    ::RealizePalette(memory.get());
    qv::SelectScope picture(memory.get(), m_bitmap.get());
    ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0,
             SRCCOPY);
  }
  ::EndPaint(m_hWnd, &ps);
}

void CTitleWnd::OnTimer(UINT_PTR) { DestroyWindow(); }
