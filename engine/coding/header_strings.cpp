#include "coding/header_strings.h"

#include "coding/little_endian.h"

LoadError ReadHeaderStrings(const std::uint8_t* data, std::uint64_t size,
                            std::size_t offsetsField, const char* texts[kHeaderStringCount],
                            Guid* id) {
    for (int i = 0; i < kHeaderStringCount; ++i) {
        const std::size_t field = offsetsField + 2 * static_cast<std::size_t>(i);
        const std::int16_t offset = ReadI16(data + field);
        if (offset < 0 || offset + 2u > size) return {LoadFault::kBadHeaderString, field};
        const std::uint16_t length = ReadU16(data + offset);
        const std::uint64_t text = offset + 2u;
        if (length < 1 || text + length > size || data[text + length - 1] != 0)
            return {LoadFault::kBadHeaderString, static_cast<std::uint64_t>(offset)};
        texts[i] = reinterpret_cast<const char*>(data + text);
    }
    Guid parsed;
    if (ParseGuid(texts[0], &parsed)) *id = parsed;
    return {};
}
