// bar/portable/ChangeCoalescer.cpp: when a batch of changes is due.
#include "bar/portable/ChangeCoalescer.h"

#include <algorithm>

namespace qv {

uint64_t ChangeCoalescer::Due() const {
  return std::min(m_last + m_quiet, m_first + m_longest);
}

uint32_t ChangeCoalescer::Note(const std::string& key, uint64_t now) {
  if (m_keys.empty()) m_first = now;
  m_last = std::max(m_last, now);
  m_keys.insert(key);
  const uint64_t due = Due();
  return due > now ? static_cast<uint32_t>(due - now) : 0;
}

std::vector<std::string> ChangeCoalescer::TakeDue(uint64_t now,
                                                  uint32_t* wait) {
  *wait = 0;
  if (m_keys.empty()) return {};
  const uint64_t due = Due();
  if (now < due) {
    *wait = static_cast<uint32_t>(due - now);
    return {};
  }
  std::vector<std::string> keys(m_keys.begin(), m_keys.end());
  m_keys.clear();
  return keys;
}

}  // namespace qv
