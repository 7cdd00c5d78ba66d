// dump of materia medicas, user materia medicas and article collections.
#include "tool_fixture.h"

namespace {

TEST_F(ToolFixture, DumpWritesAMateriaMedicaAsSourceText) {
    CompileBoth();
    const ToolRun run = Tool({"dump", "FIX_MM"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Remedies by their short names, the long name as the title; the RTF-only
    // article keeps its derived plain text; '@' lines get one more '@'.
    EXPECT_EQ(run.out,
              "@id 22222222-3333-4444-5555-666666666666\n"
              "@name FIX_MM\n"
              "@text3 Fixture author\n"
              "\n@article |\n"
              "About this book.\n"
              "\n@article acon | aconitum napellus\n"
              "Fear and anxiety, worse at night.\n"
              "\n@article ars | arsenicum album\n"
              "Anxiety with restlessness after midnight.\n"
              "@@ars@ link\n"
              "\n@article bell | belladonna\n"
              "Sudden heat.\n"
              "Red face.\n"
              "@rtf\n"
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Sudden \\b heat\\b0 .\\par Red face.}\n");
}

// Compiles a dump in a second directory with the same
// catalogue and compares both files with the originals, ORIGINAL.mmb and
// ORIGINAL.idx.
void ExpectDumpCompilesBack(const ToolRun& dump, const std::string& catalogue,
                            const std::string& original) {
    ASSERT_EQ(dump.status, 0) << dump.err;
    TempDir other;
    other.Write("remedy_synonyms.txt", catalogue);
    other.Write("again.mms", dump.out);
    const ToolRun again = RunTool(
        {"--home", other.path().string(), "compile-mm", other / "again.mms", other / "again.mmb"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.err, "");
    EXPECT_TRUE(ReadBytes(other / "again.mmb") == ReadBytes(original + ".mmb"));
    EXPECT_TRUE(ReadBytes(other / "again.idx") == ReadBytes(original + ".idx"));
}

TEST_F(ToolFixture, DumpOfUserSourcesCompilesBackWithTheirFlags) {
    // A user materia medica (flags 2) and a user article collection (flags 3,
    // an article about no remedy with text and rich text).
    ASSERT_EQ(CompileMm("user",
                        "@id 44444444-3333-4444-5555-666666666666\n@name Mine\n@flags 2\n"
                        "@article nux | x\nCoffee.\n@article silicea |\nFlint.\n")
                  .status,
              0);
    ASSERT_EQ(CompileMm("notes",
                        "@id 55555555-3333-4444-5555-666666666666\n@name A note\n"
                        "@text3 Me\n@text5 What it is about\n@flags 0x3\n"
                        "@article |\n@@ first\n\n  second\n@rtf\n{\\rtf1 @ first\\par}\n")
                  .status,
              0);
    const ToolRun sources = Tool({"sources"});
    EXPECT_NE(sources.out.find("\t3\t55555555-3333-4444-5555-666666666666\tA note\t1\t"),
              std::string::npos)
        << sources.out;
    const ToolRun user = Tool({"dump", "Mine"});
    EXPECT_NE(user.out.find("\n@flags 0x2\n\n@article nux-v | nux vomica\nCoffee.\n"),
              std::string::npos)
        << user.out;
    // sil's short name leads to hep: the long name is written.
    EXPECT_NE(user.out.find("\n@article silicea | silicea\nFlint.\n"), std::string::npos)
        << user.out;
    ExpectDumpCompilesBack(user, kFixtureCatalogue, m_dir / "user");
    const ToolRun notes = Tool({"dump", "55555555-3333-4444-5555-666666666666"});
    EXPECT_NE(notes.out.find("@flags 0x3\n"), std::string::npos) << notes.out;
    ExpectDumpCompilesBack(notes, kFixtureCatalogue, m_dir / "notes");
}

TEST_F(ToolFixture, DumpRefusesAnArticleOnARemedyTheCatalogueNoLongerHas) {
    ASSERT_EQ(CompileMm("mm",
                        "@id 12345678-9ABC-DEF0-1234-56789ABCDEF0\n@name MM\n"
                        "@article acon |\na\n@article hep |\nb\n")
                  .status,
              0);
    // The catalogue loses its last remedy, hep (number 5).
    m_dir.Write("remedy_synonyms.txt",
                kFixtureCatalogue.substr(0, kFixtureCatalogue.rfind("\t\t\t\t\thep.")));
    const ToolRun run = Tool({"dump", "MM"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "corvela: MM: article 1 (remedy number 5): remedy number 5 is not in the remedy "
              "catalogue\n");
}

}  // namespace
