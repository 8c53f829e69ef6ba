// customize/portable/AboutFigures.cpp: formatting the About page's figures.
#include "customize/portable/AboutFigures.h"

namespace qv {

const char kUnavailable[] = "Unavailable";

std::string MemoryLine(std::uint64_t bytes) {
  return std::to_string(bytes >> 10) + " KB";
}

std::string FreeDiskLine(std::uint32_t freeClusters,
                         std::uint32_t sectorsPerCluster,
                         std::uint32_t bytesPerSector, char drive) {
  const std::uint64_t bytes =
      std::uint64_t{freeClusters} * sectorsPerCluster * bytesPerSector;
  return MemoryLine(bytes) + " Free on " + drive + ":";
}

char DriveLetterOf(const std::string& directory) {
  if (directory.size() < 2 || directory[1] != ':') return 0;
  const char c = directory[0];
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  return c >= 'A' && c <= 'Z' ? c : 0;
}

}  // namespace qv
