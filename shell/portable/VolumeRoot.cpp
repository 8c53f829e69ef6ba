// shell/portable/VolumeRoot.cpp: a path's drive root or share prefix.
#include "shell/portable/VolumeRoot.h"

#include <cctype>

namespace qv {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// "\\server\share\" from the part after the two leading backslashes.
std::string ShareRoot(const std::string& rest) {
  const size_t server = rest.find_first_of("\\/");
  if (server == 0 || server == std::string::npos) return "";
  const size_t shareEnd = rest.find_first_of("\\/", server + 1);
  const std::string share = rest.substr(
      server + 1, shareEnd == std::string::npos ? std::string::npos
                                                : shareEnd - server - 1);
  if (share.empty()) return "";
  return "\\\\" + rest.substr(0, server) + "\\" + share + "\\";
}

}  // namespace

std::string VolumeRoot(const std::string& path) {
  std::string rest = path;
  if (StartsWith(rest, "\\\\?\\UNC\\")) return ShareRoot(rest.substr(8));
  if (StartsWith(rest, "\\\\?\\")) rest = rest.substr(4);
  if (rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) &&
      rest[1] == ':' && (rest.size() == 2 || IsSeparator(rest[2])))
    return std::string(1, rest[0]) + ":\\";
  if (rest.size() > 2 && IsSeparator(rest[0]) && IsSeparator(rest[1]) &&
      rest.size() == path.size())
    return ShareRoot(rest.substr(2));
  return "";
}

}  // namespace qv
