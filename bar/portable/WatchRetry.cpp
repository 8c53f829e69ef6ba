// bar/portable/WatchRetry.cpp: the growing waits between tries.
#include "bar/portable/WatchRetry.h"

#include <algorithm>

namespace qv {

void WatchRetry::Failed(const std::string& key, uint64_t now) {
  Wait& wait = m_waiting[key];
  wait.wait =
      wait.wait ? std::min(wait.wait * 2, kLongestWaitMs) : kFirstWaitMs;
  wait.due = now + wait.wait;
}

void WatchRetry::Hurry(uint64_t now) {
  for (auto& [key, wait] : m_waiting) {
    wait.due = now;
    wait.wait = 0;
  }
}

std::vector<std::string> WatchRetry::Due(uint64_t now) const {
  std::vector<std::string> due;
  for (const auto& [key, wait] : m_waiting)
    if (wait.due <= now) due.push_back(key);
  return due;
}

uint32_t WatchRetry::NextWait(uint64_t now) const {
  uint64_t next = UINT64_MAX;
  for (const auto& entry : m_waiting) next = std::min(next, entry.second.due);
  if (next == UINT64_MAX) return kNever;
  return next <= now ? 0
                     : static_cast<uint32_t>(
                           std::min<uint64_t>(next - now, kLongestWaitMs));
}

}  // namespace qv
