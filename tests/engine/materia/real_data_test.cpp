// Boericke's materia medica, compiled against its own catalogue and opened
// again.  Skipped when the shared reference data is not at hand.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/remedy_list_impl.h"
#include "index/index_builder_impl.h"
#include "materia/materia_medica_builder_impl.h"
#include "materia/materia_medica_impl.h"
#include "materia_source.h"
#include "scratch_directory.h"
#include "source_file.h"

TEST(RealData, BoerickeCompilesAndOpensWhole) {
    const std::string shared = MERIDANE_SHARED_DATA_DIR;
    if (!std::filesystem::exists(shared + "/boericke.mms")) GTEST_SKIP() << "no shared data";
    std::string text, error;
    ASSERT_TRUE(corvela_sources::ReadWholeFile(shared + "/boericke.mms", &text, &error)) << error;
    corvela_sources::MateriaMedicaSource source;
    corvela_sources::SourceError sourceError;
    ASSERT_TRUE(
        corvela_sources::ParseMateriaMedicaSource(text, "boericke.mms", &source, &sourceError));
    RemedyListImpl catalogue;
    ASSERT_EQ(catalogue.Load((shared + "/remedies.txt").c_str()), 1);
    IndexBuilderImpl index;
    MateriaMedicaBuilderImpl builder(catalogue, index);
    const auto& h = source.header;
    const MateriaMedicaDescription description{
        h.id.c_str(),       h.texts[0].c_str(), h.texts[1].c_str(), h.texts[2].c_str(),
        h.texts[3].c_str(), h.texts[4].c_str(), h.FlagsOr(0x40)};
    builder.Begin(&description);
    int added = 0;
    for (const auto& article : source.articles) {
        std::string name = article.name;
        if (!name.empty() && catalogue.FindRemedy(name.c_str()) == nullptr && name.back() == '.')
            name.pop_back();
        const char* shown = article.name.empty() && article.title.empty() ? "" : name.c_str();
        added += builder.AddArticle(shown, article.title.c_str(), article.text.c_str(),
                                    article.hasRtf ? article.rtf.c_str() : nullptr) >= 0;
    }
    builder.End();
    EXPECT_EQ(builder.GetUnknownRemedyCount(), 0);
    ScratchDirectory dir;
    ASSERT_TRUE(builder.Save((dir / "boericke.mmb").c_str())) << builder.GetSaveError();

    MateriaMedicaImpl book;
    ASSERT_TRUE(book.Open((dir / "boericke.mmb").c_str())) << book.GetLoadError().Describe();
    ASSERT_EQ(book.GetArticleCount(), added);
    EXPECT_STREQ(book.GetName(), "MM_BOERICKE");
    for (int i = 0; i < book.GetArticleCount(); ++i) {
        const int remedy = book.GetArticle(i)->GetRemedy();
        ASSERT_NE(book.FindArticle(remedy), nullptr) << i;
        EXPECT_EQ(book.FindArticle(remedy)->GetRemedy(), remedy) << i;
    }
    // Every posting names an article, in ascending order.
    Index& words = *book.GetWordIndex();
    EXPECT_GT(words.GetWordCount(), 1000u);
    for (unsigned k = 0; k < words.GetWordCount(); ++k)
        for (int j = 0; j < words.GetPostingCount(k); ++j) {
            ASSERT_LT(words.GetPosting(k, j), book.GetArticleCount());
            if (j > 0) {
                ASSERT_LE(words.GetPosting(k, j - 1), words.GetPosting(k, j));
            }
        }
}
