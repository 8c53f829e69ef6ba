// customize/HotKey.cpp: turning the stored key into RegisterHotKey's terms.
#include "customize/HotKey.h"

#include <commctrl.h>

#include "settings/portable/StoredSettings.h"

namespace qv {

UINT HotKeyModifiers(UINT key) {
  const UINT flags = HIBYTE(LOWORD(key));
  return (flags & HOTKEYF_SHIFT ? MOD_SHIFT : 0) |
         (flags & HOTKEYF_CONTROL ? MOD_CONTROL : 0) |
         (flags & HOTKEYF_ALT ? MOD_ALT : 0) |
         (flags & kHotKeyWin ? MOD_WIN : 0) | MOD_NOREPEAT;
}

WORD HotKeyControlValue(UINT key) {
  const BYTE vk = LOBYTE(key);
  const bool extended =
      (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
  return static_cast<WORD>(LOWORD(key) | (extended ? HOTKEYF_EXT << 8 : 0));
}

bool IsHotKeyFree(HWND window, UINT key) {
  constexpr int kProbeId = 0xBFFF;  // the top of an application's ids
  if (!LOBYTE(key)) return true;
  if (!::RegisterHotKey(window, kProbeId, HotKeyModifiers(key), LOBYTE(key)))
    return false;
  ::UnregisterHotKey(window, kProbeId);
  return true;
}

}  // namespace qv
