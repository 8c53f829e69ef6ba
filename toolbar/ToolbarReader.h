// toolbar/ToolbarReader.h: CToolbarReader, the reads of toolbars made off
// the window's thread, so that the window answers its user meanwhile. A
// folder on a network share, or one waiting for its drive or share, is read
// on a thread of its own: asking an offline share waits for the network's
// timeout, and must hold no other read. Local folders are read one after
// another on one thread, in the order asked: many at once would only share
// the same disk and processors. A finished read is posted to the window,
// which takes it.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
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
    // Not read because its drive or share is missing; not read otherwise
    // means its folder is gone.
    bool unreachable = false;
    ToolbarButtons buttons;
    // The custom list brought in step with the folder before the read,
    // when that changed it.
    std::optional<ToolbarInfo> synced;
  };

  // `shell` must outlive every read started, which the reader does not.
  explicit CToolbarReader(IToolbarShell& shell);
  CToolbarReader(const CToolbarReader&) = delete;
  CToolbarReader& operator=(const CToolbarReader&) = delete;
  // Waits for no read: one held by an offline share finishes on its own
  // later, and its result is dropped. The local reads not begun are not made.
  ~CToolbarReader();

  // Where a read is made.
  enum class Thread {
    kOwn,    // on a thread of its own (a network folder, a waiting one)
    kQueue,  // after the local reads asked before it
  };
  // Reads `toolbar` as `settings` show it; posts `message` to `window` when
  // it is done. A read of the same key that runs is made again once done (its
  // folder may have changed since it began), one still queued stands for
  // this one, one done but not taken is dropped for this one.
  void Read(HWND window, UINT message, const qv::FillKey& key,
            const ToolbarRecord& toolbar, const CBarSettings& settings,
            Thread thread = Thread::kOwn);
  // The reads done since the last call.
  std::vector<Result> TakeResults();
  // Waits at most `timeout` for the read of `key` asked last to be done
  // (not at all when none was asked).
  void WaitFor(const qv::FillKey& key, std::chrono::milliseconds timeout);

 private:
  struct Job;
  struct Jobs;
  // Reads `job` on a thread of its own; false when none could be made.
  static bool StartOwn(IToolbarShell& shell, const std::shared_ptr<Jobs>& jobs,
                       const std::shared_ptr<Job>& job);
  static void RunOwn(IToolbarShell& shell, Jobs& jobs, Job& job);
  // Reads the queued jobs as they come, one thread for the reader's life
  // (making one for each batch of reads would cost more than it saves).
  static void RunQueue(IToolbarShell& shell, const std::shared_ptr<Jobs>& jobs);
  // Reads `job` until no read of its key is asked again meanwhile.
  static void ReadJob(IToolbarShell& shell, Jobs& jobs, Job& job);

  IToolbarShell& m_shell;
  // Owned by the reader and by every read's thread alike, so that a thread
  // may end after the reader is gone.
  std::shared_ptr<Jobs> m_jobs;
};
