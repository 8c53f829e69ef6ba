// shell/FileSearch.h: a FindFirstFileW search, closed with its scope. The
// pattern may be deeper than MAX_PATH characters.
#pragma once

#include <windows.h>

#include <string>

#include "shell/FileSystemPath.h"

class FileSearch {
 public:
  // Starts the search; `data` receives the first entry found.
  FileSearch(const std::string& pattern, WIN32_FIND_DATAW* data)
      : m_find(::FindFirstFileW(qv::FileApiPath(pattern).c_str(), data)) {}
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  ~FileSearch() {
    if (m_find != INVALID_HANDLE_VALUE) ::FindClose(m_find);
  }

  // False when nothing was found (GetLastError tells why).
  explicit operator bool() const { return m_find != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW* data) const {
    return ::FindNextFileW(m_find, data) != FALSE;
  }

 private:
  HANDLE m_find;
};
