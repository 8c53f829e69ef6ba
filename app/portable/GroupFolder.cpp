// app/portable/GroupFolder.cpp: the group folder's path.
#include "app/portable/GroupFolder.h"

namespace qv {

std::string GroupFolderPath(const std::string& parent,
                            const std::string& group) {
  std::string folder = parent;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (folder.empty()) return std::string();
  return folder + "\\" + group;
}

}  // namespace qv
