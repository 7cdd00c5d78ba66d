#include "materia_articles.h"

#include <corvela.h>

namespace corvela_sources {

std::vector<Article*> ArticlesOf(DataSource& source) {
    std::vector<Article*> articles;
    if (source.GetType() == kSourceMateriaMedica) {
        auto& book = static_cast<MateriaMedica&>(source);
        for (int i = 0, n = book.GetArticleCount(); i < n; ++i)
            if (Article* article = book.GetArticle(i)) articles.push_back(article);
    } else if (source.GetType() == kSourceUserArticles) {
        for (std::uint32_t i = 0; i <= kItemNumberMask; ++i) {
            DataItem* item = source.GetItem(i);
            if (item == nullptr || item->GetKind() != kItemArticle) break;
            articles.push_back(static_cast<Article*>(item));
        }
    }
    return articles;
}

Article* FindArticleOn(DataSource& source, int remedy) {
    if (source.GetType() == kSourceMateriaMedica)
        return static_cast<MateriaMedica&>(source).FindArticle(remedy);
    Article* found = nullptr;
    for (Article* article : ArticlesOf(source))
        if (article->GetRemedy() == remedy) found = article;
    return found;
}

}  // namespace corvela_sources
