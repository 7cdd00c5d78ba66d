// The texts the windows show, in one place: localised interface texts as
// QString, the title of an item window, record texts as menu labels, and the
// formats of translated texts filled without interpreting them.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

class COneItem;

namespace views {

// `text` translated (Localize; whole 1 for plain phrases, 0 for texts whose
// translatable parts stand in braces) and decoded from code page 1251.
QString Localized(const char* text, int whole = 1);

// The title of an item window: "<name>: <time>" of the item.
QString ItemTitle(const COneItem& item);

// A record text (code page 1251) as a menu label: '&' stays a '&' instead of
// marking a mnemonic.
QString MenuLabel(const std::string& text);

// `format` with each "%s" replaced, in order, by the next of `texts` (an empty
// text when they are used up) and "%%" by "%"; any other '%' is copied.
// Translated formats come from language files, so nothing else of them is
// interpreted.  With `numbers` true, "%d" takes the next text too (write the
// number as text first).
std::string FormatTexts(std::string_view format, std::initializer_list<std::string_view> texts,
                        bool numbers = false);

}  // namespace views
