// A materia medica file and its word index, opened from bytes and read the
// way the program reads them: every article's remedy, text and rich text,
// FindArticle for every remedy an article names (and for one none names),
// every index word with its postings, and the search over the first words
// and remedies.
#include <climits>
#include <set>

#include "engine_walk.h"
#include "fuzz_support.h"
#include "materia/materia_medica_impl.h"
#include "search/search_cache.h"
#include "search/source_search.h"

namespace {
constexpr std::size_t kSearchedTerms = 8;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    fuzz::DataAndIndex files = fuzz::SplitDataAndIndex(bytes, size);
    MateriaMedicaImpl book;
    if (!book.OpenMapped(MappedFile::FromBytes(std::move(files.data)),
                         MappedFile::FromBytes(std::move(files.index)), "fuzz.mmb")) {
        fuzz::Require(book.GetLoadError().IsError(), "a refused file says why");
        return 0;
    }
    std::size_t seen = fuzz::ReadHeaderTexts(book);
    std::set<int> remedies;
    const int count = book.GetArticleCount();
    for (int i = 0; i < count; ++i) {
        Article& article = *book.GetArticle(i);
        seen += std::strlen(article.GetText()) + std::strlen(article.GetRichText());
        remedies.insert(article.GetRemedy());
        fuzz::Require(book.GetArticleById(article.GetId()) == &article, "an article by its id");
    }
    fuzz::Require(book.GetArticle(count) == nullptr, "no article past the count");
    for (int remedy : remedies) {
        Article* found = book.FindArticle(remedy);
        fuzz::Require(found != nullptr && found->GetRemedy() == remedy, "the article of a remedy");
    }
    if (!remedies.empty() && *remedies.rbegin() < INT_MAX)
        fuzz::Require(book.FindArticle(*remedies.rbegin() + 1) == nullptr,
                      "no article of a remedy none names");
    seen += fuzz::ReadIndex(*book.GetWordIndex());

    SearchCache cache;
    SourceSearch search(book, cache);
    Index& index = *book.GetWordIndex();
    for (unsigned k = 0; k < index.GetWordCount() && k < kSearchedTerms; ++k)
        seen += search.WordNumbers(index.GetWord(k)).size();
    std::size_t searched = 0;
    for (auto remedy = remedies.begin(); remedy != remedies.end() && searched < kSearchedTerms;
         ++remedy, ++searched)
        seen += search.RemedyNumbers({*remedy, GradeComparison::kNone, 0}).size();
    fuzz::Keep(seen);
    return 0;
}
