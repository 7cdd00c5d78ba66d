#include "views/materia/shown_article.h"

#include <corvela.h>

#include "plumbing/rtf/rtf.h"

namespace materia {
namespace {

constexpr std::uint32_t kPlainFlag = 0x40;
constexpr std::uint32_t kKindMask = 0x3F;
constexpr std::uint32_t kUserMateriaMedicaKind = 2;

}  // namespace

// A materia medica file without 0x40 whose kind is not 2 is loaded as it
// stands, read-only: only kind 2 is a user materia medica the engine edits.
bool IsUserSource(DataSource* source) {
    if (source == nullptr) return false;
    if (source->GetType() == kSourceUserArticles) return true;
    const std::uint32_t flags = source->GetFlags();
    return source->GetType() == kSourceMateriaMedica && (flags & kPlainFlag) == 0 &&
           (flags & kKindMask) == kUserMateriaMedicaKind;
}

CShownArticle FindShownArticle(int remedy, const Guid& materiaMedica) {
    CShownArticle shown;
    DataSource* source = CorvelaInstance().FindDataSource(&materiaMedica);
    if (source == nullptr) return shown;
    const char* rich = nullptr;
    const char* plain = nullptr;
    if (source->GetType() == kSourceMateriaMedica) {
        Article* article = static_cast<MateriaMedica*>(source)->FindArticle(remedy);
        shown.m_source = source;
        shown.m_kind = CShownArticle::Kind::kNoArticle;
        if (article != nullptr) {
            shown.m_articleId = article->GetId();
            rich = article->GetRichText();
            plain = article->GetText();
        }
    } else if (source->GetType() == kSourceUserArticles) {
        auto* collection = static_cast<UserArticle*>(source);
        shown.m_source = source;
        shown.m_kind = CShownArticle::Kind::kNoArticle;
        rich = collection->GetArticleRichText();
        plain = collection->GetArticleText();
        if ((rich == nullptr || *rich == '\0') && (plain == nullptr || *plain == '\0')) {
            rich = plain = nullptr;  // an empty article reads as none
        } else if (DataItem* item = source->GetItem(MakeItemId(
                       static_cast<unsigned>(std::max(source->GetPosition(), 0)), 0))) {
            shown.m_articleId = item->GetId();
        }
    } else {
        return shown;
    }
    shown.m_editable = IsUserSource(source);
    if (rich != nullptr && *rich != '\0') {
        shown.m_kind = CShownArticle::Kind::kRichText;
        shown.m_text = rich;
    } else if (plain != nullptr) {
        shown.m_kind = CShownArticle::Kind::kPlainText;
        shown.m_text = std::string("\n") + plain;
    }
    return shown;
}

QString ShownPlainText(const CShownArticle& shown) {
    return shown.HasArticle() ? rtf::ToPlainText(shown.m_text) : QString();
}

}  // namespace materia
