// shell/IconWorker.h: IconWorker, asking the shell for items' own icons on a
// thread of its own, so that a folder of programs and shortcuts shows its
// buttons at once and their icons as they come.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "framework/Handles.h"

namespace qv {

class IconWorker {
 public:
  // One item to ask about: its absolute list, and the caller's key for the
  // answer.
  struct Job {
    std::uint64_t key = 0;
    UniqueIdList item;
  };
  struct Result {
    std::uint64_t key = 0;
    int image = 0;
  };
  // The system icon index of an item; called on the worker's thread, where
  // COM is initialised.
  using AskFn = std::function<int(LPCITEMIDLIST item)>;

  // Results are announced by posting `message` to `window` (never sent: the
  // window may be waiting for this thread to end).
  IconWorker(AskFn ask, HWND window, UINT message);
  IconWorker(const IconWorker&) = delete;
  IconWorker& operator=(const IconWorker&) = delete;
  // Lets the item being asked about finish and ends the thread.
  ~IconWorker();

  // Asks about `jobs`, in their order, in place of every job not yet begun.
  void Ask(std::vector<Job> jobs);
  // The answers since the last call; the message is posted again after it
  // once there are more.
  std::vector<Result> TakeResults();

 private:
  void Run();

  AskFn m_ask;
  HWND m_window;
  UINT m_message;
  std::mutex m_mutex;  // guards the members below it
  std::condition_variable m_wake;
  std::deque<Job> m_jobs;
  std::vector<Result> m_results;
  bool m_posted = false;
  bool m_stop = false;
  std::thread m_thread;  // started with the first jobs
};

}  // namespace qv
