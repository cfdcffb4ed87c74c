// The entry point of one libFuzzer program: hands every input to the
// target named when the program was built.
#include <cstring>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orn::fuzz::Target* const target = [] {
    for (const orn::fuzz::Target& t : orn::fuzz::kTargets)
      if (std::strcmp(t.name, ORNIVALE_FUZZ_TARGET) == 0) return &t;
    std::abort();
  }();
  target->run({data, size});
  return 0;
}
