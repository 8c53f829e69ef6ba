// toolbar/ToolbarReader.h: CToolbarReader, the reads of toolbars that wait
// for their drive or share, each made on a thread of its own: asking a
// folder on an offline share waits for the network's timeout, and the window
// answers its user meanwhile. A finished read is posted to the window, which
// takes it.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "settings/BarSettings.h"
#include "toolbar/ToolbarButton.h"
#include "toolbar/ToolbarShell.h"
#include "toolbar/portable/FillKey.h"

class CToolbarReader {
 public:
  struct Result {
    qv::FillKey key;  // the toolbar's when the read began
    bool read = false;
    ToolbarButtons buttons;
  };

  explicit CToolbarReader(IToolbarShell& shell) : m_shell(shell) {}
  CToolbarReader(const CToolbarReader&) = delete;
  CToolbarReader& operator=(const CToolbarReader&) = delete;
  // Waits for the reads still running.
  ~CToolbarReader();

  // Reads `toolbar` as `settings` show it, unless a read of the same key
  // runs; posts `message` to `window` when it is done.
  void Read(HWND window, UINT message, const qv::FillKey& key,
            const ToolbarRecord& toolbar, const CBarSettings& settings);
  // The reads done since the last call.
  std::vector<Result> TakeResults();

 private:
  struct Job {
    ToolbarRecord toolbar;
    CBarSettings settings;
    Result result;
    bool done = false;  // guarded by m_mutex
    std::thread thread;
  };
  void Run(Job& job, HWND window, UINT message);

  IToolbarShell& m_shell;
  std::mutex m_mutex;
  std::vector<std::unique_ptr<Job>> m_jobs;
};
