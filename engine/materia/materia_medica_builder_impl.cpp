#include "materia/materia_medica_builder_impl.h"

#include "base/files/atomic_file.h"
#include "index/index_path.h"
#include "index/word_splitter.h"

namespace {

std::string OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

}  // namespace

MateriaMedicaBuilderImpl::MateriaMedicaBuilderImpl(RemedyList& catalogue, IndexBuilderImpl& index)
    : m_catalogue(catalogue), m_index(index) {}

void MateriaMedicaBuilderImpl::Begin(const MateriaMedicaDescription* description) {
    m_description = description;
    m_articles.clear();
    m_error.clear();
}

void MateriaMedicaBuilderImpl::End() {}

int MateriaMedicaBuilderImpl::AddArticle(const char* name, const char* title, const char* text,
                                         const char* rtf) {
    CompiledArticle article;
    article.name = OrEmpty(name);
    article.title = OrEmpty(title);
    if (!article.name.empty() || !article.title.empty()) {
        Remedy* remedy = m_catalogue.FindRemedy(article.name.c_str());
        if (remedy == nullptr) {
            if (m_unknownSet.insert(article.name).second) m_unknown.push_back(article.name);
            return -1;
        }
        article.remedy = static_cast<std::int32_t>(remedy->GetId());
    }
    article.text = OrEmpty(text);
    article.rtf = OrEmpty(rtf);
    m_articles.push_back(std::move(article));
    return static_cast<int>(m_articles.size()) - 1;
}

int MateriaMedicaBuilderImpl::AddArticleOfRemedy(int remedy, const char* text, const char* rtf) {
    CompiledArticle article;
    article.remedy = remedy;
    article.text = OrEmpty(text);
    article.rtf = OrEmpty(rtf);
    m_articles.push_back(std::move(article));
    return static_cast<int>(m_articles.size()) - 1;
}

const char* MateriaMedicaBuilderImpl::GetUnknownRemedy(int position) {
    if (position < 0 || position >= GetUnknownRemedyCount()) return nullptr;
    return m_unknown[static_cast<std::size_t>(position)].c_str();
}

bool MateriaMedicaBuilderImpl::Save(const char* path) {
    m_error.clear();
    if (m_articles.empty()) {
        m_error = "no article was added";
        return false;
    }
    if (path == nullptr || *path == '\0') {
        m_error = "no file path given";
        return false;
    }
    const MateriaMedicaDescription empty{"", "", "", "", "", "", 0};
    base::PendingFile files[2] = {{path, {}}, {IndexPathFor(path), {}}};
    if (!WriteMateriaMedicaImage(m_description != nullptr ? *m_description : empty, m_articles,
                                 &files[0].bytes, &m_error))
        return false;

    // Every word of every article's plain text, with the article's number;
    // articles are visited in table order, so postings ascend.
    m_index.Begin();
    std::string word;
    for (std::size_t i = 0; i < m_articles.size(); ++i) {
        SplitArticleWords(m_articles[i].text, [&](std::string_view piece) {
            word.assign(piece);
            m_index.AddWord(word.c_str(), static_cast<std::int32_t>(i));
        });
    }
    m_index.Finish();
    if (!m_index.Serialize(&files[1].bytes)) {
        m_error =
            std::string("the word index cannot hold the materia medica: ") + m_index.GetSaveError();
        return false;
    }
    return base::WriteFilesAtomically(files, &m_error);
}
