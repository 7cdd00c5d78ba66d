// The header strings shared by repertory and materia medica files: six
// counted strings (the identifier text, then texts 1 to 5) whose offsets
// stand as signed 16-bit values in the header.
#pragma once

#include <cstddef>
#include <cstdint>

#include "coding/load_error.h"
#include "corvela/guid.h"

inline constexpr int kHeaderStringCount = 6;

// Reads the six strings of the file [data, data + size) whose offsets start at
// offsetsField (the header itself must already be known to fit).  Each
// offset must be non-negative, and its length field, text and terminating
// zero inside the file.  On success texts[i] points at string i in the file
// and id holds the identifier parsed from string 0 (left as it was when the
// text is not one); otherwise the answer names the fault and its offset.
LoadError ReadHeaderStrings(const std::uint8_t* data, std::uint64_t size,
                            std::size_t offsetsField, const char* texts[kHeaderStringCount],
                            Guid* id);
