#include "platform/ini_section_writer.h"

#include <span>

#include "base/files/atomic_file.h"
#include "base/text/ascii.h"

namespace {

// True for a section header line "[name]"; *name is then the trimmed name.
bool IsHeader(std::string_view line, std::string_view* name) {
    std::string_view text = base::TrimAsciiSpace(line);
    if (text.size() < 2 || text.front() != '[') return false;
    auto close = text.find(']');
    if (close == std::string_view::npos) return false;
    *name = base::TrimAsciiSpace(text.substr(1, close - 1));
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
    base::ReadWholeFile(path, &old);  // a missing file is created
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
            if (!written && base::EqualsIgnoringAsciiCase(header, name)) {
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
    return base::WriteFileAtomically(path, bytes, error);
}
