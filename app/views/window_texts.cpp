#include "views/window_texts.h"

#include "model/lang/localize.h"
#include "model/records/one_item.h"
#include "plumbing/text/code_page.h"

namespace views {

QString Localized(const char* text, int whole) {
    return plumbing::DecodeCodePage(Localize(text, whole));
}

QString ItemTitle(const COneItem& item) {
    return plumbing::DecodeCodePage(item.GetName()) + QStringLiteral(": ") +
           plumbing::DecodeCodePage(item.GetTime());
}

QString MenuLabel(const std::string& text) {
    QString label = plumbing::DecodeCodePage(text);
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return label;
}

std::string FormatTexts(std::string_view format, std::initializer_list<std::string_view> texts,
                        bool numbers) {
    auto next = texts.begin();
    std::string result;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        const char following = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c == '%' && (following == 's' || (numbers && following == 'd'))) {
            if (next != texts.end()) result += *next++;
            ++i;
        } else if (c == '%' && following == '%') {
            result += '%';
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace views
