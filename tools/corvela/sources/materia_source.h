// The materia medica source (.mms): header lines, then articles.
//   @article NAME | TITLE   starts an article (both empty: about no remedy)
//   lines                   its plain text
//   @rtf                    starts its Rich Text Format text
//   @@...                   a body line starting with '@' one '@' less
// Blank lines at the start and end of either part are dropped.  An article
// with RTF and no plain text gets the RTF's plain text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "source_error.h"
#include "source_header.h"

namespace corvela_sources {

// The flags of a materia medica whose source gives none: a plain one.
inline constexpr std::uint32_t kPlainMateriaMedicaFlags = 0x40;

struct SourceArticle {
    int line = 0;      // the @article line
    std::string name;  // code page 1251, trimmed
    std::string title;
    std::string text;  // plain text, LF-separated
    std::string rtf;   // Rich Text Format, when hasRtf
    bool hasRtf = false;
};

struct MateriaMedicaSource {
    SourceHeader header;
    std::vector<SourceArticle> articles;
};

// Parses a whole source text (UTF-8); false with the first error in line order.
bool ParseMateriaMedicaSource(std::string_view text, const std::string& file,
                              MateriaMedicaSource* out, SourceError* error);

}  // namespace corvela_sources
