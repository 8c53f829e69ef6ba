// framework/Help.cpp: opening help pages, pop-up help for controls, and the
// help command's offer to the windows.
#include "framework/Help.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "framework/Handles.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

namespace qv {
namespace {

std::string LoadText(UINT id) {
  char text[512];
  int n = ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
  return std::string(text, n > 0 ? n : 0);
}

// --- The pop-up window -------------------------------------------------------

const char kPopupClass[] = "Quorvane.HelpPopup";
constexpr int kPopupMargin = 6;
constexpr int kPopupTextWidth = 300;
HWND g_popup = nullptr;

HFONT PopupFont() {
  static const UniqueHFont font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics,
                            0);
    return UniqueHFont(::CreateFontIndirectA(&metrics.lfStatusFont));
  }();
  return font.get();
}

std::string WindowText(HWND wnd) {
  std::string text(::GetWindowTextLengthA(wnd) + 1, '\0');
  text.resize(::GetWindowTextA(wnd, &text[0], static_cast<int>(text.size())));
  return text;
}

// The text's rectangle, at most kPopupTextWidth wide, wrapped at words.
RECT MeasureText(const std::string& text) {
  RECT rect{0, 0, kPopupTextWidth, 0};
  WindowDC dc(nullptr);
  SelectScope font(dc.get(), PopupFont());
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return rect;
}

void ClosePopup(HWND wnd) {
  // Cleared first: destroying sends focus and capture messages back here.
  if (wnd != g_popup) return;
  g_popup = nullptr;
  ::DestroyWindow(wnd);
}

void PaintPopup(HWND wnd) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(wnd, &ps);
  RECT rect;
  ::GetClientRect(wnd, &rect);
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_INFOBK));
  ::InflateRect(&rect, -kPopupMargin, -kPopupMargin);
  SelectScope font(dc, PopupFont());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
  std::string text = WindowText(wnd);
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_WORDBREAK | DT_NOPREFIX);
  ::EndPaint(wnd, &ps);
}

LRESULT CALLBACK PopupProc(HWND wnd, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintPopup(wnd);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KILLFOCUS:
      ClosePopup(wnd);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) ClosePopup(wnd);
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != wnd) ClosePopup(wnd);
      break;
    case WM_NCDESTROY:
      if (g_popup == wnd) g_popup = nullptr;
      break;
  }
  return ::DefWindowProcA(wnd, message, wParam, lParam);
}

bool RegisterPopupClass() {
  WNDCLASSA wc{};
  if (::GetClassInfoA(::GetModuleHandleA(nullptr), kPopupClass, &wc))
    return true;
  wc.style = CS_DROPSHADOW | CS_SAVEBITS;
  wc.lpfnWndProc = &PopupProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kPopupClass;
  return ::RegisterClassA(&wc) != 0;
}

// Centred below the control, or above it when the screen ends below; always
// inside the work area of the control's monitor.
POINT PlacePopup(HWND control, SIZE size) {
  RECT at;
  ::GetWindowRect(control, &at);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(control, MONITOR_DEFAULTTONEAREST),
                    &monitor);
  const RECT& work = monitor.rcWork;
  POINT pos{(at.left + at.right - size.cx) / 2, at.bottom + 2};
  if (pos.y + size.cy > work.bottom) pos.y = at.top - 2 - size.cy;
  if (pos.x + size.cx > work.right) pos.x = work.right - size.cx;
  if (pos.y + size.cy > work.bottom) pos.y = work.bottom - size.cy;
  if (pos.x < work.left) pos.x = work.left;
  if (pos.y < work.top) pos.y = work.top;
  return pos;
}

// --- The default help UI -----------------------------------------------------

class ShellHelpUi : public HelpUi {
 public:
  bool OpenPage(HWND owner, const std::string& path) override {
    HINSTANCE result = ::ShellExecuteA(owner, "open", path.c_str(), nullptr,
                                       nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
  }
  void ShowPopup(HWND control, DWORD contextId) override {
    std::string text = HelpPopupText(contextId);
    if (!text.empty()) ShowHelpPopupWindow(control, text);
  }
  bool OfferWhatsThis(HWND owner, POINT at) override {
    UniqueHMenu menu(::CreatePopupMenu());
    if (!menu) return false;
    ::AppendMenuA(menu.get(), MF_STRING, 1, LoadText(kIdsWhatsThis).c_str());
    return ::TrackPopupMenu(
               menu.get(),
               TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
               at.x, at.y, 0, owner, nullptr) == 1;
  }
  void ReportFailure(HWND owner) override {
    CWinApp* app = CWinApp::Get();
    ::MessageBoxA(owner, LoadText(kIdsFailedToLaunchHelp).c_str(),
                  app ? app->AppName().c_str() : "",
                  MB_OK | MB_ICONEXCLAMATION);
  }
};

ShellHelpUi g_shellUi;
HelpUi* g_ui = &g_shellUi;

bool OpenHelpPage(HWND owner, const std::string& file) {
  std::string folder = HelpFolder();
  std::string path = folder + file;
  DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  bool present = !folder.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
                 !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (present && g_ui->OpenPage(owner, path)) return true;
  g_ui->ReportFailure(owner);
  return false;
}

// The page's own child that holds a window (the window itself, or an inner
// part of a control such as a combo box's edit), or null.
HWND PageChild(HWND page, HWND wnd) {
  while (wnd && ::GetParent(wnd) != page) wnd = ::GetParent(wnd);
  return wnd;
}

// A right click on the page itself lands there when the control under it is
// disabled: find that control among the table's.
HWND TableControlAt(HWND page, POINT screenPoint, const HelpId* table) {
  for (; table && table->controlId; ++table) {
    HWND control = ::GetDlgItem(page, table->controlId);
    RECT rect;
    if (control && ::IsWindowVisible(control) &&
        ::GetWindowRect(control, &rect) && ::PtInRect(&rect, screenPoint))
      return control;
  }
  return nullptr;
}

HWND ParentOrOwner(HWND wnd) {
  return (::GetWindowLongA(wnd, GWL_STYLE) & WS_CHILD)
             ? ::GetParent(wnd)
             : ::GetWindow(wnd, GW_OWNER);
}

bool OfferAlongChain(HWND wnd) {
  for (; wnd; wnd = ParentOrOwner(wnd))
    if (::SendMessageA(wnd, WM_COMMANDHELP, 0, 0)) return true;
  return false;
}

}  // namespace

