#include "repertory_writer.h"

#include <corvela.h>

#include <optional>
#include <utility>
#include <vector>

#include "base/text/utf8.h"
#include "remedy_names.h"
#include "source_error.h"
#include "source_writer_support.h"

namespace corvela_sources {
namespace {

// Checks that a rubric text survives a source line; the reason otherwise.
std::optional<std::string> TextProblem(std::string_view text, int depth, bool hasRemedies) {
    if (text.find('\t') != std::string_view::npos) return "holds a TAB";
    if (text.find_first_of("\r\n") != std::string_view::npos) return "holds a line break";
    if (text.empty()) {
        if (!hasRemedies) return "is empty and has no remedies";
        return std::nullopt;
    }
    if (text.back() == ' ') return "ends with a space";
    if (depth == 0 && (text[0] == '@' || text[0] == '#'))
        return "is the root's and starts with '@' or '#'";
    return std::nullopt;
}

// Remedy names by catalogue number, looked up once each.
class NameCache {
public:
    explicit NameCache(Corvela& engine) : m_engine(engine) {}
    const std::string* Get(int number, std::string* reason) {
        if (number >= 0 && static_cast<std::size_t>(number) < m_names.size() &&
            m_names[number].has_value())
            return &*m_names[number];
        std::string name;
        if (!WritableRemedyName(m_engine, number, &name, reason)) return nullptr;
        if (static_cast<std::size_t>(number) >= m_names.size()) m_names.resize(number + 1);
        m_names[number] = AsUtf8(name);
        return &*m_names[number];
    }

private:
    static std::string AsUtf8(const std::string& cp1251) { return base::Cp1251ToUtf8(cp1251); }
    Corvela& m_engine;
    std::vector<std::optional<std::string>> m_names;
};

}  // namespace

bool WriteRepertorySource(Repertory& repertory, Corvela& engine, std::string* out,
                          std::string* error) {
    std::string text;
    if (!AppendSourceHeader(repertory, 0, &text, error)) return false;
    Topic* root = repertory.GetRoot();
    if (root == nullptr) {
        *error = "the repertory has no root rubric";
        return false;
    }
    NameCache names(engine);
    std::vector<std::pair<Topic*, int>> stack{{root, 0}};
    int number = 0;
    for (; !stack.empty(); ++number) {
        auto [topic, depth] = stack.back();
        stack.pop_back();
        const std::string_view rubricText = topic->GetText() != nullptr ? topic->GetText() : "";
        const int remedyCount = topic->GetRemedyCount();
        if (auto problem = TextProblem(rubricText, depth, remedyCount > 0)) {
            *error = "rubric " + std::to_string(number) + " " + QuoteForMessage(rubricText) +
                     ": its text " + *problem + ", which a source line cannot hold";
            return false;
        }
        text.append(depth, '\t');
        if (rubricText.empty()) text += ' ';  // a blank text, dropped again when read
        base::AppendCp1251AsUtf8(rubricText, &text);
        for (int i = 0; i < remedyCount; ++i) {
            std::string reason;
            const std::string* name = names.Get(topic->GetRemedy(i), &reason);
            if (name == nullptr) {
                *error = "rubric " + std::to_string(number) + " " + QuoteForMessage(rubricText) +
                         ": " + reason;
                return false;
            }
            text += i == 0 ? '\t' : ' ';
            text += *name;
            text += ':';
            text += std::to_string(topic->GetGrade(i));
        }
        text += '\n';
        for (int child = topic->GetChildCount() - 1; child >= 0; --child)
            stack.emplace_back(topic->GetChild(child), depth + 1);
    }
    *out += text;
    return true;
}

}  // namespace corvela_sources
