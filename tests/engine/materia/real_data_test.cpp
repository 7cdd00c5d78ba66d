// Boericke's materia medica, compiled against its own catalogue and opened
// again.  Skipped when the shared reference data is not at hand.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/files/atomic_file.h"
#include "catalogue/remedy_list_impl.h"
#include "materia/materia_medica_builder_impl.h"
#include "materia/materia_medica_impl.h"
#include "materia_source.h"
#include "scratch_directory.h"

TEST(RealData, BoerickeCompilesAndOpensWhole) {
    const std::string shared = MERIDANE_SHARED_DATA_DIR;
    std::string text, error;
    if (!base::ReadWholeFile(shared + "/boericke.mms", &text, &error)) GTEST_SKIP() << error;
    corvela_sources::MateriaMedicaSource source;
    corvela_sources::SourceError sourceError;
    ASSERT_TRUE(
        corvela_sources::ParseMateriaMedicaSource(text, "boericke.mms", &source, &sourceError));
    RemedyListImpl catalogue;
    ASSERT_EQ(catalogue.Load((shared + "/remedies.txt").c_str()), 1);
    IndexBuilderImpl index;
    MateriaMedicaBuilderImpl builder(catalogue, index);
    const MateriaMedicaDescription description{
        source.header.id.c_str(), "MM_BOERICKE", "", "", "", "", 0x40};
    builder.Begin(&description);
    for (const auto& article : source.articles)  // catalogue names drop a trailing full stop
        builder.AddArticle(article.name.substr(0, article.name.find_last_not_of('.') + 1).c_str(),
                           article.title.c_str(), article.text.c_str(), nullptr);
    EXPECT_EQ(builder.GetUnknownRemedyCount(), 0);
    ScratchDirectory dir;
    ASSERT_TRUE(builder.Save((dir / "b.mmb").c_str())) << builder.GetSaveError();

    MateriaMedicaImpl book;
    ASSERT_TRUE(book.Open((dir / "b.mmb").c_str())) << book.GetLoadError().Describe();
    ASSERT_EQ(book.GetArticleCount(), static_cast<int>(source.articles.size()));
    for (int i = 0; i < book.GetArticleCount(); ++i)
        ASSERT_EQ(book.FindArticle(book.GetArticle(i)->GetRemedy())->GetRemedy(),
                  book.GetArticle(i)->GetRemedy());
    Index& words = *book.GetWordIndex();
    EXPECT_GT(words.GetWordCount(), 1000u);
    for (unsigned k = 0; k < words.GetWordCount(); ++k)
        for (int j = 0; j < words.GetPostingCount(k); ++j)
            ASSERT_LT(words.GetPosting(k, j), book.GetArticleCount());
}
