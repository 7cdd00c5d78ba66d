#include "model/storage/escape.h"

std::string EscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            default:
                if (byte < 32) {
                    out += '\\';
                    out += static_cast<char>('0' + byte / 100);
                    out += static_cast<char>('0' + byte / 10 % 10);
                    out += static_cast<char>('0' + byte % 10);
                } else {
                    out += c;
                }
                break;
        }
    }
    return out;
}

std::wstring UnescapeText(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c != L'\\') {
            out += c;
            continue;
        }
        if (i + 1 == text.size()) {
            out += L"#err#";
            break;
        }
        const wchar_t next = text[++i];
        switch (next) {
            case L'n':
                out += L'\n';
                break;
            case L'r':
                out += L'\r';
                break;
            case L't':
                out += L'\t';
                break;
            case L'\\':
                out += L'\\';
                break;
            case L'"':
                out += L'"';
                break;
            default:
                if (next >= L'0' && next <= L'9') {
                    unsigned code = static_cast<unsigned>(next - L'0');
                    for (int more = 0; more < 2 && i + 1 < text.size() && text[i + 1] >= L'0' &&
                                       text[i + 1] <= L'9';
                         ++more) {
                        code = code * 10 + static_cast<unsigned>(text[++i] - L'0');
                    }
                    out += static_cast<wchar_t>(code);
                } else {
                    out += L"#err#";
                }
                break;
        }
    }
    return out;
}
