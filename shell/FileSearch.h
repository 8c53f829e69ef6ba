// shell/FileSearch.h: a FindFirstFileA search, closed with its scope.
#pragma once

#include <windows.h>

class FileSearch {
 public:
  // Starts the search; `data` receives the first entry found.
  FileSearch(const char* pattern, WIN32_FIND_DATAA* data)
      : m_find(::FindFirstFileA(pattern, data)) {}
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  ~FileSearch() {
    if (m_find != INVALID_HANDLE_VALUE) ::FindClose(m_find);
  }

  // False when nothing was found (GetLastError tells why).
  explicit operator bool() const { return m_find != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA* data) const {
    return ::FindNextFileA(m_find, data) != FALSE;
  }

 private:
  HANDLE m_find;
};
