#include "catalogue/catalogue_line.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "corvela/remedy.h"

namespace {

constexpr std::size_t kLineBuffer = 4096;

// An attribute in C "%i" notation: decimal, 0-prefixed octal or 0x hexadecimal,
// leading blanks allowed, trailing text ignored.
int ParseAttribute(const std::string& field) {
    if (field.empty()) return kNoAttribute;
    const char* start = field.c_str();
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(start, &end, 0);
    if (end == start) return kNoAttribute;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string CleanField(std::string_view field) {
    if (!field.empty() && field.back() == '.') field.remove_suffix(1);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    return std::string(field);
}

}  // namespace

CatalogueLine ParseCatalogueLine(std::string_view line) {
    CatalogueLine result;
    result.attributes.fill(kNoAttribute);
    int position = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c != '\t' && c != '\r' && c != '\n') continue;
        std::string field = CleanField(line.substr(start, i - start));
        if (position < 5)
            result.attributes[position] = ParseAttribute(field);
        else if (!field.empty())
            result.names.push_back(std::move(field));
        ++position;
        start = i + 1;
        if (c != '\t') break;  // CR or LF ends the line
    }
    return result;
}

std::vector<std::string> SplitCatalogueLines(std::string_view content) {
    // Text mode turns CR LF into LF before the line reader sees it; the
    // reader's buffer then holds at most 4,095 bytes of one line.
    std::string normalised;
    normalised.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') continue;
        normalised += content[i];
    }
    std::vector<std::string> lines;
    std::string_view rest(normalised);
    while (!rest.empty()) {
        std::size_t limit = std::min(rest.size(), kLineBuffer - 1);
        std::size_t newline = rest.substr(0, limit).find('\n');
        std::size_t length = newline == std::string_view::npos ? limit : newline + 1;
        lines.emplace_back(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return lines;
}
