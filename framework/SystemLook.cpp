// framework/SystemLook.cpp: the system's look, read from the registry and
// the system's parameters; dark frames through the desktop window manager.
#include "framework/SystemLook.h"

#include "framework/Handles.h"

namespace qv {

namespace {

constexpr char kPersonalizeKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
// DWMWA_USE_IMMERSIVE_DARK_MODE: not in every SDK's headers.
constexpr DWORD kUseImmersiveDarkMode = 20;

Rgb System(int index) { return static_cast<Rgb>(::GetSysColor(index)); }

class RegistryLook : public ISystemLook {
 public:
  bool AppsUseDarkMode() const override {
    UniqueHKey key;
    DWORD light = 1;
    DWORD size = sizeof light;
    DWORD type = 0;
    // No key or no value (Windows before 10, Wine): the light mode.
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kPersonalizeKey, 0, KEY_QUERY_VALUE,
                        key.put()) != ERROR_SUCCESS ||
        ::RegQueryValueExA(key.get(), "AppsUseLightTheme", nullptr, &type,
                           reinterpret_cast<BYTE*>(&light),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof light) {
      return false;
    }
    return light == 0;
  }
  bool HighContrast() const override {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast,
                                   &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
  }
  SystemColors Colors() const override {
    SystemColors colors;
    colors.window = System(COLOR_WINDOW);
    colors.windowText = System(COLOR_WINDOWTEXT);
    colors.buttonFace = System(COLOR_BTNFACE);
    colors.buttonText = System(COLOR_BTNTEXT);
    colors.buttonLight = System(COLOR_BTNHIGHLIGHT);
    colors.buttonShadow = System(COLOR_BTNSHADOW);
    colors.windowFrame = System(COLOR_WINDOWFRAME);
    colors.highlight = System(COLOR_HIGHLIGHT);
    colors.highlightText = System(COLOR_HIGHLIGHTTEXT);
    colors.hotLight = System(COLOR_HOTLIGHT);
    colors.grayText = System(COLOR_GRAYTEXT);
    return colors;
  }
};

// A function of a system library that older systems lack, or null.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = ::GetModuleHandleA(library);
  if (!module)
    module = ::LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  const FARPROC found = module ? ::GetProcAddress(module, name) : nullptr;
  // Through the generic function type, which any function pointer converts
  // to and from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

ISystemLook& SystemLook() {
  static RegistryLook look;
  return look;
}

Palette CurrentPalette(const ISystemLook& look) {
  return ChoosePalette(look.AppsUseDarkMode(), look.HighContrast(),
                       look.Colors());
}

bool IsLookChange(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      return true;
    case WM_SETTINGCHANGE: {
      if (wParam == SPI_SETHIGHCONTRAST) return true;
      // The bar's windows are ANSI ones: the system hands them the area's
      // name converted.
      const auto* area = reinterpret_cast<const char*>(lParam);
      return area && ::lstrcmpiA(area, "ImmersiveColorSet") == 0;
    }
    default:
      return false;
  }
}

void UseDarkFrame(HWND window, bool dark) {
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const auto set =
      SystemFunction<SetAttribute>("dwmapi.dll", "DwmSetWindowAttribute");
  if (!set || !window) return;
  const BOOL value = dark ? TRUE : FALSE;
  set(window, kUseImmersiveDarkMode, &value, sizeof value);
}

void UseDarkScrollBars(HWND window, bool dark) {
  using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const auto set =
      SystemFunction<SetTheme>("uxtheme.dll", "SetWindowTheme");
  if (!set || !window) return;
  // Null puts back the window's own style.
  set(window, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

}  // namespace qv
