// shell/IconWorker.cpp: the icon thread's queue and loop.
#include "shell/IconWorker.h"

#include <objbase.h>

#include <utility>

namespace qv {

IconWorker::IconWorker(AskFn ask, HWND window, UINT message)
    : m_ask(std::move(ask)), m_window(window), m_message(message) {}

IconWorker::~IconWorker() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
    m_jobs.clear();
  }
  m_wake.notify_one();
  if (m_thread.joinable()) m_thread.join();
}

void IconWorker::Ask(std::vector<Job> jobs) {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_jobs.clear();
    for (Job& job : jobs) m_jobs.push_back(std::move(job));
    if (m_jobs.empty()) return;
  }
  if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
  m_wake.notify_one();
}

std::vector<IconWorker::Result> IconWorker::TakeResults() {
  const std::lock_guard<std::mutex> lock(m_mutex);
  m_posted = false;
  return std::exchange(m_results, {});
}

void IconWorker::Run() {
  // Shell icon handlers and shortcuts are COM objects of the apartment
  // model.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
    if (m_stop) break;
    Job job = std::move(m_jobs.front());
    m_jobs.pop_front();
    lock.unlock();
    const int image = m_ask(job.item.get());
    job.item.reset();
    lock.lock();
    if (m_stop) break;
    m_results.push_back({job.key, image});
    if (!m_posted)
      m_posted = ::PostMessageA(m_window, m_message, 0, 0) != FALSE;
  }
  lock.unlock();
  if (SUCCEEDED(com)) ::CoUninitialize();
}

}  // namespace qv
