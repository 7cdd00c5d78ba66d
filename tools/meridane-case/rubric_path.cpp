#include "rubric_path.h"

#include <vector>

#include "corvela.h"

namespace meridane_case {
namespace {

unsigned char LowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);  // А..Я
    switch (c) {
        case 0x80:
            return 0x90;  // Ђ
        case 0x81:
            return 0x83;  // Ѓ
        case 0x8A:
            return 0x9A;  // Љ
        case 0x8C:
            return 0x9C;  // Њ
        case 0x8D:
            return 0x9D;  // Ќ
        case 0x8E:
            return 0x9E;  // Ћ
        case 0x8F:
            return 0x9F;  // Џ
        case 0xA1:
            return 0xA2;  // Ў
        case 0xA3:
            return 0xBC;  // Ј
        case 0xA5:
            return 0xB4;  // Ґ
        case 0xA8:
            return 0xB8;  // Ё
        case 0xAA:
            return 0xBA;  // Є
        case 0xAF:
            return 0xBF;  // Ї
        case 0xB2:
            return 0xB3;  // І
        case 0xBD:
            return 0xBE;  // Ѕ
        default:
            return c;
    }
}

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

std::string LowerCp1251(std::string text) {
    for (char& c : text) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
    return text;
}

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
        const std::string wanted = LowerCp1251(step);
        Topic* found = nullptr;
        const int count = topic->GetChildCount();
        for (int i = 0; i < count && found == nullptr; ++i) {
            Topic* child = topic->GetChild(i);
            const char* text = child != nullptr ? child->GetText() : nullptr;
            if (text != nullptr && LowerCp1251(Trimmed(text)) == wanted) found = child;
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
