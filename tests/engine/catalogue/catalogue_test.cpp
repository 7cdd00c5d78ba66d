#include <gtest/gtest.h>

#include "catalogue/catalogue_line.h"
#include "catalogue/remedy_list_impl.h"
#include "corvela.h"
#include "scratch_directory.h"

namespace {

// A catalogue loaded from text, the way the facade loads its own.
class Catalogue {
public:
    explicit Catalogue(const std::string& content) {
        ScratchDirectory::Write(m_dir / "remedy_synonyms.txt", content);
        m_result = m_list.Load((m_dir / "remedies.txt").c_str());
    }
    RemedyListImpl& operator*() { return m_list; }
    RemedyListImpl* operator->() { return &m_list; }
    int Result() const { return m_result; }
    const ScratchDirectory& Dir() const { return m_dir; }

private:
    ScratchDirectory m_dir;
    RemedyListImpl m_list;
    int m_result = 0;
};

int NumberOf(RemedyListImpl& list, const char* name) {
    Remedy* remedy = list.FindRemedy(name);
    return remedy == nullptr ? -1 : static_cast<int>(remedy->GetId());
}

}  // namespace

TEST(Catalogue, ReadsAttributesNamesAndSynonyms) {
    Catalogue list("1\t2\t\t0\t-1\tAcon.\tAconitum napellus\tAconit\n");
    ASSERT_EQ(list.Result(), 1);
    ASSERT_EQ(list->GetRemedyCount(), 1);
    Remedy* acon = list->GetRemedy(0);
    EXPECT_STREQ(acon->GetShortName(), "acon");
    EXPECT_STREQ(acon->GetLongName(), "aconitum napellus");
    EXPECT_STREQ(acon->GetExtraName(), "");
    EXPECT_EQ(acon->GetKind(), 2);
    EXPECT_EQ(acon->GetParent(), nullptr);
    const int expected[] = {1, 2, kNoAttribute, 0, -1, kNoAttribute};
    for (unsigned i = 0; i < 6; ++i) EXPECT_EQ(acon->GetAttribute(i), expected[i]) << i;
    for (const char* name : {"acon", "ACON", "Acon", "aconitum napellus", "Aconit"})
        EXPECT_EQ(NumberOf(*list, name), 0) << name;
    EXPECT_EQ(list->FindRemedy("acon."), nullptr);
    EXPECT_EQ(list->FindRemedy(nullptr), nullptr);
    EXPECT_EQ(list->GetRemedy(1), nullptr);
    EXPECT_EQ(list->GetRemedy(-1), nullptr);
}

TEST(Catalogue, FieldRules) {
    struct Case {
        const char* line;
        std::vector<std::string> names;
        int attribute0;
    };
    const Case cases[] = {
        {"\t\t\t\t\tacon. \tx\n", {"acon.", "x"}, kNoAttribute},    // stop before the spaces stays
        {"\t\t\t\t\tacon  .\tx\n", {"acon", "x"}, kNoAttribute},    // spaces before the stop go
        {"010\t\t\t\t\ta\t\tb\n", {"a", "b"}, 8},                   // octal; empty field skipped
        {"0x1F\t\t\t\t\ta\tb\r\n", {"a", "b"}, 31},                 // hexadecimal; CR ends the line
        {"seven\t\t\t\t\ta\tb\rc\td\n", {"a", "b"}, kNoAttribute},  // unreadable attribute
        {"\t\t\t\t\ta\tb", {"a"}, kNoAttribute},  // unterminated last field ignored
    };
    for (const Case& c : cases) {
        CatalogueLine line = ParseCatalogueLine(c.line);
        EXPECT_EQ(line.names, c.names) << c.line;
        EXPECT_EQ(line.attributes[0], c.attribute0) << c.line;
    }
}

