// Code page conversion through iconv.
#include "model/core/code_page.h"

#include <gtest/gtest.h>

#include "model/core/exception.h"

namespace {

std::string Message(void (*convert)()) {
    try {
        convert();
    } catch (const Exception& e) {
        return e.GetMessage();
    }
    return std::string();
}

TEST(CodePageConversion, NoneWidensAndNarrowsEveryByte) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::wstring wide = MultiByteToWide(all, kCodePageNone);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(wide[0xC0], L'\xC0');
    EXPECT_EQ(WideToMultiByte(wide, kCodePageNone), all);
    EXPECT_EQ(WideToMultiByte(L"\x0141", kCodePageNone), "\x41");  // the low byte
}

TEST(CodePageConversion, Cp1251MapsCyrillic) {
    const std::wstring wide = MultiByteToWide("\xC0\xE1\xA8\xB9", 1251);
    EXPECT_EQ(wide, L"\x0410\x0431\x0401\x2116");  // А б Ё №
    EXPECT_EQ(WideToMultiByte(wide, 1251), "\xC0\xE1\xA8\xB9");
}

TEST(CodePageConversion, EveryCp1251ByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::wstring wide = MultiByteToWide(all, 1251);
    EXPECT_EQ(wide[0x98 - 1], L'\x98');  // undefined in 1251: the C1 control
    EXPECT_EQ(WideToMultiByte(wide, 1251), all);
}

TEST(CodePageConversion, FailuresRaiseTheSystemMessages) {
    EXPECT_EQ(Message([] { MultiByteToWide("x", 12345); }), "MultiByteToWideChar error = 16");
    EXPECT_EQ(Message([] { WideToMultiByte(L"x", 12345); }), "WideCharToMultiByte error = 16");
    EXPECT_EQ(Message([] { MultiByteToWide("\xFF", 65001); }), "MultiByteToWideChar error = 54");
    EXPECT_EQ(Message([] { WideToMultiByte(L"\x4E00", 1251); }), "WideCharToMultiByte error = 54");
    EXPECT_EQ(Message([] { MultiByteToWide("\xD0", 65001); }),
              "MultiByteToWideChar error = 54");  // cut short
}

TEST(CodePageConversion, LongTextsConvertWhole) {
    const std::string text(100000, '\xC0');
    EXPECT_EQ(WideToMultiByte(MultiByteToWide(text, 1251), 1251), text);
    const std::wstring wide(50000, L'\x0416');
    EXPECT_EQ(WideToMultiByte(wide, 65001).size(), 100000u);
    EXPECT_EQ(MultiByteToWide(WideToMultiByte(wide, 65001), 65001), wide);
}

}  // namespace
