// toolbar/ToolbarReader.cpp: a waiting toolbar's read on a thread of its own.
#include "toolbar/ToolbarReader.h"

#include <objbase.h>

#include <utility>

CToolbarReader::~CToolbarReader() {
  for (const auto& job : m_jobs)
    if (job->thread.joinable()) job->thread.join();
}

void CToolbarReader::Read(HWND window, UINT message, const qv::FillKey& key,
                          const ToolbarRecord& toolbar,
                          const CBarSettings& settings) {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& job : m_jobs)
      if (!job->done && job->result.key == key) return;
  }
  std::optional<ToolbarRecord> copy = CopyToolbarRecord(toolbar);
  auto job = std::make_unique<Job>();
  if (!copy || !settings.CopyTo(job->settings)) return;
  job->toolbar = std::move(*copy);
  job->result.key = key;
  Job& started = *job;
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_jobs.push_back(std::move(job));
  }
  started.thread = std::thread(
      [this, &started, window, message] { Run(started, window, message); });
}

void CToolbarReader::Run(Job& job, HWND window, UINT message) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // No owner window: a prompt of the folder's must not come from here.
  job.result.read =
      m_shell.Fill(job.toolbar, job.settings, nullptr, &job.result.buttons);
  if (SUCCEEDED(com)) ::CoUninitialize();
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    job.done = true;
  }
  ::PostMessageA(window, message, 0, 0);
}

std::vector<CToolbarReader::Result> CToolbarReader::TakeResults() {
  std::vector<std::unique_ptr<Job>> done;
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
      if ((*it)->done) {
        done.push_back(std::move(*it));
        it = m_jobs.erase(it);
      } else {
        ++it;
      }
    }
  }
  std::vector<Result> results;
  for (auto& job : done) {
    job->thread.join();
    results.push_back(std::move(job->result));
  }
  return results;
}
