// The demo materia medica sources parse, and hold the articles the demo needs.
#include <gtest/gtest.h>

#include "base/files/atomic_file.h"
#include "materia_source.h"

namespace corvela_sources {
namespace {

MateriaMedicaSource ParseDemo(const std::string& name) {
    const std::string path = std::string(MERIDANE_DEMO_DIR) + "/" + name;
    std::string text, why;
    EXPECT_TRUE(base::ReadWholeFile(path, &text, &why)) << why;
    MateriaMedicaSource source;
    SourceError error;
    EXPECT_TRUE(ParseMateriaMedicaSource(text, path, &source, &error)) << error.ToString();
    return source;
}

const SourceArticle* Find(const MateriaMedicaSource& source, const std::string& name) {
    for (const SourceArticle& article : source.articles)
        if (article.name == name) return &article;
    return nullptr;
}

TEST(DemoSources, EnglishMateriaMedicaHasItsSpecialArticles) {
    const MateriaMedicaSource mm = ParseDemo("demo_mm_en.mms");
    EXPECT_EQ(mm.header.id, "4D8EA1C0-5A22-4514-9C79-03EEA3438E66");
    EXPECT_EQ(mm.header.FlagsOr(0), 0x40u);
    EXPECT_FALSE(mm.header.texts[2].empty()) << "the author";
    ASSERT_EQ(mm.articles.size(), 31u);
    // An article about no remedy, holding the link markup.
    EXPECT_EQ(mm.articles[0].name, "");
    EXPECT_EQ(mm.articles[0].title, "");
    EXPECT_NE(mm.articles[0].text.find("\n@Sulphur@sulph@ lead"), std::string::npos);
    // RTF only: the plain text comes from the RTF, without its tables.
    const SourceArticle* bell = Find(mm, "bell");
    ASSERT_NE(bell, nullptr);
    EXPECT_TRUE(bell->hasRtf);
    EXPECT_EQ(bell->text.rfind("Heat, redness, throbbing and burning.\nSudden, violent", 0), 0u)
        << bell->text;
    EXPECT_NE(bell->text.find("pupils; the skin radiates"), std::string::npos) << bell->text;
    EXPECT_EQ(bell->text.find("Arial"), std::string::npos);
    EXPECT_EQ(bell->text.find("Ashdown"), std::string::npos);
    // Both parts, the plain one starting with an escaped '@'.
    const SourceArticle* sulph = Find(mm, "sulph");
    ASSERT_NE(sulph, nullptr);
    EXPECT_TRUE(sulph->hasRtf);
    EXPECT_EQ(sulph->text.rfind("@Sulphur@sulph@ is the great remedy", 0), 0u);
    EXPECT_EQ(sulph->rtf.rfind("{\\rtf1", 0), 0u);
    // The remedy the program opens first (catalogue number 8) has an article.
    EXPECT_NE(Find(mm, "arg-n"), nullptr);
}

TEST(DemoSources, SecondAndUserMateriaMedicas) {
    const MateriaMedicaSource second = ParseDemo("demo_mm_second.mms");
    EXPECT_EQ(second.header.FlagsOr(0), 0x40u);
    EXPECT_EQ(second.articles.size(), 11u);
    EXPECT_NE(second.header.texts[2], ParseDemo("demo_mm_en.mms").header.texts[2]);
    const MateriaMedicaSource user = ParseDemo("demo_user_mm.mms");
    EXPECT_EQ(user.header.FlagsOr(0x40), 2u);
    EXPECT_EQ(user.articles.size(), 2u);
}

}  // namespace
}  // namespace corvela_sources
