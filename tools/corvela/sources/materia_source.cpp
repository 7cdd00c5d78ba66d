#include "materia_source.h"

#include "base/rtf/rtf_text.h"
#include "base/text/blank_lines.h"

namespace corvela_sources {
namespace {

// "@article" alone or followed by a space or TAB.
bool IsArticleLine(std::string_view line) {
    constexpr std::string_view kKeyword = "@article";
    return line.substr(0, kKeyword.size()) == kKeyword &&
           (line.size() == kKeyword.size() || line[kKeyword.size()] == ' ' ||
            line[kKeyword.size()] == '\t');
}

// "@rtf", trailing spaces and TABs allowed.
bool IsRtfLine(std::string_view line) {
    return line.substr(0, 4) == "@rtf" && IsBlank(line.substr(4));
}

SourceArticle StartArticle(const SourceLine& line) {
    SourceArticle article;
    article.line = line.number;
    const std::string_view rest = std::string_view(line.text).substr(8);
    const std::size_t bar = rest.find('|');
    article.name = std::string(TrimBlanks(rest.substr(0, bar)));
    if (bar != std::string_view::npos)
        article.title = std::string(TrimBlanks(rest.substr(bar + 1)));
    return article;
}

// Collects the body lines of one part of an article.
class Part {
public:
    void Add(std::string_view line) {
        if (m_lines > 0) m_text += '\n';
        m_text += line;
        ++m_lines;
    }
    std::string Take() {
        std::string text = base::TrimBlankLines(m_text);
        m_text.clear();
        m_lines = 0;
        return text;
    }

private:
    std::string m_text;
    int m_lines = 0;
};

void FinishArticle(SourceArticle* article, Part* text, Part* rtf,
                   std::vector<SourceArticle>* articles) {
    article->text = text->Take();
    if (article->hasRtf) {
        article->rtf = rtf->Take();
        if (article->text.empty()) article->text = rtf::Cp1251PlainText(article->rtf);
    }
    articles->push_back(std::move(*article));
}

}  // namespace

bool ParseMateriaMedicaSource(std::string_view text, const std::string& file,
                              MateriaMedicaSource* out, SourceError* error) {
    SourceLineReader reader(text, file);
    SourceHeaderParser header(reader);
    std::vector<SourceArticle> articles;
    SourceArticle article;
    bool inArticle = false;
    Part plain, rich;
    SourceLine line;
    while (reader.Next(&line)) {
        if (IsArticleLine(line.text)) {
            if (inArticle)
                FinishArticle(&article, &plain, &rich, &articles);
            else if (!header.Finish(line.number, error))
                return false;
            article = StartArticle(line);
            inArticle = true;
            continue;
        }
        if (!inArticle) {
            if (IsRtfLine(line.text)) {
                *error = reader.ErrorAt(line.number, "@rtf before the first @article");
                return false;
            }
            const char first = line.text.empty() ? '\0' : line.text[0];
            if (!IsBlank(line.text) && first != '#' && first != '@') {
                *error = reader.ErrorAt(line.number, "text before the first @article");
                return false;
            }
            if (!header.Take(line, error)) return false;
            continue;
        }
        if (IsRtfLine(line.text)) {
            if (article.hasRtf) {
                *error = reader.ErrorAt(line.number, "a second @rtf in one article");
                return false;
            }
            article.hasRtf = true;
            continue;
        }
        std::string_view body = line.text;
        if (body.substr(0, 2) == "@@") body.remove_prefix(1);
        (article.hasRtf ? rich : plain).Add(body);
    }
    if (reader.failed()) {
        *error = reader.error();
        return false;
    }
    if (!inArticle) {
        if (!header.Finish(reader.lineNumber() > 0 ? reader.lineNumber() : 1, error)) return false;
    } else {
        FinishArticle(&article, &plain, &rich, &articles);
    }
    out->header = std::move(header.header());
    out->articles = std::move(articles);
    return true;
}

}  // namespace corvela_sources