HelpUi& CurrentHelpUi() { return *g_ui; }

HelpUiOverride::HelpUiOverride(HelpUi& ui) : m_previous(g_ui) { g_ui = &ui; }
HelpUiOverride::~HelpUiOverride() { g_ui = m_previous; }

std::string HelpFolder() {
  std::string folder = ModuleFileName();
  if (folder.empty()) return {};
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "help\\";
}

bool OpenHelpContents(HWND owner) { return OpenHelpPage(owner, "index.html"); }

bool OpenHelpTopic(HWND owner, DWORD contextId) {
  return OpenHelpPage(owner, "topic" + std::to_string(contextId) + ".html");
}

DWORD FindHelpContext(const HelpId* table, UINT controlId) {
  for (; table && table->controlId; ++table)
    if (table->controlId == controlId) return table->contextId;
  return 0;
}

std::string HelpPopupText(DWORD contextId) {
  return LoadText(kIdsHelpPopupBase + contextId);
}

HWND ShowHelpPopupWindow(HWND control, const std::string& text) {
  ClosePopup(g_popup);
  if (!RegisterPopupClass()) return nullptr;
  RECT textRect = MeasureText(text);
  RECT frame{0, 0, textRect.right + 2 * kPopupMargin,
             textRect.bottom + 2 * kPopupMargin};
  const DWORD style = WS_POPUP | WS_BORDER;
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  POINT pos = PlacePopup(control, size);
  HWND wnd =
      ::CreateWindowExA(exStyle, kPopupClass, text.c_str(), style, pos.x, pos.y,
                        size.cx, size.cy, ::GetAncestor(control, GA_ROOT),
                        nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!wnd) return nullptr;
  g_popup = wnd;
  ::ShowWindow(wnd, SW_SHOW);
  ::SetFocus(wnd);
  // A click anywhere in the program closes it, not only one on itself.
  ::SetCapture(wnd);
  return g_popup;
}

BOOL HandleHelpInfo(const HELPINFO* info, const HelpId* table) {
  if (!info || info->iContextType != HELPINFO_WINDOW) return FALSE;
  if (::GetKeyState(VK_F1) < 0) return SendHelpCommand();
  DWORD contextId = FindHelpContext(table, info->iCtrlId);
  if (!contextId) return FALSE;
  g_ui->ShowPopup(static_cast<HWND>(info->hItemHandle), contextId);
  return TRUE;
}

BOOL HandleContextMenu(HWND page, HWND clicked, LPARAM screenPoint,
                       const HelpId* table) {
  POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  const bool fromKeyboard = screenPoint == -1;
  HWND control =
      clicked == page
          ? (fromKeyboard ? nullptr : TableControlAt(page, at, table))
          : PageChild(page, clicked);
  if (!control) return FALSE;
  DWORD contextId = FindHelpContext(table, ::GetDlgCtrlID(control));
  if (!contextId) return FALSE;
  if (fromKeyboard) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  if (g_ui->OfferWhatsThis(page, at)) g_ui->ShowPopup(control, contextId);
  return TRUE;
}

bool SendHelpCommand() {
  CWinApp* app = CWinApp::Get();
  return app && app->OnCommand(kIdHelp);
}

void OfferHelpRequest(HWND mainWnd) {
  if (OfferAlongChain(::GetCapture()) || OfferAlongChain(::GetFocus()) ||
      (mainWnd && OfferAlongChain(::GetLastActivePopup(mainWnd))))
    return;
  if (mainWnd) ::SendMessageA(mainWnd, WM_COMMAND, kIdDefaultHelp, 0);
}

LRESULT ForwardCommandHelp(HWND sheet) {
  HWND page = PropSheet_GetCurrentPageHwnd(sheet);
  return page ? ::SendMessageA(page, WM_COMMANDHELP, 0, 0) : 0;
}

}  // namespace qv
