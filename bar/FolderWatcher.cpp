// bar/FolderWatcher.cpp: the folder watcher over overlapped directory change
// reads. One thread issues every read and runs their completions in its
// alertable wait, so there is no limit on the number of folders and one
// failed handle affects only its folder. The window's requests reach the
// thread as commands; the directories are opened on the thread pool and
// handed to it, so that an open waiting for a share delays no other folder.
#include <windows.h>

#include <dbt.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include "bar/DirectoryWatcher.h"
#include "bar/portable/FolderNotice.h"
#include "bar/portable/WatchRetry.h"
#include "framework/Handles.h"
#include "shell/FileSystemPath.h"

namespace {

void CloseDeviceNotice(HDEVNOTIFY notice) {
  ::UnregisterDeviceNotification(notice);
}
using UniqueDeviceNotice = qv::UniqueHandle<HDEVNOTIFY, CloseDeviceNotice>;

// Every change a toolbar can show: names, marks, writes and sizes (the
// notices of the last two are sifted by NoticeChangesButtons).
constexpr DWORD kChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
    FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_LAST_WRITE |
    FILE_NOTIFY_CHANGE_SIZE;
// Within the 64 KB a read on a network share may take.
constexpr DWORD kBufferBytes = 16 * 1024;

// What the watcher's thread shares with the opens on the thread pool, which
// may end after it.
struct Opens {
  explicit Opens(DirectoryOpener opener) : open(std::move(opener)) {}
  DirectoryOpener open;
  // Set when an open is done, and for the window's commands.
  qv::UniqueKernelObject wake{::CreateEventA(nullptr, FALSE, FALSE, nullptr)};
  std::mutex mutex;  // guards the members below
  // Each folder opened (by path) and its handle, INVALID_HANDLE_VALUE when
  // it could not be opened; owned here until the thread takes it.
  std::vector<std::pair<std::string, HANDLE>> done;
  bool ended = false;  // the thread is gone: an open closes its own handle
};

struct OpenJob {
  std::shared_ptr<Opens> opens;
  std::string path;
};

DWORD WINAPI RunOpen(void* context) {
  const std::unique_ptr<OpenJob> job(static_cast<OpenJob*>(context));
  Opens& opens = *job->opens;
  const HANDLE dir = opens.open(qv::FileApiPath(job->path));
  {
    const std::lock_guard<std::mutex> lock(opens.mutex);
    if (!opens.ended) {
      opens.done.emplace_back(job->path, dir);
      ::SetEvent(opens.wake.get());
      return 0;
    }
  }
  if (dir != INVALID_HANDLE_VALUE) ::CloseHandle(dir);
  return 0;
}

class DirectoryWatcher : public IFolderWatcher {
 public:
  explicit DirectoryWatcher(DirectoryOpener open)
      : m_opens(std::make_shared<Opens>(std::move(open))),
        m_thread([this] { Run(); }) {}

  ~DirectoryWatcher() override {
    Post([this] { m_quit = true; });
    m_thread.join();
  }

  // Not waited for: the window never waits for the thread.
  void Watch(HWND window, UINT message,
             const std::vector<WatchedFolder>& folders) override {
    Post([this, window, message, folders] {
      m_window = window;
      m_message = message;
      std::map<std::string, bool> wanted;
      for (const WatchedFolder& folder : folders)
        wanted[folder.path] = wanted[folder.path] || folder.followWrites;
      for (auto it = m_folders.begin(); it != m_folders.end();) {
        if (wanted.count(it->first)) {
          ++it;
          continue;
        }
        Close(*it->second);
        m_retry.Forget(it->first);
        it = m_folders.erase(it);
      }
      for (const auto& [path, followWrites] : wanted) {
        auto& folder = m_folders[path];
        if (!folder) {
          folder = std::make_unique<Folder>();
          folder->owner = this;
          folder->path = path;
          StartOpen(*folder);
        }
        folder->followWrites = followWrites;
      }
    });
  }

  std::vector<std::string> TakeChanged() override {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_posted = false;
    std::vector<std::string> changed(m_changed.begin(), m_changed.end());
    m_changed.clear();
    return changed;
  }

  void Retry() override {
    Post([this] { m_retry.Hurry(::GetTickCount64()); });
  }

  void Release(HANDLE handle) override {
    Call([this, handle] {
      for (auto& [path, folder] : m_folders) {
        if (!folder->dir || folder->dir.get() != handle) continue;
        Close(*folder);
        m_retry.Failed(path, ::GetTickCount64());
        folder->waited = true;
      }
    });
  }

