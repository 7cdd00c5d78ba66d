// The words of a search marked in the article on display: every occurrence
// of every word, found the way the search finds a word in an index word (as
// a part of it, case folded through the engine's code page 1251 table), so
// "head" marks "Headache" and "forehead".
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace materia {

// A run of characters of the shown text (QTextDocument positions).
struct CTextSpan {
    int start = 0;
    int length = 0;

    int End() const { return start + length; }
    bool operator==(const CTextSpan&) const = default;
};

// The highlight words of a highlight string: "#pain#night" gives "pain",
// "night"; a string that does not start with '#' gives none.  Empty words
// are dropped.
std::vector<std::string> SplitHighlight(const std::string& highlight);
// The highlight string of `words`: each prefixed by '#'.
std::string JoinHighlight(const std::vector<std::string>& words);

// `text` folded character by character through the code page 1251 case
// table (characters outside the code page stay as they are).
QString FoldCase(const QString& text);

// Every occurrence of every word (code page 1251) in `text`, in text order;
// occurrences that overlap or touch are joined into one span.
std::vector<CTextSpan> FindWordSpans(const QString& text, const std::vector<std::string>& words);

}  // namespace materia
