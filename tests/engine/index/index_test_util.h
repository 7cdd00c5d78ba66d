// Small helpers for index tests.
#pragma once

#include <cstdint>
#include <vector>

#include "expected_bytes.h"
#include "index/index_builder_impl.h"

inline std::vector<std::uint8_t> Serialized(IndexBuilderImpl& builder) {
    std::vector<std::uint8_t> bytes;
    builder.Serialize(&bytes);
    return bytes;
}
