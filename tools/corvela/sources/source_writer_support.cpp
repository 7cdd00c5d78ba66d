#include "source_writer_support.h"

#include <corvela.h>

#include <cstdio>

#include "base/text/utf8.h"

namespace corvela_sources {

bool AppendSourceHeader(DataSource& source, std::uint32_t defaultFlags, std::string* out,
                        std::string* error) {
    char id[kGuidTextLength + 1];
    FormatGuid(*source.GetGuid(), id);
    std::string header = std::string("@id ") + id + "\n";
    const struct {
        const char* keyword;
        const char* text;
    } texts[] = {{"@name", source.GetName()},
                 {"@text2", source.GetText2()},
                 {"@text3", source.GetText3()},
                 {"@text4", source.GetText4()},
                 {"@text5", source.GetText5()}};
    for (const auto& [keyword, text] : texts) {
        const std::string_view value = text != nullptr ? text : "";
        if (value.empty()) continue;
        if (value.find_first_of("\r\n") != std::string_view::npos) {
            *error = std::string("header text ") + keyword + " holds a line break";
            return false;
        }
        header += keyword;
        header += ' ';
        base::AppendCp1251AsUtf8(value, &header);
        header += '\n';
    }
    if (source.GetFlags() != defaultFlags) {
        char flags[32];
        std::snprintf(flags, sizeof flags, "@flags 0x%X\n",
                      static_cast<unsigned>(source.GetFlags()));
        header += flags;
    }
    *out += header;
    return true;
}

}  // namespace corvela_sources
