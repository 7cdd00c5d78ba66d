// compile-mm on the demo materia medica sources.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

constexpr const char* kNoCompiler = "corvela: this engine has no materia medica compiler yet";

class DemoMateriaMedica : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir.Write("remedy_synonyms.txt",
                    ReadBytes(std::string(MERIDANE_DEMO_DIR) + "/remedy_synonyms.txt"));
    }
    ToolRun CompileMm(const std::string& source, const std::string& output) const {
        return RunTool({"--home", m_dir.path().string(), "compile-mm",
                        std::string(MERIDANE_DEMO_DIR) + "/" + source, m_dir / output});
    }
    TempDir m_dir;
};

TEST_F(DemoMateriaMedica, CompilesOrSaysTheEngineCannot) {
    const ToolRun run = CompileMm("demo_mm_en.mms", "mm.mmb");
    if (run.err.rfind(kNoCompiler, 0) == 0) {
        EXPECT_EQ(run.status, 1);
        EXPECT_FALSE(Exists(m_dir / "mm.mmb"));
        GTEST_SKIP() << "the engine has no materia medica compiler yet";
    }
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(CompileMm("demo_mm_second.mms", "second.mmb").status, 0);
    ASSERT_EQ(CompileMm("demo_user_mm.mms", "user.mmb").status, 0);
    const ToolRun sources = RunTool({"--home", m_dir.path().string(), "sources"});
    EXPECT_EQ(sources.status, 0);
    EXPECT_NE(sources.out.find("\t2\t4D8EA1C0-5A22-4514-9C79-03EEA3438E66\tMM_DEMO\t31\t"),
              std::string::npos)
        << sources.out;
}

TEST_F(DemoMateriaMedica, SourceErrorComesBeforeAnyOutput) {
    m_dir.Write("bad.mms", "@id 4D8EA1C0-5A22-4514-9C79-03EEA3438E66\nstray text\n");
    const ToolRun run = RunTool(
        {"--home", m_dir.path().string(), "compile-mm", m_dir / "bad.mms", m_dir / "bad.mmb"});
    EXPECT_EQ(run.status, 1);
    if (run.err.rfind(kNoCompiler, 0) != 0) {
        EXPECT_EQ(run.err,
                  "corvela: " + (m_dir / "bad.mms") + ":2: text before the first @article\n");
    }
    EXPECT_FALSE(Exists(m_dir / "bad.mmb"));
}

}  // namespace
