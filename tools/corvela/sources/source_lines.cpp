#include "source_lines.h"

#include "base/text/utf8.h"

namespace corvela_sources {

SourceLineReader::SourceLineReader(std::string_view text, std::string file)
    : m_text(text), m_file(std::move(file)) {
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
}

bool SourceLineReader::Next(SourceLine* line) {
    if (m_failed || m_pos >= m_text.size()) return false;
    std::size_t end = m_text.find('\n', m_pos);
    if (end == std::string_view::npos) end = m_text.size();
    std::string_view raw = m_text.substr(m_pos, end - m_pos);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    ++m_number;
    line->number = m_number;
    line->text.clear();
    base::Utf8Problem problem;
    if (!base::AppendUtf8AsCp1251(raw, &line->text, &problem)) {
        m_failed = true;
        m_error = ErrorAt(m_number, base::DescribeProblem(problem));
        return false;
    }
    m_pos = end + 1;
    return true;
}

SourceError SourceLineReader::ErrorAt(int line, std::string message) const {
    return SourceError{m_file, line, std::move(message)};
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace corvela_sources
