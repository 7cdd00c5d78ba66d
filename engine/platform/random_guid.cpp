#include "platform/random_guid.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

bool FillRandom(std::uint8_t* out, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::getrandom(out + got, size - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got == size) return true;
    std::ifstream urandom("/dev/urandom", std::ios::binary);
    return static_cast<bool>(
        urandom.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(size)));
}

}  // namespace

Guid NewRandomGuid() {
    std::uint8_t bytes[16] = {};
    FillRandom(bytes, sizeof bytes);
    Guid id;
    std::memcpy(&id.data1, bytes, 4);
    std::memcpy(&id.data2, bytes + 4, 2);
    std::memcpy(&id.data3, bytes + 6, 2);
    std::memcpy(id.data4, bytes + 8, 8);
    id.data3 = static_cast<std::uint16_t>((id.data3 & 0x0FFF) | 0x4000);   // version 4
    id.data4[0] = static_cast<std::uint8_t>((id.data4[0] & 0x3F) | 0x80);  // variant 10xx
    return id;
}
