// libFuzzer entry point: every input is one session at the instrument (format in
// fuzz_session.h), checked after every pass (fuzz_invariants.h) under the sanitizers.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::play_session(data, size);
    return 0;
}
