// The articles of a materia medica or of a user article collection, which is
// no MateriaMedica: its articles are reached as its items, numbered from 0.
#pragma once

#include <vector>

class Article;
class DataSource;

namespace corvela_sources {

// The articles in article order; empty for any other kind of source.
std::vector<Article*> ArticlesOf(DataSource& source);

// The article on remedy (-1: about no remedy), the last one where several are;
// null when there is none.
Article* FindArticleOn(DataSource& source, int remedy);

}  // namespace corvela_sources
