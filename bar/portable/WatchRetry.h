// bar/portable/WatchRetry.h: when to try again to watch the folders that
// could not be watched (a drive unplugged, a share offline, a handle that
// failed): a few seconds after the failure, the wait doubling at each
// failure up to a minute, so that a folder that comes back is followed again
// without any notice from the system.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qv {

class WatchRetry {
 public:
  static constexpr uint32_t kFirstWaitMs = 2000;
  static constexpr uint32_t kLongestWaitMs = 60000;
  // Nothing is waiting for a try.
  static constexpr uint32_t kNever = 0xFFFFFFFF;

  // `key` could not be watched at `now` (milliseconds): tried again after
  // its wait, which doubles at each failure in a row.
  void Failed(const std::string& key, uint64_t now);
  // `key` is watched, or no longer wanted: it waits for nothing.
  void Forget(const std::string& key) { m_waiting.erase(key); }
  bool Waiting(const std::string& key) const { return m_waiting.count(key); }
  // Every waiting folder is tried at once (a drive arrived, Refresh); the
  // next failure waits the first wait again.
  void Hurry(uint64_t now);
  // The waiting folders whose try is due at `now`.
  std::vector<std::string> Due(uint64_t now) const;
  // The time from `now` to the next try; kNever with none waiting.
  uint32_t NextWait(uint64_t now) const;

 private:
  struct Wait {
    uint64_t due = 0;
    uint32_t wait = 0;  // the wait that led to `due`
  };
  std::map<std::string, Wait> m_waiting;
};

}  // namespace qv
