#include "base/text/blank_lines.h"

#include <vector>

namespace base {

std::string TrimBlankLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t pos = 0;;) {
        const std::size_t end = text.find('\n', pos);
        lines.push_back(text.substr(pos, end == std::string_view::npos ? text.npos : end - pos));
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    auto blank = [](std::string_view line) {
        return line.find_first_not_of(" \t") == std::string_view::npos;
    };
    std::size_t first = 0, last = lines.size();
    while (first < last && blank(lines[first])) ++first;
    while (last > first && blank(lines[last - 1])) --last;
    std::string out;
    for (std::size_t i = first; i < last; ++i) {
        if (i > first) out += '\n';
        out += lines[i];
    }
    return out;
}

}  // namespace base
