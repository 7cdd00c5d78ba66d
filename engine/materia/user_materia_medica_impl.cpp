#include "materia/user_materia_medica_impl.h"

#include <algorithm>
#include <utility>

#include "core/corvela_impl.h"
#include "materia/materia_format.h"

UserMateriaMedicaImpl::UserMateriaMedicaImpl() : m_flags(mmb::kUserMateriaMedica) {}

UserMateriaMedicaImpl::~UserMateriaMedicaImpl() = default;

std::unique_ptr<UserMateriaMedicaImpl> UserMateriaMedicaImpl::Wrap(
    std::unique_ptr<MateriaMedicaImpl> file) {
    auto source = std::make_unique<UserMateriaMedicaImpl>();
    source->WrapFile(std::move(file));
    return source;
}

void UserMateriaMedicaImpl::WrapFile(std::unique_ptr<MateriaMedicaImpl> file) {
    m_position = file->GetPosition();
    Adopt(std::move(file));
}

void UserMateriaMedicaImpl::Adopt(std::unique_ptr<MateriaMedicaImpl> file) {
    m_byRemedy.clear();
    m_articles.clear();
    m_guid = *file->GetGuid();
    m_path = file->GetFilePath();
    m_flags = file->GetFlags();
    SetText(1, file->GetName());
    SetText(2, file->GetText2());
    SetText(3, file->GetText3());
    SetText(4, file->GetText4());
    SetText(5, file->GetText5());
    m_articles.reserve(static_cast<std::size_t>(file->GetArticleCount()));
    for (int i = 0; i < file->GetArticleCount(); ++i) {
        Article* article = file->GetArticle(i);
        m_articles.push_back(
            std::make_unique<UserMMArticleImpl>(this, article->GetId(), article->GetRemedy(),
                                                article->GetText(), article->GetRichText()));
        m_byRemedy[article->GetRemedy()] = m_articles.back().get();
    }
    m_backing = std::move(file);
}

void UserMateriaMedicaImpl::SetText(int which, const char* text) {
    if (which < 1 || which > 5) return;
    std::string copy(text != nullptr ? text : "");  // text may point into the old one
    m_texts[which - 1] = std::move(copy);
}

bool UserMateriaMedicaImpl::Open(const char* path) {
    auto file = std::make_unique<MateriaMedicaImpl>();
    file->SetPosition(m_position);
    if (path == nullptr || !file->Open(path)) return false;
    // The rows follow the content: one entry per article, as discovery makes them.
    for (const auto& article : m_articles) WithdrawRemedy(article->GetRemedy());
    ForgetSearchHits();
    Adopt(std::move(file));
    for (const auto& article : m_articles) EnterRemedy(article->GetRemedy(), false);
    return true;
}

bool UserMateriaMedicaImpl::Save(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    const std::string target(path);  // path may be GetFilePath()
    char id[kGuidTextLength + 1];
    FormatGuid(m_guid, id);
    const MateriaMedicaDescription description{id,
                                               m_texts[0].c_str(),
                                               m_texts[1].c_str(),
                                               m_texts[2].c_str(),
                                               m_texts[3].c_str(),
                                               m_texts[4].c_str(),
                                               m_flags};
    MateriaMedicaBuilderImpl& builder = EngineInstance().SharedMateriaMedicaBuilder();
    builder.Begin(&description);
    // Articles go in by their numbers, so that each keeps its remedy whatever
    // the catalogue's names would resolve to.
    for (const auto& article : m_articles)
        builder.AddArticleOfRemedy(article->GetRemedy(), article->GetText(),
                                   article->GetRichText());
    builder.End();
    if (!builder.Save(target.c_str())) return false;

    // The written file has been renamed into place; the old backing file (even
    // at the same path) keeps mapping the replaced one until it is deleted.
    auto file = std::make_unique<MateriaMedicaImpl>();
    file->SetPosition(m_position);
    const bool opened = file->Open(target.c_str());
    m_backing.reset();
    if (!opened) return false;
    m_backing = std::move(file);
    m_path = target;
    Renumber();
    return true;
}

