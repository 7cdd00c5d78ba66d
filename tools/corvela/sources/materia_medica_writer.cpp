#include "materia_medica_writer.h"

#include <corvela.h>

#include <optional>
#include <string_view>
#include <vector>

#include "base/rtf/rtf_text.h"
#include "base/text/utf8.h"
#include "materia_articles.h"
#include "materia_source.h"
#include "remedy_names.h"
#include "source_lines.h"
#include "source_writer_support.h"

namespace corvela_sources {
namespace {

// Checks that an LF-separated text reads back as it stands; the reason
// otherwise.  The reader drops blank lines at both ends and the CR of a CR LF.
std::optional<std::string> PartProblem(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::size_t firstEnd = text.find('\n');
    if (IsBlank(text.substr(0, firstEnd))) return "starts with a blank line";
    if (IsBlank(text.substr(text.rfind('\n') + 1))) return "ends with a blank line";
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start && text[end - 1] == '\r') return "has a line ending in a carriage return";
        start = end + 1;
    }
    return std::nullopt;
}

// Appends the lines of a checked text, '@' doubled at the start of a line.
void AppendPart(std::string_view text, std::string* out) {
    if (text.empty()) return;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line[0] == '@') *out += '@';
        base::AppendCp1251AsUtf8(line, out);
        *out += '\n';
        start = end + 1;
    }
}

// "@article NAME | TITLE" (TITLE the long name, only for the reader's eyes),
// or "@article |" for an article about no remedy.
bool AppendArticleLine(Corvela& engine, int remedy, std::string* out, std::string* error) {
    if (remedy == -1) {
        *out += "@article |\n";
        return true;
    }
    std::string name;
    if (!WritableArticleRemedyName(engine, remedy, &name, error)) return false;
    std::string_view title = engine.GetRemedy(remedy)->GetLongName();
    if (title.find_first_of("\r\n") != std::string_view::npos) title = {};
    *out += "@article ";
    base::AppendCp1251AsUtf8(name, out);
    *out += " |";
    if (!title.empty()) {
        *out += ' ';
        base::AppendCp1251AsUtf8(title, out);
    }
    *out += '\n';
    return true;
}

std::string ArticleLabel(Corvela& engine, std::size_t number, int remedy) {
    std::string about = "no remedy";
    if (remedy != -1) {
        Remedy* known =
            remedy >= 0 && remedy < engine.GetRemedyCount() ? engine.GetRemedy(remedy) : nullptr;
        about = known != nullptr ? base::Cp1251ToUtf8(known->GetShortName())
                                 : "remedy number " + std::to_string(remedy);
    }
    return "article " + std::to_string(number) + " (" + about + ")";
}

bool AppendArticle(Corvela& engine, std::size_t number, Article& article, std::string* out,
                   std::string* error) {
    const int remedy = article.GetRemedy();
    const std::string_view text = article.GetText() != nullptr ? article.GetText() : "";
    const std::string_view rtf = article.GetRichText() != nullptr ? article.GetRichText() : "";
    const auto refuse = [&](const std::string& why) {
        *error = ArticleLabel(engine, number, remedy) + ": " + why;
        return false;
    };
    if (auto problem = PartProblem(text))
        return refuse("its text " + *problem + ", which a source cannot hold");
    if (auto problem = PartProblem(rtf))
        return refuse("its rich text " + *problem + ", which a source cannot hold");
    if (text.empty() && !rtf.empty() && !rtf::Cp1251PlainText(rtf).empty())
        return refuse(
            "its text is empty while its rich text is not; compiled again it would get "
            "the rich text's plain text");
    std::string reason;
    if (!AppendArticleLine(engine, remedy, out, &reason)) return refuse(reason);
    AppendPart(text, out);
    if (!rtf.empty()) {
        *out += "@rtf\n";
        AppendPart(rtf, out);
    }
    return true;
}

}  // namespace

bool WriteMateriaMedicaSource(DataSource& source, Corvela& engine, std::string* out,
                              std::string* error) {
    if (source.GetType() != kSourceMateriaMedica && source.GetType() != kSourceUserArticles) {
        *error = "it is not a materia medica";
        return false;
    }
    const std::vector<Article*> articles = ArticlesOf(source);
    if (articles.empty()) {
        *error = "it has no articles, and a materia medica without articles does not compile";
        return false;
    }
    std::string text;
    if (!AppendSourceHeader(source, kPlainMateriaMedicaFlags, &text, error)) return false;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        // A blank line before each article, for the eye: the reader drops it
        // as the end of the previous part, which never ends in a blank line.
        text += '\n';
        if (!AppendArticle(engine, i, *articles[i], &text, error)) return false;
    }
    *out += text;
    return true;
}

}  // namespace corvela_sources
