#include "text_key_scanner.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lang_test {
namespace {

enum class TokenKind { kIdentifier, kString, kNumber, kPunctuation };

struct Token {
    TokenKind kind;
    std::string text;  // a string literal: its decoded bytes
    int line;
    bool rawBytes = false;  // a literal holding bytes above ASCII as they stand
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes the literal whose opening quote is at `i`; leaves `i` behind the
// closing quote.
std::string ReadLiteral(const std::string& s, std::size_t& i, int& line, bool* raw) {
    std::string out;
    for (++i; i < s.size() && s[i] != '"'; ++i) {
        char c = s[i];
        if (c == '\n') ++line;
        if (static_cast<unsigned char>(c) >= 0x80) *raw = true;
        if (c != '\\' || i + 1 >= s.size()) {
            out += c;
            continue;
        }
        c = s[++i];
        switch (c) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '0':
            case '1':
            case '2':
            case '3':
            case '4':
            case '5':
            case '6':
            case '7': {
                int value = 0;
                for (int n = 0; n < 3 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++n, ++i)
                    value = value * 8 + (s[i] - '0');
                --i;
                out += static_cast<char>(value);
                break;
            }
            case 'x': {
                int value = 0;
                while (i + 1 < s.size() && HexValue(s[i + 1]) >= 0)
                    value = value * 16 + HexValue(s[++i]);
                out += static_cast<char>(value);
                break;
            }
            case '\n':
                ++line;
                break;
            default:
                out += c;
                break;  // \" \\ \' \?
        }
    }
    if (i < s.size()) ++i;
    return out;
}

std::vector<Token> Tokenize(const std::string& s) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
            while (i < s.size() && s[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            i += 2;
            while (i + 1 < s.size() && !(s[i] == '*' && s[i + 1] == '/')) line += s[i++] == '\n';
            i += 2;
        } else if (c == '"') {
            Token token{TokenKind::kString, {}, line};
            token.text = ReadLiteral(s, i, line, &token.rawBytes);
            tokens.push_back(std::move(token));
        } else if (c == '\'') {
            for (++i; i < s.size() && s[i] != '\''; ++i)
                if (s[i] == '\\') ++i;
            ++i;
            tokens.push_back({TokenKind::kNumber, "'", line});
        } else if (c == 'R' && i + 1 < s.size() && s[i + 1] == '"') {
            // A raw literal: R"delim( ... )delim".
            const std::size_t open = s.find('(', i);
            const std::string close = ")" + s.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = s.find(close, open);
            const std::size_t stop = end == std::string::npos ? s.size() : end + close.size();
            line += static_cast<int>(std::count(s.begin() + static_cast<long>(i),
                                                s.begin() + static_cast<long>(stop), '\n'));
            tokens.push_back({TokenKind::kNumber, "R", line});
            i = stop;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const std::size_t start = i;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_'))
                ++i;
            tokens.push_back({TokenKind::kIdentifier, s.substr(start, i - start), line});
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            const std::size_t start = i;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '.'))
                ++i;
            tokens.push_back({TokenKind::kNumber, s.substr(start, i - start), line});
        } else {
            tokens.push_back({TokenKind::kPunctuation, std::string(1, c), line});
            ++i;
        }
    }
    return tokens;
}

bool IsKeyFunction(const std::string& name) {
    return name == "Localize" || name == "Localized" || name == "LocalizeString" ||
           name == "TextKey";
}

}  // namespace

std::vector<std::string> BracedParts(const std::string& text) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '{' || text[i + 1] == '}')) {
            ++i;
            continue;
        }
        if (text[i] != '{') continue;
        std::size_t end = i + 1;
        while (end < text.size() && !(text[end] == '}' && text[end - 1] != '\\')) ++end;
        if (end >= text.size()) break;  // no matching '}': the rest is copied
        parts.push_back(text.substr(i + 1, end - i - 1));
        i = end;
    }
    return parts;
}

void ScanSource(const std::string& source, const std::string& name, std::vector<CTextKey>* keys,
                std::vector<CKeyProblem>* problems) {
    const std::vector<Token> tokens = Tokenize(source);
    for (std::size_t t = 0; t + 2 < tokens.size(); ++t) {
        const Token& function = tokens[t];
        if (function.kind != TokenKind::kIdentifier || !IsKeyFunction(function.text)) continue;
        if (tokens[t + 1].text != "(" || tokens[t + 2].kind != TokenKind::kString) continue;
        // A declaration's parameter list ("Localize(const char* text") never
        // starts with a literal, so what follows is a call.
        std::string text;
        bool raw = false;
        std::size_t next = t + 2;
        for (; next < tokens.size() && tokens[next].kind == TokenKind::kString; ++next) {
            text += tokens[next].text;
            raw = raw || tokens[next].rawBytes;
        }
        const std::string location = name + ":" + std::to_string(function.line);
        if (raw) {
            problems->push_back({location,
                                 "bytes above ASCII written as they stand; write "
                                 "code page 1251 letters as \\xHH escapes"});
            continue;
        }
        int whole = function.text == "Localized" ? 1 : -1;
        if (next + 1 < tokens.size() && tokens[next].text == ",") {
            const std::string& argument = tokens[next + 1].text;
            if (argument == "0" || argument == "1") {
                whole = argument == "1" ? 1 : 0;
            } else if (function.text != "TextKey") {
                problems->push_back({location, "the whole argument is not a literal 0 or 1"});
                continue;
            }
        }
        if (function.text == "TextKey") whole = BracedParts(text).empty() ? 1 : 0;
        if (whole < 0) {
            problems->push_back({location, "no whole argument"});
            continue;
        }
        if (whole == 1) {
            if (!text.empty()) keys->push_back({text, location});
        } else {
            for (const std::string& part : BracedParts(text))
                if (!part.empty()) keys->push_back({part, location});
        }
    }
}

void ScanFolder(const std::string& folder, std::vector<CTextKey>* keys,
                std::vector<CKeyProblem>* problems) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".cpp" || extension == ".h"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        ScanSource(text.str(), fs::relative(file, folder).string(), keys, problems);
    }
}

}  // namespace lang_test
