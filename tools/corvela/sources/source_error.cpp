#include "source_error.h"

#include "base/text/utf8.h"

namespace corvela_sources {

std::string QuoteForMessage(std::string_view cp1251) {
    constexpr std::size_t kMost = 60;
    std::string out = "\"";
    base::AppendCp1251AsUtf8(cp1251.substr(0, kMost), &out);
    if (cp1251.size() > kMost) out += "...";
    return out + "\"";
}

}  // namespace corvela_sources
