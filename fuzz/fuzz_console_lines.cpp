// libFuzzer entry for the console lines path of harness.h.
#include <cstddef>
#include <cstdint>

#include "harness.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzharness::PrepareEnvironment();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzharness::FuzzConsoleLines(data, size);
  return 0;
}
