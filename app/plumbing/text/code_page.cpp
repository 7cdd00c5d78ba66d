#include "plumbing/text/code_page.h"

namespace plumbing {

QString DecodeCodePage(std::string_view bytes, int codePage) {
    QString text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (char c : bytes) *out++ = QChar(base::DecodeByte(static_cast<unsigned char>(c), codePage));
    return text;
}

std::string EncodeCp1251(QStringView text, char replacement) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const int byte = base::UnicodeToCp1251(ch.unicode());
        bytes.push_back(byte < 0 ? replacement : static_cast<char>(byte));
    }
    return bytes;
}

bool FitsCp1251(QStringView text) {
    for (QChar ch : text) {
        if (base::UnicodeToCp1251(ch.unicode()) < 0) return false;
    }
    return true;
}

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

}  // namespace plumbing
