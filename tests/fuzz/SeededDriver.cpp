// tests/fuzz/SeededDriver.cpp: drives LLVMFuzzerTestOneInput where the
// compiler has no libFuzzer (g++): every seed as it is, then inputs made by
// a fixed pseudo-random generator, from scratch and by mutating the seeds.
// The same seed gives the same inputs, so a failure is repeatable.
//
//   settings_fuzz [-runs=N] [-seed=S] [-max_len=L] (DIR | FILE)...
//
// Each argument that is a folder gives its files as seeds; a file is run on
// its own (to replay a crash). An input that fails (a sanitizer's report or
// an abort) is written to ./seeded-crash-<n> on the way out.
#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size);

// UBSan's reports end in abort(), where the failing input is written out
// (its runtime does not call the death callback that AddressSanitizer's
// does), and show where they come from.
extern "C" const char* __ubsan_default_options() {
  return "abort_on_error=1:print_stacktrace=1";
}

namespace {

using Input = std::vector<std::uint8_t>;

Input ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Input(std::istreambuf_iterator<char>(in),
               std::istreambuf_iterator<char>());
}

// xorshift64*: small, fixed, the same everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : m_state(seed ? seed : 1) {}
  std::uint64_t Next() {
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return m_state * 0x2545F4914F6CDD1DULL;
  }
  size_t Below(size_t n) { return n ? static_cast<size_t>(Next() % n) : 0; }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }

 private:
  std::uint64_t m_state;
};

// Bytes stored values are often made of, and the edges of 32-bit numbers.
const std::uint8_t kInteresting[] = {0,    1,    2,    3,    4,   0x7f,
                                     0x80, 0xff, 0xfe, '\\', ' ', '*',
                                     '|',  'B',  'C',  'N',  '\t'};

void Mutate(Input& in, const std::vector<Input>& seeds, Random& r,
            size_t maxLen) {
  const int steps = 1 + static_cast<int>(r.Below(8));
  for (int s = 0; s < steps; ++s) {
    switch (r.Below(9)) {
      case 0:  // flip a bit
        if (!in.empty()) in[r.Below(in.size())] ^= 1u << r.Below(8);
        break;
      case 1:  // an interesting byte
        if (!in.empty())
          in[r.Below(in.size())] = kInteresting[r.Below(sizeof kInteresting)];
        break;
      case 2:  // a random byte inserted
        in.insert(in.begin() + r.Below(in.size() + 1), r.Byte());
        break;
      case 3:  // a run erased
        if (!in.empty()) {
          const size_t at = r.Below(in.size());
          const size_t n = 1 + r.Below(std::min<size_t>(in.size() - at, 16));
          in.erase(in.begin() + at, in.begin() + at + n);
        }
        break;
      case 4: {  // a whole record appended: set a value to random bytes
        in.push_back(static_cast<std::uint8_t>(r.Below(0x80)));
        const size_t n = r.Below(r.Below(2) ? 8 : 200);
        in.push_back(static_cast<std::uint8_t>(n));
        for (size_t i = 0; i < n; ++i)
          in.push_back(r.Below(3) ? kInteresting[r.Below(sizeof kInteresting)]
                                  : r.Byte());
        break;
      }
      case 5:  // a value removed
        in.push_back(static_cast<std::uint8_t>(0x80 | r.Below(0x80)));
        break;
      case 6:  // a 4-byte number at the edges
        if (in.size() >= 4) {
          const size_t at = r.Below(in.size() - 3);
          const std::uint8_t fill = r.Below(2) ? 0xff : 0x00;
          for (size_t i = 0; i < 4; ++i) in[at + i] = fill;
          in[at + (r.Below(2) ? 3 : 0)] ^= 0x80;
        }
        break;
      case 7: {  // a piece of another seed spliced in
        if (seeds.empty()) break;
        const Input& other = seeds[r.Below(seeds.size())];
        if (other.empty()) break;
        const size_t from = r.Below(other.size());
        const size_t n = 1 + r.Below(other.size() - from);
        in.insert(in.begin() + r.Below(in.size() + 1), other.begin() + from,
                  other.begin() + from + n);
        break;
      }
      default:  // a byte set at random
        if (!in.empty()) in[r.Below(in.size())] = r.Byte();
        break;
    }
  }
  if (in.size() > maxLen) in.resize(maxLen);
}

bool Flag(const char* arg, const char* name, unsigned long long* value) {
  const size_t n = std::strlen(name);
  if (std::strncmp(arg, name, n) != 0) return false;
  *value = std::strtoull(arg + n, nullptr, 10);
  return true;
}

// The input running now, written out when it fails.
const Input* g_current = nullptr;
unsigned long long g_number = 0;

void WriteCurrent() {
  if (!g_current) return;
  char path[64];
  std::snprintf(path, sizeof path, "seeded-crash-%llu", g_number);
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return;
  if (::write(fd, g_current->data(), g_current->size()) < 0) {
  }
  ::close(fd);
  std::fprintf(stderr, "seeded driver: the failing input is in %s\n", path);
  g_current = nullptr;
}

void OnAbort(int) {
  WriteCurrent();
  std::signal(SIGABRT, SIG_DFL);
  std::raise(SIGABRT);
}

void Run(const Input& in, unsigned long long n) {
  g_current = &in;
  g_number = n;
  LLVMFuzzerTestOneInput(in.data(), in.size());
  g_current = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  __sanitizer_set_death_callback(WriteCurrent);
  std::signal(SIGABRT, OnAbort);
  unsigned long long runs = 100000, seed = 1, maxLen = 4096;
  std::vector<Input> seeds;
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    if (Flag(argv[i], "-runs=", &runs) || Flag(argv[i], "-seed=", &seed) ||
        Flag(argv[i], "-max_len=", &maxLen))
      continue;
    const std::filesystem::path path = argv[i];
    if (std::filesystem::is_directory(path)) {
      std::vector<std::filesystem::path> found;
      for (const auto& entry : std::filesystem::directory_iterator(path))
        if (entry.is_regular_file()) found.push_back(entry.path());
      std::sort(found.begin(), found.end());  // the same order every time
      for (const auto& f : found) seeds.push_back(ReadFile(f));
    } else {
      files.push_back(path);
    }
  }

  if (!files.empty()) {
    for (const auto& f : files) {
      const Input in = ReadFile(f);
      std::printf("running %s (%zu bytes)\n", f.c_str(), in.size());
      LLVMFuzzerTestOneInput(in.data(), in.size());
    }
    std::printf("done: %zu inputs, no fault\n", files.size());
    return 0;
  }

  unsigned long long done = 0;
  for (const Input& in : seeds) Run(in, done++);
  Random r(seed);
  for (unsigned long long i = 0; i < runs; ++i) {
    Input in;
    if (seeds.empty() || r.Below(8) == 0) {
      in.resize(r.Below(64));
      for (auto& b : in) b = r.Byte();
    } else {
      in = seeds[r.Below(seeds.size())];
    }
    Mutate(in, seeds, r, maxLen);
    Run(in, done++);
  }
  std::printf(
      "seeded driver: %zu seeds and %llu generated inputs (seed %llu), "
      "no fault\n",
      seeds.size(), runs, seed);
  return 0;
}
