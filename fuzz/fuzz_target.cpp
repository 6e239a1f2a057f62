#include "fuzz/fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A whole layout costs four builds; one input in sixteen gets it.
    viewer::fuzz::loadOnce(data, size, size % 16 == 0);
    return 0;
}
