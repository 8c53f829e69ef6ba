// bar/portable/FolderNotice.cpp: the notices a toolbar shows.
#include "bar/portable/FolderNotice.h"

namespace qv {

namespace {

bool EndsWithNoCase(const std::wstring& name, const wchar_t* suffix) {
  const std::wstring tail(suffix);
  if (name.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i) {
    wchar_t c = name[name.size() - tail.size() + i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != tail[i]) return false;
  }
  return true;
}

}  // namespace

bool NoticeChangesButtons(FolderNotice notice, const std::wstring& name,
                          bool followWrites) {
  if (notice == FolderNotice::kNames || followWrites) return true;
  for (const wchar_t* shortcut : {L".lnk", L".url", L".pif"})
    if (EndsWithNoCase(name, shortcut)) return true;
  return false;
}

}  // namespace qv
