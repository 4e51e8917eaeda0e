// The libFuzzer entry of one fuzz program; the build names the target it runs.

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return VASTRELON_FUZZ_ENTRY(data, size);
}
