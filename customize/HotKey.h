// customize/HotKey.h: the stored hot key (a hot-key control's value: the
// virtual key in the low byte, HOTKEYF_* in the next) as RegisterHotKey takes
// it, and whether another program holds it.
#pragma once

#include <windows.h>

namespace qv {

// RegisterHotKey's modifiers for stored key `key`. A held key does not
// repeat: the bar comes forward once per press.
UINT HotKeyModifiers(UINT key);

// `key` as a hot-key control shows it: Home, End, the arrows and the like
// marked as the extended keys they are, or the control names their keypad
// twins ("Num 7" for Home).
WORD HotKeyControlValue(UINT key);

// Whether `key` could be registered now: tried for a moment on `window`
// under an id of its own. A key this process holds counts as taken.
bool IsHotKeyFree(HWND window, UINT key);

}  // namespace qv
