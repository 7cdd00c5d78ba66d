// What the fuzz targets share: the program directory with the demo data, the
// split of an input that holds a data file and its word index, and the check
// that stops a run when a round trip breaks.
//
// Every target defines LLVMFuzzerTestOneInput (and LLVMFuzzerInitialize where
// it needs one).  With MERIDANE_FUZZ they link libFuzzer; in the normal build
// replay_main.cpp drives them over the saved regression inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fuzz {

// Points MERIDANE_HOME at the build's program directory (the compiled demo
// data, its catalogue and language file) unless the caller has set it, and
// the user's data folder (MERIDANE_DATA) at the same directory.
void UseDemoHome();

// An input made of a data file and its word index: a 4-byte little-endian
// length of the data file, the data file, then the index.  A length beyond
// the input gives the data file the rest and the index nothing.
struct DataAndIndex {
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> index;
};
DataAndIndex SplitDataAndIndex(const std::uint8_t* bytes, std::size_t size);
std::vector<std::uint8_t> JoinDataAndIndex(const std::vector<std::uint8_t>& data,
                                           const std::vector<std::uint8_t>& index);

// The input as text.
inline std::string_view AsText(const std::uint8_t* bytes, std::size_t size) {
    return {reinterpret_cast<const char*>(bytes), size};
}

// Keeps a value a walk computed, so that none of its reads is optimised away.
extern volatile std::size_t g_kept;
inline void Keep(std::size_t value) {
    g_kept = value;
}

// Stops the run with `what` on standard error when `condition` is false, so
// that libFuzzer keeps the input (and a replay fails).
void Require(bool condition, const char* what);

}  // namespace fuzz
