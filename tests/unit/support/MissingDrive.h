// tests/unit/support/MissingDrive.h: an item identifier list on a drive
// letter that is not mapped, standing for an unplugged drive.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "framework/Handles.h"
#include "shell/ShellHelpers.h"

// The first letter from Z down that names no drive.
inline char MissingDriveLetter() {
  const DWORD drives = ::GetLogicalDrives();
  for (char letter = 'Z'; letter > 'D'; --letter)
    if (!(drives & (1u << (letter - 'A')))) return letter;
  return 0;
}

// The list of the root of drive `letter`: the shell may refuse to parse a
// drive that is not there, so C:'s list is copied with its letter changed.
inline qv::UniqueIdList DriveRootIdList(char letter) {
  qv::UniqueIdList list(qv::PathToIdList("C:\\", nullptr));
  if (!list) return list;
  const UINT size = qv::GetIdListSize(list.get());
  auto* bytes = reinterpret_cast<unsigned char*>(list.get());
  for (UINT i = 0; i + 2 < size; ++i)
    if ((bytes[i] == 'C' || bytes[i] == 'c') && bytes[i + 1] == ':' &&
        bytes[i + 2] == '\\')
      bytes[i] = static_cast<unsigned char>(letter);
  return list;
}
