#include "views/materia/word_highlights.h"

#include <algorithm>
#include <array>

#include "base/text/case_table.h"
#include "plumbing/text/code_page.h"

namespace materia {
namespace {

// Every UTF-16 unit mapped to its folded form: the characters of code page
// 1251 as the engine's table folds their bytes, every other one to itself.
struct FoldTable {
    FoldTable() {
        for (std::size_t c = 0; c < folded.size(); ++c) folded[c] = static_cast<char16_t>(c);
        for (int byte = 0; byte < 256; ++byte) {
            const auto c = static_cast<unsigned char>(byte);
            folded[plumbing::DecodeByte(c)] = plumbing::DecodeByte(base::LowerCp1251(c));
        }
    }
    std::array<char16_t, 0x10000> folded{};
};

const FoldTable& Table() {
    static const FoldTable table;
    return table;
}

}  // namespace

std::vector<std::string> SplitHighlight(const std::string& highlight) {
    std::vector<std::string> words;
    if (highlight.empty() || highlight[0] != '#') return words;
    std::size_t start = 1;
    while (start <= highlight.size()) {
        const std::size_t end = std::min(highlight.find('#', start), highlight.size());
        if (end > start) words.push_back(highlight.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string JoinHighlight(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) joined += '#' + word;
    return joined;
}

QString FoldCase(const QString& text) {
    const FoldTable& table = Table();
    QString folded(text.size(), Qt::Uninitialized);
    const QChar* from = text.constData();
    QChar* to = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i) to[i] = QChar(table.folded[from[i].unicode()]);
    return folded;
}

std::vector<CTextSpan> FindWordSpans(const QString& text, const std::vector<std::string>& words) {
    std::vector<CTextSpan> spans;
    if (words.empty()) return spans;
    const QString folded = FoldCase(text);
    for (const std::string& word : words) {
        const QString needle = FoldCase(plumbing::DecodeCodePage(word));
        if (needle.isEmpty()) continue;
        for (qsizetype at = folded.indexOf(needle); at >= 0;
             at = folded.indexOf(needle, at + needle.size())) {
            spans.push_back({static_cast<int>(at), static_cast<int>(needle.size())});
        }
    }
    std::sort(spans.begin(), spans.end(),
              [](const CTextSpan& a, const CTextSpan& b) { return a.start < b.start; });
    std::vector<CTextSpan> joined;
    for (const CTextSpan& span : spans) {
        if (!joined.empty() && span.start <= joined.back().End()) {
            joined.back().length = std::max(joined.back().End(), span.End()) - joined.back().start;
        } else {
            joined.push_back(span);
        }
    }
    return joined;
}

}  // namespace materia
