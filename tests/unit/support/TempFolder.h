// tests/unit/support/TempFolder.h: a real folder under %TEMP% for tests that
// need the shell's file-system folders, removed with everything in it.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <string>

class TempFolder {
 public:
  explicit TempFolder(const char* tag) {
    static int serial = 0;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "qv-" + tag + "-" +
             std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++serial);
    ::CreateDirectoryA(m_path.c_str(), nullptr);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::string from = m_path + '\0';  // a double-terminated list
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&op);
  }

  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const {
    return m_path + "\\" + name;
  }

  // A file of `size` bytes with the given attributes; true when made.
  bool AddFile(const std::string& name, DWORD size = 0,
               DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
    HANDLE file = ::CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0,
                                nullptr, CREATE_NEW, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    ::CloseHandle(file);
    return true;
  }
  bool AddFolder(const std::string& name) const {
    return ::CreateDirectoryA((*this / name).c_str(), nullptr) != FALSE;
  }
  // A shortcut `name` (ending in .lnk) to `target` run with `arguments`.
  bool AddShortcut(const std::string& name, const char* target,
                   const char* arguments = "") const {
    Microsoft::WRL::ComPtr<IShellLinkA> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr,
                                  CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link->SetPath(target)) ||
        FAILED(link->SetArguments(arguments)) || FAILED(link.As(&file))) {
      return false;
    }
    wchar_t wide[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, (*this / name).c_str(), -1, wide,
                          MAX_PATH);
    return SUCCEEDED(file->Save(wide, TRUE));
  }

 private:
  std::string m_path;
};
