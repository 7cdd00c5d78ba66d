// The QString side of the code pages: the program keeps its texts in code page
// 1251 (occasionally 1252) in memory and in files, and Qt widgets take QString.
// The tables themselves live in base/text/code_page.h.
#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "base/text/code_page.h"

namespace plumbing {

// The byte-level pieces, under the names the windows know them by; they are
// base's own (base/text/code_page.h), not copies.
using base::DecodeByte;
using base::kCodePage1251;
using base::kCodePage1252;

// The whole byte string decoded byte by byte; never fails.
QString DecodeCodePage(std::string_view bytes, int codePage = base::kCodePage1251);

// `text` in code page 1251; characters without a byte become `replacement`.
std::string EncodeCp1251(QStringView text, char replacement = '?');

// True when every character of `text` has a byte in code page 1251.
bool FitsCp1251(QStringView text);

// UTF-16 text from the Qt-free helpers as a QString.
QString ToQString(std::u16string_view text);

}  // namespace plumbing
