#include "materia/user_article_impl.h"

#include <utility>

#include "materia/materia_format.h"

UserArticleImpl::UserArticleImpl() {
    m_inner.SetListedInRemedyTable(false);
    m_inner.GetOrCreateArticle(-1);
    m_inner.SetFlags(mmb::kUserArticles);
}

UserArticleImpl::~UserArticleImpl() = default;

std::unique_ptr<UserArticleImpl> UserArticleImpl::Wrap(std::unique_ptr<MateriaMedicaImpl> file) {
    auto collection = std::make_unique<UserArticleImpl>();
    collection->m_inner.WrapFile(std::move(file));  // replaces the empty article
    collection->m_inner.SetFlags(mmb::kUserArticles);
    return collection;
}

bool UserArticleImpl::Open(const char* path) {
    if (!m_inner.Open(path)) return false;
    m_inner.SetFlags(mmb::kUserArticles);
    return true;
}

void UserArticleImpl::SetGuid(const Guid* id) {
    if (id != nullptr) m_inner.SetGuid(*id);
}

UserMMArticle* UserArticleImpl::Article0() {
    return m_inner.GetUserArticle(0);
}

const char* UserArticleImpl::GetArticleText() {
    UserMMArticle* article = Article0();
    return article != nullptr ? article->GetText() : "";
}

void UserArticleImpl::SetArticleText(const char* text) {
    UserMMArticle* article = Article0();
    if (article == nullptr) article = m_inner.GetOrCreateArticle(-1);
    article->SetText(text);
}

const char* UserArticleImpl::GetArticleRichText() {
    UserMMArticle* article = Article0();
    return article != nullptr ? article->GetRichText() : "";
}

void UserArticleImpl::SetArticleRichText(const char* rtf) {
    UserMMArticle* article = Article0();
    if (article == nullptr) article = m_inner.GetOrCreateArticle(-1);
    article->SetRichText(rtf);
}
