// The parser of the text storage: reads the tokens of a text into a tree of
// TextStorage::TextNode whose root the caller supplies.
//
//   file  : { NAME '{' items '}' | NAME STRING }    several blocks read into the root
//   items : { NAME '{' items '}' | NAME STRING }
//
// Values are decoded as they are set: the raw text is converted from the code
// page in force to wide characters, unescaped, and converted back.  The code
// page starts as "none" and becomes the number of an attribute "CodePage_" as
// soon as one is read, for that value and all later ones.
#pragma once

#include <string>

#include "model/storage/text_storage.h"
#include "model/storage/tokenizer.h"

class Parser {
public:
    explicit Parser(Tokenizer& tokenizer) : m_tokenizer(tokenizer) {}

    // Reads the whole text into `root`.  Throws Exception: the tokenizer's
    // messages, "Parser:: %s, at row %d, col %d" with "Missing tag!", "Missing
    // attr value or childs elements", "node parsing error, '}' missing" or
    // "blocks nested too deeply" (more than TextStorage::kMaxDepth levels), and
    // the code page conversion messages.
    void Parse(StorageNode& root);

    // The code page in force (kCodePageNone = -1 until a "CodePage_" is read).
    int GetCodePage() const { return m_codePage; }

    // Sets the value of `node`, named `name`, from `value`; "type mismatch"
    // when `value` is not a string token.
    void SetValue(StorageNode& node, const std::string& name, const Token& value);

private:
    void ParseBlock(StorageNode& block);
    [[noreturn]] static void Fail(const char* what, const Token& at);

    Tokenizer& m_tokenizer;
    int m_codePage = -1;
};
