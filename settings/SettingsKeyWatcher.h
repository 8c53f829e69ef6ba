// settings/SettingsKeyWatcher.h: tells the bar when another program (a hand
// edit, a tool, a second copy of the settings) changes the settings key, so
// that the stored values are read again only then, never at every change of
// the bar's own.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Handles.h"

class CSettingsKeyWatcher {
 public:
  // Watches `keyPath` below HKEY_CURRENT_USER: the bar's own key.
  explicit CSettingsKeyWatcher(std::string keyPath)
      : m_keyPath(std::move(keyPath)) {}
  CSettingsKeyWatcher(const CSettingsKeyWatcher&) = delete;
  CSettingsKeyWatcher& operator=(const CSettingsKeyWatcher&) = delete;
  ~CSettingsKeyWatcher() { Stop(); }

  // Posts `message` to `window` at the next change of the key's values;
  // false when the key cannot be watched. Call it again from the same
  // thread, which must live as long as the watch, after each message: the
  // system tells of one change per request.
  bool Watch(HWND window, UINT message);
  void Stop();

 private:
  static void CALLBACK Signalled(void* self, BOOLEAN timedOut);

  std::string m_keyPath;
  qv::UniqueHKey m_key;
  qv::UniqueKernelObject m_event;
  HANDLE m_wait = nullptr;  // the thread pool's wait on m_event
  HWND m_window = nullptr;
  UINT m_message = 0;
};
