#include "repertory_source.h"

#include <charconv>

namespace corvela_sources {
namespace {

bool ParseGrade(std::string_view text, int* grade) {
    if (text.empty()) return false;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 255)
        return false;
    *grade = value;
    return true;
}

// Splits "acon:3 ars:2" into entries; false with a message for a bad entry.
bool ParseRemedyList(std::string_view list, std::vector<SourceRemedy>* out, std::string* message) {
    if (list.find('\t') != std::string_view::npos) {
        *message = "TAB inside the remedy list (entries are separated by spaces)";
        return false;
    }
    std::size_t pos = 0;
    while (pos < list.size()) {
        if (list[pos] == ' ') {
            ++pos;
            continue;
        }
        std::size_t end = list.find(' ', pos);
        if (end == std::string_view::npos) end = list.size();
        const std::string_view entry = list.substr(pos, end - pos);
        pos = end;
        const std::size_t colon = entry.rfind(':');
        const std::string quoted = QuoteForMessage(entry);
        SourceRemedy remedy;
        if (colon == std::string_view::npos) {
            *message = "remedy entry " + quoted + " has no grade (NAME:GRADE)";
            return false;
        }
        if (colon == 0) {
            *message = "remedy entry " + quoted + " has no name";
            return false;
        }
        if (!ParseGrade(entry.substr(colon + 1), &remedy.grade)) {
            *message = "remedy entry " + quoted + " needs a grade from 0 to 255";
            return false;
        }
        remedy.name = std::string(entry.substr(0, colon));
        out->push_back(std::move(remedy));
    }
    return true;
}

}  // namespace

bool ParseRepertorySource(std::string_view text, const std::string& file, RepertorySource* out,
                          SourceError* error) {
    SourceLineReader reader(text, file);
    SourceHeaderParser header(reader);
    std::vector<SourceRubric> rubrics;
    SourceLine line;
    bool inHeader = true;
    while (reader.Next(&line)) {
        if (inHeader) {
            const char first = line.text.empty() ? '\0' : line.text[0];
            if (IsBlank(line.text) || first == '#' || first == '@') {
                if (!header.Take(line, error)) return false;
                continue;
            }
            if (!header.Finish(line.number, error)) return false;
            inHeader = false;
        }
        if (IsBlank(line.text)) continue;
        std::string_view rest = line.text;
        const std::size_t depth = std::min(rest.find_first_not_of('\t'), rest.size());
        rest.remove_prefix(depth);
        if (rubrics.empty() && depth != 0) {
            *error = reader.ErrorAt(line.number, "the root rubric must not be indented");
            return false;
        }
        if (!rubrics.empty()) {
            const int previous = rubrics.back().depth;
            if (depth == 0) {
                *error = reader.ErrorAt(line.number,
                                        rest[0] == '@' ? "header line after the first rubric"
                                                       : "a second root rubric (every rubric after "
                                                         "the root is indented by TABs)");
                return false;
            }
            if (static_cast<int>(depth) > previous + 1) {
                *error = reader.ErrorAt(
                    line.number, "depth " + std::to_string(depth) + " after depth " +
                                     std::to_string(previous) + " (at most one level deeper)");
                return false;
            }
        }
        SourceRubric rubric;
        rubric.line = line.number;
        rubric.depth = static_cast<int>(depth);
        const std::size_t tab = rest.find('\t');
        std::string_view rubricText = rest.substr(0, tab);
        while (!rubricText.empty() && rubricText.back() == ' ') rubricText.remove_suffix(1);
        rubric.text = std::string(rubricText);
        if (tab != std::string_view::npos) {
            std::string message;
            if (!ParseRemedyList(rest.substr(tab + 1), &rubric.remedies, &message)) {
                *error = reader.ErrorAt(line.number, message);
                return false;
            }
        }
        rubrics.push_back(std::move(rubric));
    }
    if (reader.failed()) {
        *error = reader.error();
        return false;
    }
    const int last = reader.lineNumber() > 0 ? reader.lineNumber() : 1;
    if (inHeader && !header.Finish(last, error)) return false;
    if (rubrics.empty()) {
        *error = reader.ErrorAt(last, "no root rubric");
        return false;
    }
    out->header = std::move(header.header());
    out->rubrics = std::move(rubrics);
    return true;
}

}  // namespace corvela_sources
