// customize/AboutPage.cpp: reading the memory and disk figures.
#include "customize/AboutPage.h"

#include <string>

#include "customize/PageHelpTables.h"
#include "customize/portable/AboutFigures.h"
#include "framework/WideText.h"
#include "res/resource.h"

namespace {

std::string FreeMemoryLine() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!::GlobalMemoryStatusEx(&status)) return qv::kUnavailable;
  return qv::MemoryLine(status.ullAvailPhys);
}

}  // namespace

// The current directory's drive; a directory without a drive letter (a UNC
// path) has no figure.
std::string FreeDiskSpaceLine(DiskFreeSpaceQuery query) {
  // Asked for its length first: a current directory deeper than MAX_PATH
  // still lies on a drive.
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring directory(size, L'\0');
  const DWORD n = size ? ::GetCurrentDirectoryW(size, &directory[0]) : 0;
  const char drive =
      n && n < size ? qv::DriveLetterOf(qv::Narrow(directory.c_str())) : 0;
  if (!drive) return qv::kUnavailable;
  const char root[] = {drive, ':', '\\', '\0'};
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, total = 0;
  // This thread only, and only for the question: the drive's failure is the
  // answer, not a box for the user.
  DWORD mode = 0;
  ::SetThreadErrorMode(::GetThreadErrorMode() | SEM_FAILCRITICALERRORS, &mode);
  const BOOL read =
      query(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &total);
  ::SetThreadErrorMode(mode, nullptr);
  if (!read) return qv::kUnavailable;
  return qv::FreeDiskLine(freeClusters, sectorsPerCluster, bytesPerSector,
                          drive);
}

CAboutPage::CAboutPage() : CCustomizePage(IDD_ABOUT, kAboutTopic) {}

BOOL CAboutPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  SetDlgItemText(IDC_MEMORY, FreeMemoryLine().c_str());
  SetDlgItemText(IDC_DISK_SPACE, FreeDiskSpaceLine().c_str());
  return TRUE;
}
