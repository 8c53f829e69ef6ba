// settings/SettingsKeyWatcher.cpp: a change request on the settings key, and
// a thread-pool wait that posts to the bar when it is answered.
#include "settings/SettingsKeyWatcher.h"

bool CSettingsKeyWatcher::Watch(HWND window, UINT message) {
  if (!m_key) {
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_NOTIFY,
                        m_key.put()) != ERROR_SUCCESS)
      return false;
    m_event.reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    m_window = window;
    m_message = message;
    if (!m_event ||
        !::RegisterWaitForSingleObject(&m_wait, m_event.get(), Signalled, this,
                                       INFINITE, WT_EXECUTEDEFAULT)) {
      m_wait = nullptr;
      Stop();
      return false;
    }
  }
  // Values written, added and removed; sub-keys are not the bar's (the
  // first bar's key holds the further bars' keys, each watched by its bar).
  return ::RegNotifyChangeKeyValue(
             m_key.get(), FALSE,
             REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, m_event.get(),
             TRUE) == ERROR_SUCCESS;
}

void CSettingsKeyWatcher::Stop() {
  // Waits for a callback that is running, so that none posts afterwards.
  if (m_wait) ::UnregisterWaitEx(m_wait, INVALID_HANDLE_VALUE);
  m_wait = nullptr;
  m_key.reset();
  m_event.reset();
}

void CALLBACK CSettingsKeyWatcher::Signalled(void* self, BOOLEAN) {
  const auto* watcher = static_cast<const CSettingsKeyWatcher*>(self);
  ::PostMessageA(watcher->m_window, watcher->m_message, 0, 0);
}
