// The libFuzzer entry of one target, chosen by LUMORA_FUZZ_TARGET when the
// target's program is built.

#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const lumora::FuzzTarget* target = [] {
    const auto targets = lumora::FuzzTargets();
    const auto found = std::find_if(targets.begin(), targets.end(),
                                    [](const auto& t) { return t.name == LUMORA_FUZZ_TARGET; });
    if (found == targets.end()) std::abort();
    return &*found;
  }();
  target->read({data, size});
  return 0;
}
