// toolbar/ToolbarReader.cpp: a toolbar's read on a thread of its own.
#include "toolbar/ToolbarReader.h"

#include <objbase.h>

#include <algorithm>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

struct CToolbarReader::Job {
  ToolbarRecord toolbar;
  CBarSettings settings;
  Result result;
  bool done = false;   // guarded by Jobs::mutex
  bool again = false;  // asked again while running; guarded the same
};

struct CToolbarReader::Jobs {
  std::mutex mutex;
  std::vector<std::shared_ptr<Job>> list;
};

CToolbarReader::CToolbarReader(IToolbarShell& shell)
    : m_shell(shell), m_jobs(std::make_shared<Jobs>()) {}

void CToolbarReader::Read(HWND window, UINT message, const qv::FillKey& key,
                          const ToolbarRecord& toolbar,
                          const CBarSettings& settings) {
  {
    const std::lock_guard<std::mutex> lock(m_jobs->mutex);
    auto& list = m_jobs->list;
    const auto same = std::find_if(
        list.begin(), list.end(),
        [&key](const auto& job) { return job->result.key == key; });
    if (same != list.end() && !(*same)->done) {
      (*same)->again = true;
      return;
    }
    if (same != list.end()) list.erase(same);
  }
  std::optional<ToolbarRecord> copy = CopyToolbarRecord(toolbar);
  auto job = std::make_shared<Job>();
  if (!copy || !settings.CopyTo(job->settings)) return;
  job->toolbar = std::move(*copy);
  job->result.key = key;
  {
    const std::lock_guard<std::mutex> lock(m_jobs->mutex);
    m_jobs->list.push_back(job);
  }
  try {
    // Detached: closing the bar must not wait for a share's timeout. The
    // thread keeps what it uses alive itself.
    std::thread([&shell = m_shell, jobs = m_jobs, job, window, message] {
      Run(shell, *jobs, *job, window, message);
    }).detach();
  } catch (const std::system_error&) {
    const std::lock_guard<std::mutex> lock(m_jobs->mutex);
    m_jobs->list.erase(
        std::find(m_jobs->list.begin(), m_jobs->list.end(), job));
  }
}

void CToolbarReader::Run(IToolbarShell& shell, Jobs& jobs, Job& job,
                         HWND window, UINT message) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
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
  if (SUCCEEDED(com)) ::CoUninitialize();
  // A window destroyed meanwhile takes nothing: the post fails.
  ::PostMessageA(window, message, 0, 0);
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