 private:
  struct Folder {
    DirectoryWatcher* owner = nullptr;
    std::string path;
    bool followWrites = false;
    qv::UniqueKernelObject dir;
    UniqueDeviceNotice notice;
    OVERLAPPED overlapped{};
    bool reading = false;  // a read is issued and not yet completed
    bool closing = false;  // its completion is only awaited
    bool opening = false;  // its open runs on the thread pool
    // It could not be watched: once it is, it counts as changed.
    bool waited = false;
    std::unique_ptr<DWORD[]> buffer{new DWORD[kBufferBytes / sizeof(DWORD)]};
  };

  // Runs `command` on the watcher's thread.
  void Post(std::function<void()> command) {
    {
      const std::lock_guard<std::mutex> lock(m_mutex);
      m_commands.push_back(std::move(command));
    }
    ::SetEvent(m_opens->wake.get());
  }

  // The same, and waits for it a while: long enough for the thread to
  // close a handle, not for a share's timeout.
  void Call(std::function<void()> command) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    Post([command = std::move(command), done] {
      command();
      done->set_value();
    });
    finished.wait_for(std::chrono::seconds(5));
  }

  void Run() {
    while (!m_quit) {
      std::vector<std::function<void()>> commands;
      {
        const std::lock_guard<std::mutex> lock(m_mutex);
        commands.swap(m_commands);
      }
      for (auto& command : commands) command();
      if (m_quit) break;
      std::vector<std::pair<std::string, HANDLE>> opened;
      {
        const std::lock_guard<std::mutex> lock(m_opens->mutex);
        opened.swap(m_opens->done);
      }
      for (const auto& [path, dir] : opened) Opened(path, dir);
      const uint64_t now = ::GetTickCount64();
      for (const std::string& path : m_retry.Due(now)) {
        Folder& folder = *m_folders[path];
        // Counted as failed until its open succeeds, so that an open slower
        // than the wait is not started twice.
        m_retry.Failed(path, now);
        if (!folder.opening) StartOpen(folder);
      }
      const uint32_t wait = m_retry.NextWait(::GetTickCount64());
      // Alertable: the reads complete here.
      ::WaitForSingleObjectEx(m_opens->wake.get(),
                              wait == qv::WatchRetry::kNever ? INFINITE : wait,
                              TRUE);
    }
    for (auto& entry : m_folders) Close(*entry.second);
    m_folders.clear();
    // The opens still running close their own handles from now on.
    const std::lock_guard<std::mutex> lock(m_opens->mutex);
    m_opens->ended = true;
    for (const auto& opened : m_opens->done)
      if (opened.second != INVALID_HANDLE_VALUE) ::CloseHandle(opened.second);
    m_opens->done.clear();
  }

  // Opens the folder's directory on the thread pool; Opened takes it.
  void StartOpen(Folder& folder) {
    auto job = std::make_unique<OpenJob>(OpenJob{m_opens, folder.path});
    folder.opening =
        ::QueueUserWorkItem(RunOpen, job.get(), WT_EXECUTELONGFUNCTION);
    if (folder.opening) {
      job.release();
    } else if (!m_retry.Waiting(folder.path)) {
      m_retry.Failed(folder.path, ::GetTickCount64());
      folder.waited = true;
    }
  }

  // The directory of the folder `path` was opened as `dir`: it is watched
  // from now on, or tried again later.
  void Opened(const std::string& path, HANDLE dir) {
    qv::UniqueKernelObject owned(dir == INVALID_HANDLE_VALUE ? nullptr : dir);
    const auto it = m_folders.find(path);
    // No longer wanted, or opened twice.
    if (it == m_folders.end() || it->second->dir) return;
    Folder& folder = *it->second;
    folder.opening = false;
    if (owned && Follow(folder, std::move(owned))) {
      m_retry.Forget(path);
      // Its files may be other than when it was last read.
      if (folder.waited) NoteChanged(path);
      folder.waited = false;
    } else if (!m_retry.Waiting(path)) {
      // A retry is counted failed when it starts; a first open here.
      m_retry.Failed(path, ::GetTickCount64());
      folder.waited = true;
    }
  }

