// Where and why a source file was refused.
#pragma once

#include <string>
#include <string_view>

namespace corvela_sources {

struct SourceError {
    std::string file;     // the path as the caller named it
    int line = 0;         // 1-based
    std::string message;  // UTF-8, without the place

    // "FILE:LINE: message"
    std::string ToString() const { return file + ":" + std::to_string(line) + ": " + message; }
};

// A quoted UTF-8 form of a code page 1251 text for messages, shortened to 60
// bytes.
std::string QuoteForMessage(std::string_view cp1251);

}  // namespace corvela_sources
