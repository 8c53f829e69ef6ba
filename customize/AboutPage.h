// customize/AboutPage.h: CAboutPage, the "About" tab: the program's icon and
// version, its free memory and the free space of the current drive.
#pragma once

#include <string>

#include "customize/CustomizePage.h"

// A drive's free-space query, as GetDiskFreeSpaceA.
using DiskFreeSpaceQuery = BOOL(WINAPI*)(LPCSTR root, LPDWORD sectorsPerCluster,
                                         LPDWORD bytesPerSector,
                                         LPDWORD freeClusters,
                                         LPDWORD totalClusters);

// The page's line for the current directory's drive. A drive without its
// disk (a card reader, a CD drive) reads "Unavailable", without the system's
// box asking for a disk.
std::string FreeDiskSpaceLine(DiskFreeSpaceQuery query = &::GetDiskFreeSpaceA);

class CAboutPage : public CCustomizePage {
 public:
  CAboutPage();

 protected:
  BOOL OnInitDialog() override;
};
