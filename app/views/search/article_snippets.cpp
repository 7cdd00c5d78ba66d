#include "views/search/article_snippets.h"

#include <algorithm>

#include "base/text/case_table.h"

namespace search_snippets {

std::string FoldCase(std::string_view text) {
    return base::LowerCp1251Copy(text);
}

std::string RemoveLinkMarkup(std::string_view text) {
    // One pass from the left gives what deleting the first link again and
    // again from the start gives: nothing before a link's end holds an '@'.
    std::string shown;
    shown.reserve(text.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t first = text.find('@', from);
        const std::size_t second =
            first == std::string_view::npos ? first : text.find('@', first + 1);
        const std::size_t third =
            second == std::string_view::npos ? second : text.find('@', second + 1);
        if (third == std::string_view::npos) break;
        shown.append(text.substr(from, first - from));
        shown.append(text.substr(first + 1, second - first - 1));
        from = third + 1;
    }
    shown.append(text.substr(from));
    return shown;
}

std::vector<std::string> ArticleSnippets(std::string_view text,
                                         const std::vector<std::string>& words) {
    std::vector<std::string> lines;
    const std::string folded = FoldCase(text);
    const std::string_view haystack(folded);
    for (const std::string& word : words) {
        if (word.empty()) continue;
        const std::string needle = FoldCase(word);
        const std::size_t span = needle.size() + 2 * kSnippetContext;
        for (std::size_t at = haystack.find(needle); at != std::string_view::npos;
             at = haystack.find(needle, at + 1)) {
            const std::size_t start =
                at > static_cast<std::size_t>(kSnippetContext) ? at - kSnippetContext : 0;
            std::string part(text.substr(start, span));
            std::replace(part.begin(), part.end(), '\n', ' ');
            std::replace(part.begin(), part.end(), '\r', ' ');
            lines.push_back("... " + part + " ...");
        }
    }
    return lines;
}

std::vector<std::pair<int, int>> WordRanges(std::string_view text,
                                            const std::vector<std::string>& words) {
    std::vector<std::pair<int, int>> ranges;
    const std::string folded = FoldCase(text);
    for (const std::string& word : words) {
        if (word.empty()) continue;
        const std::string needle = FoldCase(word);
        for (std::size_t at = folded.find(needle); at != std::string::npos;
             at = folded.find(needle, at + 1))
            ranges.emplace_back(static_cast<int>(at), static_cast<int>(at + needle.size()));
    }
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, range.second);
        else
            merged.push_back(range);
    }
    return merged;
}

}  // namespace search_snippets