Index* UserMateriaMedicaImpl::GetWordIndex() {
    return m_backing != nullptr ? m_backing->GetWordIndex() : nullptr;
}

Article* UserMateriaMedicaImpl::GetArticleById(std::uint32_t id) {
    return GetUserArticle(static_cast<int>(ItemNumber(id)));
}

Article* UserMateriaMedicaImpl::FindArticle(int remedy) {
    auto found = m_byRemedy.find(remedy);
    return found == m_byRemedy.end() ? nullptr : found->second;
}

UserMMArticle* UserMateriaMedicaImpl::GetUserArticle(int position) {
    if (position < 0 || position >= GetArticleCount()) return nullptr;
    return m_articles[static_cast<std::size_t>(position)].get();
}

UserMMArticle* UserMateriaMedicaImpl::GetOrCreateArticle(int remedy) {
    auto found = m_byRemedy.find(remedy);
    if (found != m_byRemedy.end()) return found->second;
    m_articles.push_back(std::make_unique<UserMMArticleImpl>(this, UserMMArticleImpl::kNewArticleId,
                                                             remedy, "", ""));
    UserMMArticleImpl* article = m_articles.back().get();
    m_byRemedy[remedy] = article;
    Renumber();
    DropBackingFile();
    EnterRemedy(remedy, true);
    return article;
}

void UserMateriaMedicaImpl::DeleteArticle(int remedy) {
    auto found = m_byRemedy.find(remedy);
    if (found == m_byRemedy.end()) return;
    UserMMArticleImpl* article = found->second;
    m_byRemedy.erase(found);
    m_articles.erase(std::find_if(m_articles.begin(), m_articles.end(),
                                  [&](const auto& held) { return held.get() == article; }));
    EnterLatest(remedy);
    ForgetSearchHits();
    Renumber();
    DropBackingFile();
    WithdrawRemedy(remedy);
}

void UserMateriaMedicaImpl::SetPosition(int position) {
    m_position = position;
    Renumber();
}

// An article's identifier is its position in the array, as GetItem finds it,
// so a new article can be referred to (a case stores the identifier) from the
// moment it exists, and a deletion does not leave later ones pointing at
// their neighbours.
void UserMateriaMedicaImpl::Renumber() {
    if (m_position < 0) return;
    for (std::size_t i = 0; i < m_articles.size(); ++i)
        m_articles[i]->SetId(static_cast<int>(
            MakeItemId(static_cast<unsigned>(m_position), static_cast<std::uint32_t>(i))));
}

// The facade's result list may hold this source's articles; they are about to
// be deleted or replaced.
void UserMateriaMedicaImpl::ForgetSearchHits() {
    EngineInstance().ClearResults();
}

void UserMateriaMedicaImpl::ArticleRemedyChanged(UserMMArticleImpl* article, int previous) {
    const int remedy = article->GetRemedy();
    if (remedy != previous) {
        auto found = m_byRemedy.find(previous);
        if (found != m_byRemedy.end() && found->second == article) {
            m_byRemedy.erase(found);
            EnterLatest(previous);
        }
        m_byRemedy[remedy] = article;
        WithdrawRemedy(previous);
        EnterRemedy(remedy, true);
    }
    DropBackingFile();
}

void UserMateriaMedicaImpl::EnterLatest(int remedy) {
    for (auto it = m_articles.rbegin(); it != m_articles.rend(); ++it) {
        if ((*it)->GetRemedy() == remedy) {
            m_byRemedy[remedy] = it->get();
            return;
        }
    }
}

// The facade's table has rows for catalogue numbers only and ignores others.
void UserMateriaMedicaImpl::EnterRemedy(int remedy, bool unique) {
    if (!m_inRemedyTable || remedy == -1) return;
    if (unique)
        EngineInstance().AddRemedySource(remedy, this);
    else
        EngineInstance().AppendRemedySource(remedy, this);
}

void UserMateriaMedicaImpl::WithdrawRemedy(int remedy) {
    if (m_inRemedyTable && remedy != -1) EngineInstance().RemoveRemedySource(remedy, this);
}
