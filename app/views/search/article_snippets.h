// The text snippets a search page shows under an article hit: every place
// where one of the query's words occurs, with some text either side.
//
// Words are found as the search found them: without regard to case, folded
// through the engine's code page 1251 case table, so an article found for
// "anxiety" shows its "Anxiety".  Texts are code page 1251.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace search_snippets {

// Text either side of a word in a snippet.
inline constexpr int kSnippetContext = 45;

// `text` with every link shown as its visible part: "@shown@target@" becomes
// "shown".  Links are taken from the left, three '@' at a time; '@'s left
// over at the end stay.
std::string RemoveLinkMarkup(std::string_view text);

// The snippet lines of `text` (without link markup) for `words`, word by
// word in their order: for each occurrence at p, from the start, the text
// from max(p - 45, 0), as long as the word plus 90 bytes (or to the end),
// line breaks turned to blanks, as "... %s ...".  Empty words find nothing.
std::vector<std::string> ArticleSnippets(std::string_view text,
                                         const std::vector<std::string>& words);

// `text` folded to lower case through the case table the engine folds with
// (base/text/case_table.h).
std::string FoldCase(std::string_view text);

// Where `words` occur in `text`, without regard to case: [start, end) byte
// ranges, sorted by start, overlapping ones merged (the page marks them).
std::vector<std::pair<int, int>> WordRanges(std::string_view text,
                                            const std::vector<std::string>& words);

}  // namespace search_snippets
