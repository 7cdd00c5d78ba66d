// The two rules by which compiled text is split into index words.
#pragma once

#include <functional>
#include <string_view>

using WordSink = std::function<void(std::string_view word)>;

// Rubric text: a word is each maximal run of bytes that are not one of the
// delimiters " ' : ; , . ! ? * ^ ~ ( ) - + = | / and space.  Everything else
// belongs to words: digits, letters, < > [ ] & # % _ \, tab, line breaks and
// every byte from 0x80 up.  "Head-ache" gives "Head", "ache"; "worse<3am>"
// stays one word.
void SplitRepertoryWords(std::string_view text, const WordSink& sink);

// Article text: a word is each maximal run of word characters (digits, A-Z,
// a-z, Ё 0xA8, ё 0xB8, А-я 0xC0-0xFF); every other byte separates words.
// "Nux-v." gives "Nux", "v"; "c30" stays one word.
void SplitArticleWords(std::string_view text, const WordSink& sink);

// The word characters of the article rule (and of the query language).
bool IsArticleWordChar(unsigned char c);
// The delimiters of the rubric rule.
bool IsRepertoryDelimiter(unsigned char c);
