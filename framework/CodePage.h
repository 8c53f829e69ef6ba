// framework/CodePage.h: the system's own ANSI code page, which the process's
// may not be: the manifest makes the process's UTF-8 where Windows allows.
#pragma once

#include <windows.h>

namespace qv {

// The ANSI code page of the system's locale, the one a process without the
// UTF-8 setting runs in; 0 when the locale does not tell.
inline UINT SystemCodePage() {
  DWORD codePage = 0;
  if (!::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT,
                        LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage),
                        sizeof codePage / sizeof(WCHAR))) {
    return 0;
  }
  return codePage;
}

// True on a system whose script needs double-byte characters (Chinese,
// Japanese, Korean). SM_DBCSENABLED says so for any process whose ANSI code
// page is UTF-8, so there the system's own code page decides.
inline bool IsDoubleByteSystem() {
  if (::GetACP() != CP_UTF8) return ::GetSystemMetrics(SM_DBCSENABLED) != 0;
  CPINFO info{};
  const UINT system = SystemCodePage();
  return system != 0 && ::GetCPInfo(system, &info) && info.MaxCharSize > 1;
}

}  // namespace qv