  // Reads the changes of the folder opened as `dir`; false when it cannot.
  bool Follow(Folder& folder, qv::UniqueKernelObject dir) {
    folder.dir = std::move(dir);
    folder.closing = false;
    // Told when the system asks to remove the volume, so that this handle
    // never keeps a drive from being removed safely.
    DEV_BROADCAST_HANDLE filter{};
    filter.dbch_size = sizeof filter;
    filter.dbch_devicetype = DBT_DEVTYP_HANDLE;
    filter.dbch_handle = folder.dir.get();
    if (m_window)
      folder.notice.reset(::RegisterDeviceNotificationA(
          m_window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    if (Read(folder)) return true;
    Close(folder);
    return false;
  }

  static bool Read(Folder& folder) {
    folder.overlapped = OVERLAPPED{};
    // Unused by the system when a completion routine is given.
    folder.overlapped.hEvent = &folder;
    folder.reading = ::ReadDirectoryChangesW(
        folder.dir.get(), folder.buffer.get(), kBufferBytes, FALSE, kChanges,
        nullptr, &folder.overlapped, &Completed);
    return folder.reading;
  }

  // Closes the folder's handle; its pending read completes before the
  // buffer it writes to may go.
  void Close(Folder& folder) {
    folder.closing = true;
    folder.notice.reset();
    if (folder.dir) ::CancelIoEx(folder.dir.get(), &folder.overlapped);
    folder.dir.reset();
    while (folder.reading) ::SleepEx(INFINITE, TRUE);
  }

  static void CALLBACK Completed(DWORD error, DWORD bytes,
                                 OVERLAPPED* overlapped) {
    Folder& folder = *static_cast<Folder*>(overlapped->hEvent);
    folder.reading = false;
    if (folder.closing) return;
    DirectoryWatcher& self = *folder.owner;
    // A full buffer (no notices, or ERROR_NOTIFY_ENUM_DIR) means the
    // folder is read again whole; another error means the handle failed,
    // the drive perhaps gone: the re-read tells, and the folder waits.
    if (error == ERROR_SUCCESS && bytes > 0) {
      if (self.Matters(folder, bytes)) self.NoteChanged(folder.path);
    } else {
      self.NoteChanged(folder.path);
    }
    if ((error == ERROR_SUCCESS || error == ERROR_NOTIFY_ENUM_DIR) &&
        Read(folder))
      return;
    self.Close(folder);
    self.m_retry.Failed(folder.path, ::GetTickCount64());
    folder.waited = true;
  }

  // Whether the first `bytes` of the folder's buffer hold a notice its
  // toolbar shows. Each record is checked to lie within them.
  bool Matters(const Folder& folder, DWORD bytes) const {
    const auto* base = reinterpret_cast<const BYTE*>(folder.buffer.get());
    const DWORD header = offsetof(FILE_NOTIFY_INFORMATION, FileName);
    for (DWORD at = 0; at + header <= bytes;) {
      const auto* info =
          reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(base + at);
      const DWORD length = std::min(info->FileNameLength, bytes - at - header);
      const std::wstring name(info->FileName, length / sizeof(WCHAR));
      const qv::FolderNotice notice = info->Action == FILE_ACTION_MODIFIED
                                          ? qv::FolderNotice::kModified
                                          : qv::FolderNotice::kNames;
      if (qv::NoticeChangesButtons(notice, name, folder.followWrites))
        return true;
      if (!info->NextEntryOffset) break;
      at += info->NextEntryOffset;
    }
    return false;
  }

  void NoteChanged(const std::string& path) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_changed.insert(path);
    if (!m_posted && m_window)
      m_posted = ::PostMessageA(m_window, m_message, 0, 0);
  }

  std::shared_ptr<Opens> m_opens;
  // The thread's own: the folders by path and when to try the waiting ones.
  std::map<std::string, std::unique_ptr<Folder>> m_folders;
  qv::WatchRetry m_retry;
  bool m_quit = false;
  HWND m_window = nullptr;  // where changes are posted
  UINT m_message = 0;
  std::mutex m_mutex;  // guards the members below
  std::vector<std::function<void()>> m_commands;
  std::set<std::string> m_changed;
  bool m_posted = false;
  std::thread m_thread;  // last: it starts once the rest is made
};

}  // namespace

HANDLE OpenWatchedDirectory(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), FILE_LIST_DIRECTORY,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED,
                       nullptr);
}

std::unique_ptr<IFolderWatcher> MakeDirectoryWatcher(DirectoryOpener open) {
  return std::make_unique<DirectoryWatcher>(std::move(open));
}

std::unique_ptr<IFolderWatcher> MakeDirectoryWatcher() {
  return MakeDirectoryWatcher(OpenWatchedDirectory);
}
