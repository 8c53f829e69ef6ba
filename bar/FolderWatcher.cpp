// bar/FolderWatcher.cpp: the folder watcher over directory change
// notifications: one thread waits on every watched folder's notification and
// a stop event, and posts to the bar when one fires.
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include "bar/FolderWatcher.h"
#include "framework/Handles.h"
#include "shell/FileSystemPath.h"

namespace {

void CloseChange(HANDLE handle) { ::FindCloseChangeNotification(handle); }
using UniqueChange = qv::UniqueHandle<HANDLE, CloseChange>;

// What makes a folder's buttons differ: names coming and going, and the
// hidden and system marks that leave entries out.
constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME |
                           FILE_NOTIFY_CHANGE_DIR_NAME |
                           FILE_NOTIFY_CHANGE_ATTRIBUTES;

class DirectoryWatcher : public IFolderWatcher {
 public:
  DirectoryWatcher() : m_stop(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~DirectoryWatcher() override { Stop(); }

  void Watch(HWND window, UINT message,
             const std::vector<std::string>& paths) override {
    if (window == m_window && message == m_message && paths == m_paths) return;
    Stop();
    m_window = window;
    m_message = message;
    m_paths = paths;
    m_changes.clear();
    m_watched.clear();
    for (const std::string& path : paths) {
      // The wait takes the stop event and at most this many others.
      if (m_changes.size() + 1 >= MAXIMUM_WAIT_OBJECTS) break;
      const HANDLE change = ::FindFirstChangeNotificationW(
          qv::FileApiPath(path).c_str(), FALSE, kChanges);
      if (change == INVALID_HANDLE_VALUE) continue;
      m_changes.emplace_back(change);
      m_watched.push_back(path);
    }
    if (m_changes.empty() || !m_stop) return;
    ::ResetEvent(m_stop.get());
    m_thread = std::thread([this] { Run(); });
  }

  std::vector<std::string> TakeChanged() override {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_posted = false;
    std::vector<std::string> changed(m_changed.begin(), m_changed.end());
    m_changed.clear();
    return changed;
  }

 private:
  void Run() {
    std::vector<HANDLE> handles{m_stop.get()};
    for (const UniqueChange& change : m_changes)
      handles.push_back(change.get());
    for (;;) {
      const DWORD signalled = ::WaitForMultipleObjects(
          static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
      const DWORD index = signalled - WAIT_OBJECT_0;
      if (index == 0 || index >= handles.size()) return;
      {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_changed.insert(m_watched[index - 1]);
        if (!m_posted) m_posted = ::PostMessageA(m_window, m_message, 0, 0);
      }
      if (!::FindNextChangeNotification(handles[index])) return;
    }
  }

  void Stop() {
    if (!m_thread.joinable()) return;
    ::SetEvent(m_stop.get());
    m_thread.join();
  }

  qv::UniqueKernelObject m_stop;
  HWND m_window = nullptr;
  UINT m_message = 0;
  std::vector<std::string> m_paths;    // as asked for
  std::vector<std::string> m_watched;  // those with a notification
  std::vector<UniqueChange> m_changes;
  std::thread m_thread;
  std::mutex m_mutex;  // guards the two below
  std::set<std::string> m_changed;
  bool m_posted = false;
};

}  // namespace

std::unique_ptr<IFolderWatcher> MakeDirectoryWatcher() {
  return std::make_unique<DirectoryWatcher>();
}
