// Escapes of quoted values, both ways.
#include "model/storage/escape.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    std::string raw;
    std::string escaped;
};

TEST(EscapeText, WritesNamedAndNumericEscapes) {
    const EscapeCase cases[] = {
        {"plain text", "plain text"},       {"a\"b", "a\\\"b"},
        {"back\\slash", "back\\\\slash"},   {"tab\there", "tab\\there"},
        {"two\nlines\r", "two\\nlines\\r"}, {std::string("\x07", 1), "\\007"},
        {std::string("\x1B", 1), "\\027"},  {std::string("\0", 1), "\\000"},
        {"\x7F\xC0\xFF", "\x7F\xC0\xFF"},  // DEL and high bytes stay
    };
    for (const EscapeCase& c : cases) EXPECT_EQ(EscapeText(c.raw), c.escaped) << c.escaped;
}

TEST(EscapeText, ControlCharacterBeforeDigitReadsBackAsWritten) {
    // With unpadded escapes "\7" followed by "1" would read as character 71.
    const std::string raw = std::string("\x07", 1) + "1" + std::string("\x02", 1) + "99";
    const std::string escaped = EscapeText(raw);
    std::wstring wide(escaped.begin(), escaped.end());
    const std::wstring back = UnescapeText(wide);
    EXPECT_EQ(std::string(back.begin(), back.end()), raw);
}

TEST(UnescapeText, ReadsEveryEscapeForm) {
    struct Case {
        std::wstring escaped;
        std::wstring raw;
    };
    const Case cases[] = {
        {L"\\n\\r\\t\\\\\\\"", L"\n\r\t\\\""},
        {L"\\7x", L"\x07x"},  // one digit
        {L"\\65\\066B",
         L"AB"
         L"B"},              // two and three digits
        {L"\\0651", L"A1"},  // at most three digits
        {L"\\255", L"\xFF"},
        {L"end\\", L"end#err#"},     // backslash at the very end
        {L"\\qrest", L"#err#rest"},  // unknown escape drops its character
    };
    for (const Case& c : cases) EXPECT_EQ(UnescapeText(c.escaped), c.raw);
}

}  // namespace
