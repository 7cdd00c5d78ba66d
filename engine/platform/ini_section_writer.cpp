#include "platform/ini_section_writer.h"

#include <fstream>
#include <iterator>
#include <span>

#include "platform/atomic_file.h"

namespace {

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// True for a section header line "[name]"; *name is then the trimmed name.
bool IsHeader(std::string_view line, std::string_view* name) {
    std::string_view text = TrimBlanks(line);
    if (text.size() < 2 || text.front() != '[') return false;
    auto close = text.find(']');
    if (close == std::string_view::npos) return false;
    *name = TrimBlanks(text.substr(1, close - 1));
    return true;
}

// Splits into lines, each keeping its own line end.
std::vector<std::string> SplitKeepingEnds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        end = (end == std::string::npos) ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

}  // namespace

bool WriteIniSection(const std::string& path, std::string_view name,
                     const std::vector<std::string>& lines, std::string* error) {
    std::string old;
    {
        std::ifstream in(path, std::ios::binary);
        if (in) old.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::string eol = old.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> before = SplitKeepingEnds(old);

    std::string body = "[" + std::string(name) + "]" + eol;
    for (const auto& line : lines) body += line + eol;

    std::string result;
    bool written = false;
    bool skipping = false;
    for (const auto& line : before) {
        std::string_view header;
        if (IsHeader(line, &header)) {
            skipping = false;
            if (!written && SameNoCase(header, name)) {
                result += body;
                written = true;
                skipping = true;
                continue;
            }
        }
        if (!skipping) result += line;
    }
    if (!written) {
        if (!result.empty() && result.back() != '\n') result += eol;
        result += body;
    }
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(result.data()),
                                        result.size());
    return WriteFileAtomically(path, bytes, error);
}
