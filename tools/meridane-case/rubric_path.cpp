#include "rubric_path.h"

#include <vector>

#include "base/text/case_table.h"
#include "corvela.h"

namespace meridane_case {
namespace {

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    std::size_t end = text.size();
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == ':' ||
                           text[end - 1] == ';'))
        --end;
    return text.substr(begin, end - begin);
}

std::vector<std::string> Steps(const std::string& path) {
    std::vector<std::string> steps;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = path.find(';', start);
        std::string step = Trimmed(path.substr(start, semicolon - start));
        if (!step.empty()) steps.push_back(std::move(step));
        if (semicolon == std::string::npos) break;
        start = semicolon + 1;
    }
    return steps;
}

}  // namespace

Repertory* FindRepertory(const std::string& nameOrId) {
    Corvela& engine = CorvelaInstance();
    DataSource* source = nullptr;
    Guid id;
    if (nameOrId.size() == kGuidTextLength && ParseGuid(nameOrId.c_str(), &id))
        source = engine.FindDataSource(&id);
    if (source == nullptr) source = engine.FindDataSourceByName(nameOrId.c_str());
    if (source == nullptr || source->GetType() != kSourceRepertory) return nullptr;
    return static_cast<Repertory*>(source);
}

Topic* FindRubric(Repertory& repertory, const std::string& path, std::string* problem) {
    const std::vector<std::string> steps = Steps(path);
    Topic* topic = repertory.GetRoot();
    if (steps.empty() || topic == nullptr) {
        *problem = "empty rubric path";
        return nullptr;
    }
    std::string walked;
    for (const std::string& step : steps) {
        const std::string wanted = base::LowerCp1251Copy(step);
        Topic* found = nullptr;
        const int count = topic->GetChildCount();
        for (int i = 0; i < count && found == nullptr; ++i) {
            Topic* child = topic->GetChild(i);
            const char* childText = child != nullptr ? child->GetText() : nullptr;
            if (childText != nullptr && base::LowerCp1251Copy(Trimmed(childText)) == wanted)
                found = child;
        }
        if (found == nullptr) {
            *problem = walked.empty() ? "no rubric \"" + step + "\" in the first level"
                                      : "no rubric \"" + step + "\" under \"" + walked + "\"";
            return nullptr;
        }
        walked += (walked.empty() ? "" : "; ") + Trimmed(found->GetText());
        topic = found;
    }
    return topic;
}

}  // namespace meridane_case
