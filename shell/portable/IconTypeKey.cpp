// shell/portable/IconTypeKey.cpp: the per-type icon key of an item.
#include "shell/portable/IconTypeKey.h"

#include "shell/portable/NoCase.h"

namespace qv {

namespace {

// Types whose icon comes out of each file (or its target) whatever the
// registry says about the type.
const char* const kOwnIconTypes[] = {".exe", ".com", ".scr", ".pif",
                                     ".lnk", ".ico", ".cur", ".ani"};

}  // namespace

std::string SharedIconKey(const std::string& fileName, bool directory,
                          bool markedFolder) {
  if (directory) return markedFolder ? std::string() : std::string("\\");
  const size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot + 1 == fileName.size()) return {};
  const std::string extension = FoldCase(fileName.c_str() + dot);
  for (const char* own : kOwnIconTypes)
    if (extension == own) return {};
  return extension;
}

}  // namespace qv
