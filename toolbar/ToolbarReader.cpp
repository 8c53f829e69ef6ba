// toolbar/ToolbarReader.cpp: toolbars' reads on threads of their own, or one
// after another on the local folders' thread.
#include "toolbar/ToolbarReader.h"

#include <objbase.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

struct CToolbarReader::Job {
  ToolbarRecord toolbar;
  CBarSettings settings;
  HWND window = nullptr;
  UINT message = 0;
  Result result;
  bool queued = false;  // waits in the queue, not begun; guarded by mutex
  bool done = false;    // guarded the same
  bool again = false;   // asked again while running; guarded the same
};

struct CToolbarReader::Jobs {
  std::mutex mutex;
  std::vector<std::shared_ptr<Job>> list;
  // The local reads not begun, in the order asked; whether their thread
  // has been started, and whether it is to end.
  std::deque<std::shared_ptr<Job>> queue;
  bool queueRuns = false;
  bool stop = false;
  std::condition_variable wake;
  std::condition_variable done;  // a read is done
};

CToolbarReader::CToolbarReader(IToolbarShell& shell)
    : m_shell(shell), m_jobs(std::make_shared<Jobs>()) {}

CToolbarReader::~CToolbarReader() {
  // The queue's thread ends after the read it makes now.
  {
    const std::lock_guard<std::mutex> lock(m_jobs->mutex);
    m_jobs->queue.clear();
    m_jobs->stop = true;
  }
  m_jobs->wake.notify_one();
}

void CToolbarReader::Read(HWND window, UINT message, const qv::FillKey& key,
                          const ToolbarRecord& toolbar,
                          const CBarSettings& settings, Thread thread) {
  {
    const std::lock_guard<std::mutex> lock(m_jobs->mutex);
    auto& list = m_jobs->list;
    const auto same = std::find_if(
        list.begin(), list.end(),
        [&key](const auto& job) { return job->result.key == key; });
    if (same != list.end() && !(*same)->done) {
      // One still queued reads the folder as it will be then.
      if (!(*same)->queued) (*same)->again = true;
      return;
    }
    if (same != list.end()) list.erase(same);
  }
  std::optional<ToolbarRecord> copy = CopyToolbarRecord(toolbar);
  auto job = std::make_shared<Job>();
  if (!copy || !settings.CopyTo(job->settings)) return;
  job->toolbar = std::move(*copy);
  job->window = window;
  job->message = message;
  job->result.key = key;
  const bool queued = thread == Thread::kQueue;
  {
    const std::lock_guard<std::mutex> lock(m_jobs->mutex);
    m_jobs->list.push_back(job);
    if (queued) {
      job->queued = true;
      m_jobs->queue.push_back(job);
      // The queue's thread takes it after the others.
      if (m_jobs->queueRuns) {
        m_jobs->wake.notify_one();
        return;
      }
      m_jobs->queueRuns = true;
    }
  }
  bool started = true;
  if (queued) {
    try {
      // Detached, as every read's thread: closing the bar must not wait for
      // a share's timeout, nor for a large folder. The thread keeps what it
      // uses alive itself.
      std::thread([&shell = m_shell, jobs = m_jobs] {
        RunQueue(shell, jobs);
      }).detach();
    } catch (const std::system_error&) {
      started = false;
    }
  } else {
    started = StartOwn(m_shell, m_jobs, job);
  }
  if (started) return;
  const std::lock_guard<std::mutex> lock(m_jobs->mutex);
  m_jobs->list.erase(std::find(m_jobs->list.begin(), m_jobs->list.end(), job));
  // No thread ran the queue: it held this job alone.
  if (queued) {
    m_jobs->queue.clear();
    m_jobs->queueRuns = false;
  }
}

bool CToolbarReader::StartOwn(IToolbarShell& shell,
                              const std::shared_ptr<Jobs>& jobs,
                              const std::shared_ptr<Job>& job) {
  try {
    std::thread([&shell, jobs, job] { RunOwn(shell, *jobs, *job); }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

void CToolbarReader::RunOwn(IToolbarShell& shell, Jobs& jobs, Job& job) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ReadJob(shell, jobs, job);
  if (SUCCEEDED(com)) ::CoUninitialize();
  // A window destroyed meanwhile takes nothing: the post fails.
  ::PostMessageA(job.window, job.message, 0, 0);
}

void CToolbarReader::RunQueue(IToolbarShell& shell,
                              const std::shared_ptr<Jobs>& shared) {
  Jobs& jobs = *shared;
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  for (;;) {
    std::shared_ptr<Job> job;
    {
      std::unique_lock<std::mutex> lock(jobs.mutex);
      jobs.wake.wait(lock,
                     [&jobs] { return jobs.stop || !jobs.queue.empty(); });
      if (jobs.stop) break;
      job = std::move(jobs.queue.front());
      jobs.queue.pop_front();
      job->queued = false;
    }
    // A share among the toolbars left for later is found here, off the
    // window's thread: its read, which may wait for the network, must not
    // hold the local folders asked after it.
    if (shell.IsRemote(job->toolbar.folder.get()) &&
        StartOwn(shell, shared, job))
      continue;
    ReadJob(shell, jobs, *job);
    ::PostMessageA(job->window, job->message, 0, 0);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
}

void CToolbarReader::ReadJob(IToolbarShell& shell, Jobs& jobs, Job& job) {
  Result& result = job.result;
  for (bool again = true; again;) {
    // A custom list is brought in step with its folder first, as a read on
    // the window's thread does; the window stores the list it takes.
    if (job.toolbar.HasCustomOrder() &&
        shell.SyncEntries(job.toolbar, job.settings))
      result.synced = job.toolbar.info;
    result.buttons.clear();
    // No owner window: a prompt of the folder's must not come from here.
    result.read =
        shell.Fill(job.toolbar, job.settings, nullptr, &result.buttons);
    result.unreachable =
        !result.read && shell.IsUnreachable(job.toolbar.folder.get());
    const std::lock_guard<std::mutex> lock(jobs.mutex);
    again = std::exchange(job.again, false);
    job.done = !again;
  }
  jobs.done.notify_all();
}

void CToolbarReader::WaitFor(const qv::FillKey& key,
                             std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(m_jobs->mutex);
  m_jobs->done.wait_for(lock, timeout, [this, &key] {
    const auto& list = m_jobs->list;
    const auto job =
        std::find_if(list.begin(), list.end(),
                     [&key](const auto& j) { return j->result.key == key; });
    return job == list.end() || (*job)->done;
  });
}

std::vector<CToolbarReader::Result> CToolbarReader::TakeResults() {
  std::vector<Result> results;
  const std::lock_guard<std::mutex> lock(m_jobs->mutex);
  auto& list = m_jobs->list;
  for (auto it = list.begin(); it != list.end();) {
    if ((*it)->done) {
      results.push_back(std::move((*it)->result));
      it = list.erase(it);
    } else {
      ++it;
    }
  }
  return results;
}
