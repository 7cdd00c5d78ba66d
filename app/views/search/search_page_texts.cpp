#include "views/search/search_page_texts.h"

#include <corvela.h>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "views/search/remedy_statistics.h"
#include "views/search/search_results.h"
#include "views/window_texts.h"

namespace search_texts {
namespace {

constexpr int kCaptionLength = 20;

}  // namespace

QString GettingStarted() {
    return views::Localized(
        "Getting started with Meridane Suite search\n\n"
        "Looking for words or word groups? Try the example below:\nanxiety evening amel\n\n"
        "Want to exclude a word from your search? Try the example below:\n"
        "anxiety -daytime -morning -evening\n\n"
        "Looking for particular remedies? Try the example below:\n@lach\n\n"
        "Looking for a remedy with a particular grading? Try the example below:\n@lach>2\n\n"
        "Want to differentiate between remedies? Try the example below:\n@lach -@nux-v\n\n"
        "Combine words and remedies for fine-tuned results.\n");
}

// "Найдено %d топиков" and "Найдено более 10,000 топиков, задайте более
// строгие условия и повторите поиск", in code page 1251.
constexpr const char* kHitCount = TextKey("\xCD\xE0\xE9\xE4\xE5\xED\xEE %d \xF2\xEE\xEF\xE8\xEA\xEE\xE2");
constexpr const char* kTooManyHits = TextKey(
    "\xCD\xE0\xE9\xE4\xE5\xED\xEE \xE1\xEE\xEB\xE5\xE5 10,000 \xF2\xEE\xEF\xE8\xEA\xEE\xE2, \xE7\xE0\xE4\xE0\xE9\xF2\xE5 \xE1\xEE\xEB\xE5\xE5 \xF1\xF2\xF0\xEE\xE3\xE8\xE5 \xF3\xF1\xEB\xEE\xE2\xE8\xFF \xE8 \xEF\xEE\xE2\xF2\xEE\xF0\xE8\xF2\xE5 \xEF\xEE\xE8\xF1\xEA");

QString HitCount(int hits) {
    // The count is asked for in Russian, as the program always has; the
    // language files give it in the practitioner's language.
    if (hits > CSearchResults::kMaxListed) return views::Localized(kTooManyHits);
    return plumbing::DecodeCodePage(views::FormatTexts(
        Localize(kHitCount, 1), {std::to_string(std::max(0, hits))}, true));
}

QString SearchIn() {
    return views::Localized("Search in:");
}

QString PageCaption(int page) {
    return plumbing::DecodeCodePage(
        views::FormatTexts(Localize("{Find in} %d", 0), {std::to_string(page + 1)}, true));
}

QString QueryCaption(const std::string& query) {
    const QString text = plumbing::DecodeCodePage(query).simplified();
    if (text.size() <= kCaptionLength) return text;
    return text.left(kCaptionLength - 1).trimmed() + QChar(0x2026);
}

QString StatisticsCaption() {
    return views::Localized("Remedies in the most rubrics (rubrics / sum of grades)");
}

std::string StatisticsHint(const CRemedyStatistic& statistic) {
    return RemedyLongName(statistic.remedy) + "\n" +
           views::FormatTexts(
               Localize("{Rubrics:} %d, {sum of grades:} %d", 0),
               {std::to_string(statistic.rubrics), std::to_string(statistic.gradeSum)}, true) +
           "\n" + Localize("Click to narrow the query to this remedy", 1);
}

std::string Separator(bool afterHit) {
    return afterHit ? ":" : " \x9B ";
}

std::string ArticleSourceLine(DataSource& source) {
    const char* text4 = source.GetText4();
    return views::FormatTexts("%s: ", {text4 != nullptr ? text4 : ""});
}

std::string RemedyLongName(int remedy) {
    Remedy* found = remedy >= 0 ? CorvelaInstance().GetRemedyById(remedy) : nullptr;
    const char* name = found != nullptr ? found->GetLongName() : nullptr;
    if (name == nullptr || *name == '\0') return RemedyShortName(remedy);
    std::string text(name);
    const QString first = plumbing::DecodeCodePage(text.substr(0, 1)).toUpper();
    const std::string upper = plumbing::EncodeCp1251(first);
    if (upper.size() == 1) text[0] = upper[0];
    return text;
}

std::string RemedyShortName(int remedy) {
    Remedy* found = remedy >= 0 ? CorvelaInstance().GetRemedyById(remedy) : nullptr;
    const char* name = found != nullptr ? found->GetShortName() : nullptr;
    std::string text(name != nullptr ? name : "");
    while (!text.empty() && (text.back() == '.' || text.back() == ' ' || text.back() == ','))
        text.pop_back();
    return text.empty() ? std::string("?") : text;
}

}  // namespace search_texts
