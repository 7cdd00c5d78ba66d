#include "index/word_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "index/index_path.h"

namespace {

template <class Split>
std::vector<std::string> Words(Split split, std::string_view text) {
    std::vector<std::string> words;
    split(text, [&](std::string_view word) { words.emplace_back(word); });
    return words;
}

using Words_ = std::vector<std::string>;

}  // namespace

TEST(WordSplitter, RubricTextSplitsOnlyAtItsDelimiters) {
    struct Case {
        const char* text;
        Words_ words;
    };
    const Case cases[] = {
        {"Head-ache", {"Head", "ache"}},
        {"worse<3am>", {"worse<3am>"}},
        {"pain, 1/2 hour: (after) eating!", {"pain", "1", "2", "hour", "after", "eating"}},
        {"\"a'b\";c?d*e^f~g+h=i|j.k", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}},
        {"a&b #1 50% x_y [z] back\\slash", {"a&b", "#1", "50%", "x_y", "[z]", "back\\slash"}},
        {"tab\there", {"tab\there"}},
        {"\xC3\xCE\xCB\xCE\xC2\xC0-\xE1\xEE\xEB\xFC",
         {"\xC3\xCE\xCB\xCE\xC2\xC0", "\xE1\xEE\xEB\xFC"}},
        {"  ,. ", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Words(SplitRepertoryWords, c.text), c.words) << c.text;
}

TEST(WordSplitter, ArticleTextKeepsOnlyLettersAndDigits) {
    struct Case {
        const char* text;
        Words_ words;
    };
    const Case cases[] = {
        {"Nux-v.", {"Nux", "v"}},
        {"c30 and 6x", {"c30", "and", "6x"}},
        {"worse<3am> a&b it's", {"worse", "3am", "a", "b", "it", "s"}},
        {"line\nbreak\ttab\rcr", {"line", "break", "tab", "cr"}},
        {"\xA8\xEB\xEA\xE0 \xB8\xE6 \xC0\xFF", {"\xA8\xEB\xEA\xE0", "\xB8\xE6", "\xC0\xFF"}},
        {"\xAA\xBF\x96x", {"x"}},  // Є ї and the dash are not word characters
    };
    for (const Case& c : cases) EXPECT_EQ(Words(SplitArticleWords, c.text), c.words) << c.text;
}

TEST(IndexPath, CutsTheWholePathAtItsLastDot) {
    EXPECT_EQ(IndexPathFor("/d/kent.rpb"), "/d/kent.idx");
    EXPECT_EQ(IndexPathFor("/d/kent.v2.rpb"), "/d/kent.v2.idx");
    EXPECT_EQ(IndexPathFor("/d/data.old/rep"), "/d/data.idx");
    EXPECT_EQ(IndexPathFor("/d/rep"), "/d/rep.idx");
}
