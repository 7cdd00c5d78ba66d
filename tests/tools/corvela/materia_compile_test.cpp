// compile-mm: the bytes it writes, what it reports, and the demo materia
// medica sources.
#include <cstdint>

#include "tool_fixture.h"

namespace {

// Little-endian pieces of an expected file.
class Bytes {
public:
    Bytes& Text(const std::string& text) {
        m_bytes += text;
        return *this;
    }
    Bytes& U16(std::uint16_t value) { return Le(value, 2); }
    Bytes& U32(std::uint32_t value) { return Le(value, 4); }
    // A counted string: uint16 length with the zero, the text, the zero.
    Bytes& Counted(const std::string& text) {
        U16(static_cast<std::uint16_t>(text.size() + 1));
        return Text(text).Text(std::string(1, '\0'));
    }
    const std::string& str() const { return m_bytes; }

private:
    Bytes& Le(std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i) m_bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        return *this;
    }
    std::string m_bytes;
};

TEST_F(ToolFixture, CompileMmWritesTheFileByteForByte) {
    const ToolRun run = CompileMm("small",
                                  "@id 12345678-9abc-def0-1234-56789abcdef0\n"
                                  "@name N\n"
                                  "@text3 A\n"
                                  "@article |\n"
                                  "\n"
                                  "Worse at night.\n"
                                  "\n"
                                  "@article ACON. | whatever\n"
                                  "Fear.\n"
                                  "@rtf\n"
                                  "{\\rtf1 Fear.}\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    // Header strings at 36, 75, 79, 82, 86, 89; the table at 92; records at
    // 100 and 133; 169 bytes in all.
    Bytes expected;
    expected.Text("MMED").U32(2).U32(169).U32(2).U32(0x40).U32(92);
    for (std::uint16_t offset : {36, 75, 79, 82, 86, 89}) expected.U16(offset);
    expected.Counted("12345678-9ABC-DEF0-1234-56789ABCDEF0").Counted("N").Counted("");
    expected.Counted("A").Counted("").Counted("");
    expected.U32(100).U32(133);
    expected.Text("TOPC").U32(0xFFFFFFFF).U32(16).Text(std::string("Worse at night.\0", 16));
    expected.U32(1).Text(std::string(1, '\0'));
    expected.Text("TOPC").U32(0).U32(6).Text(std::string("Fear.\0", 6));
    expected.U32(14).Text(std::string("{\\rtf1 Fear.}\0", 14));
    EXPECT_EQ(ReadBytes(m_dir / "small.mmb"), expected.str());
    EXPECT_TRUE(Exists(m_dir / "small.idx"));
}

TEST_F(ToolFixture, CompileMmListsUnknownRemediesOnceAndDropsTheirArticles) {
    const ToolRun run = CompileMm("mm",
                                  "@id 12345678-9ABC-DEF0-1234-56789ABCDEF0\n@name MM\n"
                                  "@article zzz | Zincum zzz\nfirst\n"
                                  "@article acon |\nsecond\n"
                                  "@article yyy |\nthird\n"
                                  "@article zzz |\nfourth\n"
                                  "@article | Only a title\nfifth\n");
    EXPECT_EQ(run.status, 0);
    // A title without a name is looked up by the empty name.
    EXPECT_EQ(run.err, "unknown remedy: zzz\nunknown remedy: yyy\nunknown remedy: \n");
    EXPECT_EQ(Tool({"sources"}).out.find("\tMM\t1\t") != std::string::npos, true);
    EXPECT_EQ(Tool({"article", "MM", "acon"}).out, "second\n");
}

TEST_F(ToolFixture, CompileMmWithOnlyUnknownRemediesWritesNothing) {
    const ToolRun run =
        CompileMm("none", "@id 12345678-9ABC-DEF0-1234-56789ABCDEF0\n@article zzz |\ntext\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "unknown remedy: zzz\ncorvela: no article was added\n");
    EXPECT_FALSE(Exists(m_dir / "none.mmb"));
    EXPECT_FALSE(Exists(m_dir / "none.idx"));
}

TEST_F(ToolFixture, RtfOnlyArticleGetsThePlainTextOfItsRtf) {
    CompileBoth();
    ToolRun run = Tool({"article", "FIX_MM", "bell"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Sudden heat.\nRed face.\n");
    run = Tool({"article", "--rtf", "FIX_MM", "bell"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Sudden \\b heat\\b0 .\\par Red face.}\n");
    // The index was built from the derived text.
    run = Tool({"search", "--scope", "mm", "--", "heat"});
    EXPECT_EQ(run.out, "1\t3\tbell\n");
}

class DemoMateriaMedica : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir.Write("remedy_synonyms.txt",
                    ReadBytes(std::string(MERIDANE_DEMO_DIR) + "/remedy_synonyms.txt"));
    }
    ToolRun CompileDemo(const std::string& source, const std::string& output) const {
        return RunTool({"--home", m_dir.path().string(), "compile-mm",
                        std::string(MERIDANE_DEMO_DIR) + "/" + source, m_dir / output});
    }
    TempDir m_dir;
};

TEST_F(DemoMateriaMedica, CompileAndAreListedAsSources) {
    for (const auto& [source, output] : {std::pair{"demo_mm_en.mms", "demo_mm_en.mmb"},
                                         std::pair{"demo_mm_second.mms", "demo_mm_second.mmb"},
                                         std::pair{"demo_user_mm.mms", "demo_user_mm.mmb"}}) {
        const ToolRun run = CompileDemo(source, output);
        ASSERT_EQ(run.status, 0) << source << ": " << run.err;
        EXPECT_EQ(run.err, "") << source << ": every remedy is in the demo catalogue";
    }
    const ToolRun sources = RunTool({"--home", m_dir.path().string(), "sources"});
    EXPECT_EQ(sources.status, 0);
    // The user materia medica (flags 2) is wrapped as the user's own, type 2.
    EXPECT_EQ(sources.out, "0\t2\t4D8EA1C0-5A22-4514-9C79-03EEA3438E66\tMM_DEMO\t31\t" +
                               (m_dir / "demo_mm_en.mmb") +
                               "\n"
                               "1\t2\tB73E2A54-91C6-4F0D-8E25-6A1D3C9F7B42\tMM_NOTES\t11\t" +
                               (m_dir / "demo_mm_second.mmb") +
                               "\n"
                               "2\t2\t5C1F9E7A-3B2D-4C8E-9A6F-1E7D2B4C8A93\tMy notes\t2\t" +
                               (m_dir / "demo_user_mm.mmb") + "\n");
    // Remedies with articles in both books.
    const ToolRun search =
        RunTool({"--home", m_dir.path().string(), "search", "--scope", "mm", "@acon"});
    EXPECT_EQ(search.out, "0\t1\tacon\n1\t1\tacon\n");
}

// The demo data compiled at build time into the program directory.
TEST(DemoProgramDirectory, ListsTheDemoMateriaMedicas) {
    const std::string home = MERIDANE_PROGRAM_DIR;
    if (!Exists(home + "/demo_mm_en.mmb")) GTEST_SKIP() << "the demo data is not built";
    const ToolRun run = RunTool({"--home", home, "sources"});
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"\t2\t4D8EA1C0-5A22-4514-9C79-03EEA3438E66\tMM_DEMO\t31\t",
                             "\t2\tB73E2A54-91C6-4F0D-8E25-6A1D3C9F7B42\tMM_NOTES\t11\t",
                             "\t2\t5C1F9E7A-3B2D-4C8E-9A6F-1E7D2B4C8A93\tMy notes\t2\t"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << " in\n" << run.out;
}

TEST_F(DemoMateriaMedica, SourceErrorComesBeforeAnyOutput) {
    m_dir.Write("bad.mms", "@id 4D8EA1C0-5A22-4514-9C79-03EEA3438E66\nstray text\n");
    const ToolRun run = RunTool(
        {"--home", m_dir.path().string(), "compile-mm", m_dir / "bad.mms", m_dir / "bad.mmb"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvela: " + (m_dir / "bad.mms") + ":2: text before the first @article\n");
    EXPECT_FALSE(Exists(m_dir / "bad.mmb"));
}

}  // namespace
