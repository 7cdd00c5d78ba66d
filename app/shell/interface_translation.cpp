#include "shell/interface_translation.h"

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"

QString TranslateInterfaceText(const QString& english) {
    if (english.isEmpty() || !plumbing::FitsCp1251(english)) return english;
    const std::string bytes = plumbing::EncodeCp1251(english);
    return plumbing::DecodeCodePage(Localize(bytes.c_str(), 1));
}

CTranslationFilter* InstallInterfaceTranslation(QObject* owner) {
    auto* filter = new CTranslationFilter(TranslateInterfaceText, owner);
    filter->Install();
    return filter;
}
