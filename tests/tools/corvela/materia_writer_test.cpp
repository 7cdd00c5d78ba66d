// The materia medica writer against the real engine, in process: which texts
// it writes so that they read back unchanged, and which it refuses.
#include <cstdio>

#include "engine_program_dir.h"
#include "materia_medica_writer.h"
#include "materia_source.h"
#include "printable.h"

namespace {

constexpr const char* kGuid = "33333333-4444-5555-6666-777777777777";

// Compiles one article on acon with these texts into the program directory
// and answers the loaded source (null when it did not load).
DataSource* LoadOneArticle(Corvela& engine, const std::string& text, const std::string& rtf) {
    engine.CloseAll();
    MateriaMedicaBuilder* builder = engine.GetMateriaMedicaBuilder();
    const MateriaMedicaDescription description{kGuid, "W", "", "", "", "", 0x40};
    builder->Begin(&description);
    builder->AddArticle("acon", "", text.c_str(), rtf.c_str());
    builder->End();
    EXPECT_TRUE(builder->Save((ProgramDir() / "w.mmb").c_str())) << builder->GetSaveError();
    return engine.FindDataSourceByName("W");
}

void RemoveOneArticle(Corvela& engine) {
    engine.CloseAll();
    std::remove((ProgramDir() / "w.mmb").c_str());
    std::remove((ProgramDir() / "w.idx").c_str());
}

struct ArticleCase {
    std::string text;
    std::string rtf;
    const char* problem;  // null: written, and read back unchanged
    friend void PrintTo(const ArticleCase& c, std::ostream* os) {
        *os << Printable(c.text) << " / " << Printable(c.rtf);
    }
};

class MateriaWriterTexts : public ::testing::TestWithParam<ArticleCase> {};

TEST_P(MateriaWriterTexts, WriteWhatReadsBackAndRefuseTheRest) {
    const ArticleCase& c = GetParam();
    Corvela& engine = Engine();
    DataSource* source = LoadOneArticle(engine, c.text, c.rtf);
    ASSERT_NE(source, nullptr);
    // The writer appends: "kept" stays in front, alone when it refuses.
    std::string out = "kept", error;
    const bool written = corvela_sources::WriteMateriaMedicaSource(*source, engine, &out, &error);
    if (c.problem == nullptr) {
        ASSERT_TRUE(written) << error;
        corvela_sources::MateriaMedicaSource parsed;
        corvela_sources::SourceError parseError;
        ASSERT_TRUE(
            corvela_sources::ParseMateriaMedicaSource(out.substr(4), "w.mms", &parsed, &parseError))
            << parseError.ToString() << "\n"
            << out;
        ASSERT_EQ(parsed.articles.size(), 1u);
        EXPECT_EQ(parsed.articles[0].name, "acon");
        EXPECT_EQ(parsed.articles[0].text, c.text) << out;
        EXPECT_EQ(parsed.articles[0].rtf, c.rtf) << out;
    } else {
        EXPECT_FALSE(written);
        EXPECT_EQ(out, "kept");
        EXPECT_EQ(error, std::string("article 0 (acon): ") + c.problem);
    }
    RemoveOneArticle(engine);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MateriaWriterTexts,
    ::testing::Values(
        ArticleCase{"\nfoo", "", "its text starts with a blank line, which a source cannot hold"},
        ArticleCase{"foo\n", "", "its text ends with a blank line, which a source cannot hold"},
        ArticleCase{" \t", "", "its text starts with a blank line, which a source cannot hold"},
        ArticleCase{"a\r\nb", "",
                    "its text has a line ending in a carriage return, which a source cannot "
                    "hold"},
        ArticleCase{"x", "{\\rtf1 x}\n",
                    "its rich text ends with a blank line, which a source cannot hold"},
        ArticleCase{"", "{\\rtf1 words}",
                    "its text is empty while its rich text is not; compiled again it would get "
                    "the rich text's plain text"},
        ArticleCase{"@article acon\n@rtf\n@@two", "@rtf\n@article", nullptr},
        ArticleCase{"#not a comment\n\n  indented\t", "", nullptr},
        ArticleCase{"a\rb", "", nullptr}, ArticleCase{"", "", nullptr},
        ArticleCase{"", "{\\rtf1\\par}", nullptr}, ArticleCase{"plain", "{\\rtf1 rich}", nullptr},
        ArticleCase{"caf\xE9 \xC0\xE1\x98", "", nullptr}));

TEST(MateriaWriter, UnsavedUserArticleCollectionIsWrittenWithItsFlags) {
    Corvela& engine = Engine();
    engine.CloseAll();
    auto* collection = static_cast<UserArticle*>(engine.CreateUserArticleCollection());
    ASSERT_NE(collection, nullptr);
    collection->SetName("Notes");
    collection->SetArticleText("First line\n@second");
    std::string out, error;
    ASSERT_TRUE(corvela_sources::WriteMateriaMedicaSource(*collection, engine, &out, &error))
        << error;
    EXPECT_NE(out.find("\n@name Notes\n@flags 0x3\n\n@article |\nFirst line\n@@second\n"),
              std::string::npos)
        << out;
    collection->SetArticleText("trailing\n");
    EXPECT_FALSE(corvela_sources::WriteMateriaMedicaSource(*collection, engine, &out, &error));
    EXPECT_EQ(error,
              "article 0 (no remedy): its text ends with a blank line, which a source cannot hold");
    engine.CloseAll();
}

TEST(MateriaWriter, RefusesAMateriaMedicaWithoutArticles) {
    Corvela& engine = Engine();
    engine.CloseAll();
    DataSource* empty = engine.CreateUserMateriaMedica();
    ASSERT_NE(empty, nullptr);
    std::string out = "kept", error;
    EXPECT_FALSE(corvela_sources::WriteMateriaMedicaSource(*empty, engine, &out, &error));
    EXPECT_EQ(out, "kept");
    EXPECT_EQ(error, "it has no articles, and a materia medica without articles does not compile");
    engine.CloseAll();
}

}  // namespace
