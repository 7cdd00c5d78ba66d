#include "shell/interface_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/lang/language.h"
#include "model/lang/language_data.h"
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

void LoadToolkitTranslation(QObject* owner) {
    static const struct {
        const char* language;
        const char* qtName;
    } kKnown[] = {{"russian", "qtbase_ru"}};
    const std::string& language = CLanguage::Get().GetData().GetLanguage();
    for (const auto& known : kKnown) {
        if (language != known.language) continue;
        auto* translator = new QTranslator(owner);
        if (translator->load(QLatin1String(known.qtName),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    }
}
