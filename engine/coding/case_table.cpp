#include "coding/case_table.h"

#include "corvela/text_case.h"

// The table itself is shared with the program (corvela/text_case.h).

unsigned char LowerCp1251(unsigned char c) {
    return corvela::LowerCp1251Byte(c);
}

bool IsUpperCp1251(unsigned char c) {
    return corvela::IsUpperCp1251Byte(c);
}

void LowerCp1251InPlace(char* text) {
    if (text == nullptr) return;
    for (; *text != '\0'; ++text)
        *text = static_cast<char>(corvela::LowerCp1251Byte(static_cast<unsigned char>(*text)));
}

void LowerCp1251InPlace(std::string& text) {
    for (char& c : text)
        c = static_cast<char>(corvela::LowerCp1251Byte(static_cast<unsigned char>(c)));
}

std::string LowerCp1251Copy(std::string_view text) {
    std::string copy(text);
    LowerCp1251InPlace(copy);
    return copy;
}
