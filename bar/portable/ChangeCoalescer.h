// bar/portable/ChangeCoalescer.h: folds a burst of folder changes into one
// re-read per folder: the batch is due once the changes have paused for a
// moment, or after a longest wait while they keep coming.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace qv {

class ChangeCoalescer {
 public:
  ChangeCoalescer(uint32_t quietMs, uint32_t longestWaitMs)
      : m_quiet(quietMs), m_longest(longestWaitMs) {}

  // Notes a change of `key` at `now` (milliseconds); answers the time from
  // `now` until the batch is due.
  uint32_t Note(const std::string& key, uint64_t now);
  // The batch's keys, once, when it is due at `now`; otherwise none, and
  // `*wait` the time left (0 with nothing noted).
  std::vector<std::string> TakeDue(uint64_t now, uint32_t* wait);
  bool Pending() const { return !m_keys.empty(); }

 private:
  uint64_t Due() const;

  uint32_t m_quiet;
  uint32_t m_longest;
  std::set<std::string> m_keys;
  uint64_t m_first = 0;
  uint64_t m_last = 0;
};

}  // namespace qv