TEST(Catalogue, LaterLinesMergeAndShortLinesAreIgnored) {
    Catalogue list(
        "\t\t\t\t\tsolo.\n"  // one name: no remedy
        "\t\t\t\t\tacon.\tAconitum napellus\n"
        "9\t9\t9\t9\t9\tACON.\tAconitum\tAconitum napellus\n"  // merges into acon
        "\t\t\t\t\tbell.\tBelladonna\tShared\n"
        "\t\t\t\t\tbry.\tBryonia\tshared\r\n"  // a later remedy takes "shared"
        "\t\t\t\t\tlast.\tunterminated");
    ASSERT_EQ(list->GetRemedyCount(), 3);
    EXPECT_EQ(list->FindRemedy("solo"), nullptr);
    EXPECT_EQ(NumberOf(*list, "aconitum"), 0);
    EXPECT_EQ(list->GetRemedy(0)->GetAttribute(0), kNoAttribute);
    EXPECT_EQ(*list->SynonymsOf("acon"),
              (std::vector<std::string>{"aconitum napellus", "aconitum"}));
    EXPECT_EQ(NumberOf(*list, "bell"), 1);
    EXPECT_EQ(NumberOf(*list, "shared"), 2);
    EXPECT_STREQ(list->GetRemedy(2)->GetShortName(), "bry");
    EXPECT_EQ(list->FindRemedy("last"), nullptr);
}

TEST(Catalogue, CyrillicNamesFoldToLowerCase) {
    Catalogue list("\t\t\t\t\t\xC0\xCA\xCE\xCD.\t\xC0\xCA\xCE\xCD\xC8\xD2\n");  // АКОН. АКОНИТ
    ASSERT_EQ(list->GetRemedyCount(), 1);
    EXPECT_STREQ(list->GetRemedy(0)->GetShortName(), "\xE0\xEA\xEE\xED");
    EXPECT_EQ(NumberOf(*list, "\xE0\xCA\xEE\xCD\xE8\xD2"), 0);  // аКоНиТ
}

TEST(Catalogue, LongLinesAreReadInPiecesOfTheLineBuffer) {
    std::string line = "\t\t\t\t\ta\tb\t" + std::string(5000, 'x') + "\n";
    auto lines = SplitCatalogueLines(line + "c\r\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 4095u);
    EXPECT_EQ(lines[2], "c\n");
    Catalogue list(line);
    EXPECT_EQ(NumberOf(*list, "b"), 0);  // the long synonym is cut off with its piece
}

TEST(Catalogue, MissingFileLeavesItEmpty) {
    RemedyListImpl list;
    EXPECT_EQ(list.Load("/no/such/dir/remedies.txt"), 0);
    EXPECT_EQ(list.GetRemedyCount(), 0);
    EXPECT_EQ(list.FindRemedy("acon"), nullptr);
    EXPECT_EQ(list.QueryRemedyNumber("acon"), -1);
}

TEST(Catalogue, SavesTheSynonymListing) {
    Catalogue list("\t\t\t\t\tbell.\tBelladonna\n\t\t\t\t\tacon.\tAconitum\tAconit\n");
    std::string path = list.Dir() / "listing.txt";
    ASSERT_EQ(list->SaveSynonyms(path.c_str()), 1);
    EXPECT_EQ(ScratchDirectory::Read(path), "acon\taconitum\taconit\t\nbell\tbelladonna\t\n");
    EXPECT_EQ(list->SaveSynonyms("/no/such/dir/x.txt"), 0);
}

TEST(Catalogue, FacadeReadsTheCatalogueOfTheProgramDirectory) {
    Corvela& engine = CorvelaInstance();
    EXPECT_EQ(engine.GetRemedyCount(), 8);
    EXPECT_EQ(engine.GetRemedyList()->GetRemedyCount(), 8);
    ASSERT_NE(engine.FindRemedy("CALC-C"), nullptr);
    EXPECT_EQ(engine.FindRemedy("CALC-C")->GetId(), 3u);
    EXPECT_EQ(engine.GetRemedyById(3), engine.GetRemedy(3));
    EXPECT_STREQ(engine.GetRemedy(7)->GetShortName(), "sulph");
}
