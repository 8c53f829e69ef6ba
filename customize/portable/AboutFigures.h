// customize/portable/AboutFigures.h: the About page's memory and free-disk
// lines, in 64 bits so that large memories and disks show whole.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

// Shown for a figure that cannot be read.
extern const char kUnavailable[];

// "<n> KB" for a byte count.
std::string MemoryLine(std::uint64_t bytes);

// "<n> KB Free on D:" for a drive's free clusters.
std::string FreeDiskLine(std::uint32_t freeClusters,
                         std::uint32_t sectorsPerCluster,
                         std::uint32_t bytesPerSector, char drive);

// The upper-case drive letter a directory path starts with ("d:\work" is
// 'D'), or 0 for one without (a UNC path "\\server\share").
char DriveLetterOf(const std::string& directory);

}  // namespace qv
