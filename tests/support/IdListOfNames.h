// tests/support/IdListOfNames.h: the bytes of a well-formed identifier list
// of one item per name (the item's 2-byte size, then the name), as the
// settings tests and the fuzz target store them.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

inline std::vector<unsigned char> IdListOfNames(
    std::initializer_list<std::string> names) {
  std::vector<unsigned char> list;
  for (const std::string& name : names) {
    list.push_back(static_cast<unsigned char>(name.size() + 2));
    list.push_back(0);
    list.insert(list.end(), name.begin(), name.end());
  }
  list.push_back(0);
  list.push_back(0);
  return list;
}

}  // namespace testsupport
