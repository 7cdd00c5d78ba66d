#include "index/word_splitter.h"

#include <cstring>

namespace {

// The rubric delimiters as the compiler has always listed them: 20 bytes, the
// slash twice.
constexpr char kRepertoryDelimiters[] = "\"':;,.!?*^~()-+=|// ";
static_assert(sizeof kRepertoryDelimiters - 1 == 20);

template <class IsWordChar>
void Split(std::string_view text, const WordSink& sink, IsWordChar isWordChar) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !isWordChar(static_cast<unsigned char>(text[i]))) ++i;
        std::size_t start = i;
        while (i < text.size() && isWordChar(static_cast<unsigned char>(text[i]))) ++i;
        if (i > start) sink(text.substr(start, i - start));
    }
}

}  // namespace

bool IsRepertoryDelimiter(unsigned char c) {
    return c != 0 && std::memchr(kRepertoryDelimiters, c, sizeof kRepertoryDelimiters - 1);
}

bool IsArticleWordChar(unsigned char c) {
    return (c >= 0x30 && c <= 0x39) || (c >= 0x41 && c <= 0x5A) || (c >= 0x61 && c <= 0x7A) ||
           c == 0xA8 || c == 0xB8 || c >= 0xC0;
}

void SplitRepertoryWords(std::string_view text, const WordSink& sink) {
    Split(text, sink, [](unsigned char c) { return !IsRepertoryDelimiter(c); });
}

void SplitArticleWords(std::string_view text, const WordSink& sink) {
    Split(text, sink, IsArticleWordChar);
}
