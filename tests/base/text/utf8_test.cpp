#include "base/text/utf8.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "printable.h"

namespace base {
namespace {

// The table against the system's converter, byte by byte (0x98 aside: the
// code page leaves it unassigned and we carry it as U+0098).
TEST(Cp1251, TableAgreesWithSystemConverter) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        if (byte == 0x98) continue;
        char in[1] = {static_cast<char>(byte)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        ASSERT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1))
            << byte;
        const std::string expected(out, outPtr);
        EXPECT_EQ(Cp1251ToUtf8(std::string(1, static_cast<char>(byte))), expected) << byte;
    }
    iconv_close(cd);
}

TEST(Cp1251, EveryByteSurvivesRoundTrip) {
    std::string all;
    for (int byte = 1; byte <= 0xFF; ++byte) all.push_back(static_cast<char>(byte));
    std::string back;
    ASSERT_TRUE(AppendUtf8AsCp1251(Cp1251ToUtf8(all), &back, nullptr));
    EXPECT_EQ(back, all);
}

TEST(Cp1251, CyrillicWithYo) {
    std::string out;
    ASSERT_TRUE(AppendUtf8AsCp1251("Ёжик ёлка", &out, nullptr));
    EXPECT_EQ(out, "\xA8\xE6\xE8\xEA \xB8\xEB\xEA\xE0");
}

struct ProblemCase {
    std::string_view utf8;
    Utf8Problem::Kind kind;
    const char* message;

    // Names the case in test listings.
    friend void PrintTo(const ProblemCase& c, std::ostream* os) { *os << Printable(c.message); }
};

class Cp1251Problems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(Cp1251Problems, AreDescribed) {
    const ProblemCase& c = GetParam();
    std::string out;
    Utf8Problem problem;
    EXPECT_FALSE(AppendUtf8AsCp1251(c.utf8, &out, &problem));
    EXPECT_EQ(problem.kind, c.kind);
    EXPECT_EQ(DescribeProblem(problem), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp1251Problems,
    ::testing::Values(
        ProblemCase{"caf\xC3\xA9", Utf8Problem::kNoCp1251Form,
                    "character U+00E9 has no code page 1251 form"},
        ProblemCase{"\xE4\xB8\xAD", Utf8Problem::kNoCp1251Form,
                    "character U+4E2D has no code page 1251 form"},
        ProblemCase{"\xF0\x9F\x98\x80", Utf8Problem::kNoCp1251Form,
                    "character U+1F600 has no code page 1251 form"},
        ProblemCase{"a\xC3", Utf8Problem::kInvalidUtf8, "invalid UTF-8"},         // cut short
        ProblemCase{"\xC0\xAF", Utf8Problem::kInvalidUtf8, "invalid UTF-8"},      // overlong '/'
        ProblemCase{"\xED\xA0\x80", Utf8Problem::kInvalidUtf8, "invalid UTF-8"},  // surrogate
        ProblemCase{"\xFF", Utf8Problem::kInvalidUtf8, "invalid UTF-8"},
        ProblemCase{{"ab\0c", 4}, Utf8Problem::kZeroByte, "zero byte in the text"}));

}  // namespace
}  // namespace base
