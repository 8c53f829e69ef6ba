# cmake/Fuzz.cmake (native builds only): settings_fuzz, the fuzz target over
# everything that parses stored settings (tests/fuzz/SettingsFuzz.cpp), under
# AddressSanitizer and UBSan like the rest of the native build. With a
# compiler that has libFuzzer (clang, the fuzz preset) it is a libFuzzer
# program and the Win32-free code is built with its coverage; otherwise
# (g++, the native preset) tests/fuzz/SeededDriver.cpp feeds it seeded
# pseudo-random and mutated inputs.
#
# The test settings_fuzz is its short run from the seeds in
# tests/fuzz/corpus: QV_FUZZ_SECONDS under libFuzzer, QV_FUZZ_RUNS inputs
# with the seeded driver. Inputs that fail land in <build>/fuzz-artifacts.

set(QV_FUZZ_SECONDS 20 CACHE STRING "Seconds of the libFuzzer short run")
set(QV_FUZZ_RUNS 20000 CACHE STRING "Generated inputs of the seeded short run")

include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
check_cxx_source_compiles([[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) {
  return 0;
}]] QV_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)

set(QV_FUZZ_CORPUS ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus)
set(QV_FUZZ_ARTIFACTS ${CMAKE_BINARY_DIR}/fuzz-artifacts)
file(MAKE_DIRECTORY ${QV_FUZZ_ARTIFACTS})

if(QV_HAVE_LIBFUZZER)
  # The code under test reports its coverage to libFuzzer.
  target_compile_options(qv_options INTERFACE -fsanitize=fuzzer-no-link)
  add_executable(settings_fuzz tests/fuzz/SettingsFuzz.cpp)
  target_link_libraries(settings_fuzz PRIVATE quorvane_portable)
  target_link_options(settings_fuzz PRIVATE -fsanitize=fuzzer)
  # New inputs go to a folder of the build's, the seeds stay as committed.
  set(QV_FUZZ_WORK_CORPUS ${CMAKE_BINARY_DIR}/fuzz-corpus)
  file(MAKE_DIRECTORY ${QV_FUZZ_WORK_CORPUS})
  add_test(NAME settings_fuzz
    COMMAND settings_fuzz -max_total_time=${QV_FUZZ_SECONDS} -timeout=10
            -print_final_stats=1 -artifact_prefix=${QV_FUZZ_ARTIFACTS}/
            -dict=${CMAKE_SOURCE_DIR}/tests/fuzz/settings.dict
            ${QV_FUZZ_WORK_CORPUS} ${QV_FUZZ_CORPUS})
else()
  add_executable(settings_fuzz tests/fuzz/SettingsFuzz.cpp
                               tests/fuzz/SeededDriver.cpp)
  target_link_libraries(settings_fuzz PRIVATE quorvane_portable)
  add_test(NAME settings_fuzz
    COMMAND settings_fuzz -runs=${QV_FUZZ_RUNS} ${QV_FUZZ_CORPUS}
    WORKING_DIRECTORY ${QV_FUZZ_ARTIFACTS})
endif()
set_tests_properties(settings_fuzz PROPERTIES TIMEOUT 600)
