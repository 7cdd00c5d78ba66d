#include "model/storage/parser.h"

#include <climits>
#include <cstdlib>
#include <vector>

#include "model/core/code_page.h"
#include "model/core/exception.h"
#include "model/storage/escape.h"

namespace {

constexpr char kMissingTag[] = "Missing tag!";
constexpr char kMissingValue[] = "Missing attr value or childs elements";

}  // namespace

void Parser::Fail(const char* what, const Token& at) {
    throw Exception("Parser:: %s, at row %d, col %d", what, at.row, at.col);
}

void Parser::Parse(StorageNode& root) {
    for (;;) {
        const Token name = m_tokenizer.Next();
        if (name.Is(TokenKind::End)) return;
        if (!name.Is(TokenKind::Identifier)) Fail(kMissingTag, name);
        const Token next = m_tokenizer.Next();
        if (next.IsPunctuation('{')) {
            root.SetName(name.text);
            ParseBlock(root);
        } else if (next.Is(TokenKind::String)) {
            SetValue(root, name.text, next);
        } else {
            Fail(kMissingValue, next);
        }
    }
}

void Parser::ParseBlock(StorageNode& block) {
    // An explicit stack instead of recursion: a hostile file cannot exhaust
    // the call stack.
    std::vector<StorageNode*> open{&block};
    while (!open.empty()) {
        const Token name = m_tokenizer.Next();
        if (name.IsPunctuation('}')) {
            open.pop_back();
            continue;
        }
        if (name.Is(TokenKind::End)) Fail("node parsing error, '}' missing", name);
        if (!name.Is(TokenKind::Identifier)) Fail(kMissingTag, name);
        const Token next = m_tokenizer.Next();
        if (next.IsPunctuation('{')) {
            if (open.size() >= static_cast<std::size_t>(TextStorage::kMaxDepth))
                Fail("blocks nested too deeply", next);
            open.push_back(open.back()->AddChild(name.text));
        } else if (next.Is(TokenKind::String)) {
            SetValue(*open.back()->AddChild(name.text), name.text, next);
        } else {
            Fail(kMissingValue, next);
        }
    }
}

void Parser::SetValue(StorageNode& node, const std::string& name, const Token& value) {
    if (!value.Is(TokenKind::String)) Fail("type mismatch", value);
    if (name == "CodePage_") {
        const long page = std::strtol(value.text.c_str(), nullptr, 10);
        m_codePage = page < 0 ? kCodePageNone : page > INT_MAX ? INT_MAX : static_cast<int>(page);
    }
    // Without a code page each byte is one character, so a text without a
    // backslash comes back from widening, unescaping and narrowing unchanged;
    // most values of a case file are such texts.
    if (m_codePage == kCodePageNone && value.text.find('\\') == std::string::npos) {
        node.SetValue(value.text);
        return;
    }
    node.SetValue(
        WideToMultiByte(UnescapeText(MultiByteToWide(value.text, m_codePage)), m_codePage));
}
