// tests/soak/SoakMain.cpp: the soak test program. It drives the real bar at
// random for a while (60 s unless told: "--seconds N" or QV_SOAK_SECONDS)
// from a fixed seed ("--seed N" or QV_SOAK_SEED), printed first so that a
// failure can be run again.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/soak/SoakDriver.h"

namespace {

unsigned long g_seed = 1205;
int g_seconds = 60;

unsigned long Number(const char* text, unsigned long fallback) {
  char* end = nullptr;
  const unsigned long value = text ? std::strtoul(text, &end, 10) : 0;
  return text && end != text && *end == '\0' ? value : fallback;
}

TEST(Soak, RandomUseLeavesTheBarUsable) {
  SoakDriver soak(static_cast<uint32_t>(g_seed));
  ASSERT_TRUE(soak.Start()) << soak.Failure();
  const bool ran = soak.Run(g_seconds);
  EXPECT_TRUE(ran) << soak.Failure();
  if (ran) {
    EXPECT_TRUE(soak.Finish()) << soak.Failure();
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  g_seed = Number(std::getenv("QV_SOAK_SEED"), g_seed);
  g_seconds = static_cast<int>(Number(std::getenv("QV_SOAK_SECONDS"),
                                      static_cast<unsigned long>(g_seconds)));
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0)
      g_seed = Number(argv[++i], g_seed);
    else if (std::strcmp(argv[i], "--seconds") == 0)
      g_seconds = static_cast<int>(
          Number(argv[++i], static_cast<unsigned long>(g_seconds)));
  }
  std::printf("soak: seed %lu, %d seconds\n", g_seed, g_seconds);
  std::fflush(stdout);
  return RUN_ALL_TESTS();
}
