// tests/e2e/harness/Main.cpp: the end-to-end test program's entry point.
// Started with "--write-marker PATH" it only writes that file and ends: the
// tests use it as the small program that a button of the bar starts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-marker") == 0) {
    std::FILE* f = std::fopen(argv[2], "w");
    if (!f) return 1;
    std::fputs("started\n", f);
    std::fclose(f);
    return 0;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
