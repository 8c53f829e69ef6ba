// bar/AppBarService.h: the shell's appbar service (SHAppBarMessage) behind a
// small interface, so that the docking logic can be exercised against an
// in-process stand-in where the real service is only partly implemented.
#pragma once

#include <windows.h>
#include <shellapi.h>

class IAppBarService {
 public:
  virtual ~IAppBarService() = default;
  // One appbar message (ABM_*), answered as SHAppBarMessage answers it.
  virtual UINT_PTR Send(DWORD message, APPBARDATA* data) = 0;
};

// The shell's own service, for users.
IAppBarService& ShellAppBarService();
