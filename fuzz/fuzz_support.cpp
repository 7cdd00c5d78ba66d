#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

volatile std::size_t g_kept = 0;

void UseDemoHome() {
    ::setenv("MERIDANE_HOME", MERIDANE_FUZZ_HOME, 0);
    // The user's data folder is the program directory itself, so that no
    // data file of the user joins the fixed data set.
    ::setenv("MERIDANE_DATA", std::getenv("MERIDANE_HOME"), 1);
}

DataAndIndex SplitDataAndIndex(const std::uint8_t* bytes, std::size_t size) {
    DataAndIndex parts;
    if (size < 4) return parts;
    const std::size_t length =
        bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::size_t>(bytes[3]) << 24;
    const std::size_t rest = size - 4;
    const std::size_t data = length < rest ? length : rest;
    parts.data.assign(bytes + 4, bytes + 4 + data);
    parts.index.assign(bytes + 4 + data, bytes + size);
    return parts;
}

std::vector<std::uint8_t> JoinDataAndIndex(const std::vector<std::uint8_t>& data,
                                           const std::vector<std::uint8_t>& index) {
    const std::size_t length = data.size();
    std::vector<std::uint8_t> bytes = {
        static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
        static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    bytes.insert(bytes.end(), index.begin(), index.end());
    return bytes;
}

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace fuzz
