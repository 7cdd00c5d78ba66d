#include "views/search/search_sources.h"

#include "model/core/program_ini.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "views/window_texts.h"

namespace {

constexpr std::size_t kSettingBuffer = 1024;

// True when `value` holds `part` at a position after its first character.
bool HoldsAfterFirst(const std::string& value, const char* part) {
    return value.find(part, 1) != std::string::npos;
}

}  // namespace

CSearchSourceList ListSearchSources(const std::string& language) {
    const char* wanted = nullptr;
    if (language.empty() || HoldsAfterFirst(language, ".en."))
        wanted = "REP_HALDEN";
    else if (HoldsAfterFirst(language, ".ru."))
        wanted = "REP_ORRE_RUS";

    CSearchSourceList list;
    int firstRepertory = -1;
    Corvela& engine = CorvelaInstance();
    const unsigned count = engine.GetDataSourceCount();
    for (unsigned position = 0; position < count; ++position) {
        DataSource* source = engine.GetDataSource(position);
        if (source == nullptr) continue;
        const int type = source->GetType();
        const char* format = nullptr;
        if (type == kSourceMateriaMedica)
            format = "{Materia Medica: }%s";
        else if (type == kSourceRepertory)
            format = "{Repertory: }%s";
        else
            continue;
        const char* text3 = source->GetText3();
        CSearchSourceEntry entry;
        entry.label = plumbing::DecodeCodePage(
            views::FormatTexts(Localize(format, 0), {text3 != nullptr ? text3 : ""}));
        entry.id = *source->GetGuid();
        entry.type = type;
        const int index = static_cast<int>(list.entries.size());
        list.entries.push_back(std::move(entry));
        if (type != kSourceRepertory) continue;
        if (firstRepertory < 0) firstRepertory = index;
        const char* name = source->GetName();
        if (wanted != nullptr && name != nullptr &&
            std::string(name).find(wanted) != std::string::npos)
            list.selected = index;
    }
    if (list.selected < 0) list.selected = firstRepertory;
    if (list.selected < 0 && !list.entries.empty()) list.selected = 0;
    return list;
}

std::string SearchLanguageSetting() {
    // The user's meridane.ini may choose another language than the program's.
    std::string value = ProgramIni().GetString("General", "Language", "");
    if (value.size() >= kSettingBuffer) value.resize(kSettingBuffer - 1);
    return value;
}

int SearchScopeOf(int type) {
    return type == kSourceMateriaMedica ? kScopeMateriaMedicas : kScopeRepertories;
}
