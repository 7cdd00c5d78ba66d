// A materia medica source (.mms) as the corvela tool reads it: parsed whole
// (an article with RTF only gets the RTF's plain text); a refusal names the
// file and the line.
#include <cstring>

#include "fuzz_support.h"
#include "materia_source.h"

using namespace corvela_sources;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    MateriaMedicaSource source;
    SourceError error;
    if (!ParseMateriaMedicaSource(fuzz::AsText(bytes, size), "fuzz.mms", &source, &error)) {
        fuzz::Require(error.file == "fuzz.mms" && error.line >= 1 && !error.message.empty(),
                      "a refusal names the file, the line and why");
        return 0;
    }
    for (const SourceArticle& article : source.articles) {
        // The engine keeps texts zero-terminated: none may hold a zero byte.
        fuzz::Require(std::strlen(article.text.c_str()) == article.text.size(), "an article text");
        fuzz::Require(std::strlen(article.rtf.c_str()) == article.rtf.size(), "an article's RTF");
    }
    return 0;
}
