// bench/e2e/empty/EmptyWindow.cpp: the least a program with a window does
// before a person sees it: it shows an empty window along the top of the
// screen, painted with the button face, until asked to close. The benchmark
// takes its start off the bar's, leaving what the bar itself adds. It shares
// the bar's title so that the benchmark finds both alike.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "QuorvaneBenchEmptyWindow";
  if (!::RegisterClassA(&windowClass)) return 1;
  if (!::CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName,
                         "Quorvane", WS_POPUP | WS_VISIBLE, 0, 0,
                         ::GetSystemMetrics(SM_CXSCREEN), 30, nullptr, nullptr,
                         instance, nullptr))
    return 1;
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
