#include "materia/user_mm_article_impl.h"

#include "materia/user_materia_medica_impl.h"

UserMMArticleImpl::UserMMArticleImpl(UserMateriaMedicaImpl* owner, std::uint32_t id, int remedy,
                                     const char* text, const char* rtf)
    : m_owner(owner),
      m_id(id),
      m_remedy(remedy),
      m_text(text != nullptr ? text : ""),
      m_rtf(rtf != nullptr ? rtf : "") {}

void UserMMArticleImpl::SetRemedy(int remedy) {
    const int previous = m_remedy;
    m_remedy = remedy;
    if (m_owner != nullptr) m_owner->ArticleRemedyChanged(this, previous);
}

void UserMMArticleImpl::SetText(const char* text) {
    std::string copy(text != nullptr ? text : "");  // text may point into m_text
    m_text = std::move(copy);
    if (m_owner != nullptr) m_owner->DropBackingFile();
}

void UserMMArticleImpl::SetRichText(const char* rtf) {
    std::string copy(rtf != nullptr ? rtf : "");
    m_rtf = std::move(copy);
    if (m_owner != nullptr) m_owner->DropBackingFile();
}
