// The source library against the real engine, in process: what the compiler
// reports and what the repertory writer refuses.
#include "engine_program_dir.h"
#include "printable.h"
#include "remedy_names.h"
#include "repertory_compiler.h"
#include "repertory_writer.h"

namespace {

corvela_sources::RepertorySource Source(std::vector<std::string> remedyNames) {
    corvela_sources::RepertorySource source;
    source.header.id = "11111111-2222-3333-4444-555555555555";
    source.rubrics.push_back({1, 0, "root", {}});
    for (auto& name : remedyNames) source.rubrics[0].remedies.push_back({name, 1});
    return source;
}

TEST(CompileRepertory, ReportsOnlyTheUnknownNamesOfThisCompilation) {
    Corvela& engine = Engine();
    TempDir outputs;
    const std::string output = outputs / "out.rpb";
    auto first = corvela_sources::CompileRepertory(Source({"foo", "acon"}), engine, output.c_str());
    EXPECT_TRUE(first.saved);
    EXPECT_EQ(first.unknownRemedies, std::vector<std::string>{"foo"});
    auto second =
        corvela_sources::CompileRepertory(Source({"bar", "foo", "bell."}), engine, output.c_str());
    EXPECT_TRUE(second.saved);
    EXPECT_EQ(second.unknownRemedies, std::vector<std::string>{"bar"});
}

TEST(SourceRemedyName, DropsATrailingStopOnlyWhenThatFindsTheRemedy) {
    Corvela& engine = Engine();
    std::string scratch;
    EXPECT_STREQ(corvela_sources::SourceRemedyName(engine, "acon.", &scratch), "acon");
    EXPECT_STREQ(corvela_sources::SourceRemedyName(engine, "ACON", &scratch), "ACON");
    // The catalogue kept one of the two stops of "x..": "x." is a name.
    EXPECT_STREQ(corvela_sources::SourceRemedyName(engine, "x.", &scratch), "x.");
    EXPECT_STREQ(corvela_sources::SourceRemedyName(engine, "nope.", &scratch), "nope.");
    EXPECT_STREQ(corvela_sources::SourceRemedyName(engine, ".", &scratch), ".");
}

// Rubric texts the builder accepts but a source line cannot hold.
struct TextCase {
    std::string text;
    bool asRoot;  // the text of the root, else of its one child
    bool withRemedy;
    const char* problem;  // null: writable, then the line the source holds
    friend void PrintTo(const TextCase& c, std::ostream* os) {
        *os << Printable(c.text) << (c.asRoot ? " as root" : "")
            << (c.withRemedy ? " with remedy" : "");
    }
};

class WriterTextRules : public ::testing::TestWithParam<TextCase> {};

TEST_P(WriterTextRules, RefuseWhatWouldNotCompileBack) {
    const TextCase& c = GetParam();
    Corvela& engine = Engine();
    engine.CloseAll();
    RepertoryBuilder* builder = engine.GetRepertoryBuilder();
    const RepertoryDescription description{
        "11111111-2222-3333-4444-555555555555", "T", "", "", "", "", 0};
    builder->Begin(&description);
    if (!c.asRoot) builder->AddTopic("root");
    builder->AddTopic(c.text.c_str());
    if (c.withRemedy) builder->AddRemedy("acon", 2);
    builder->CloseTopic();
    if (!c.asRoot) builder->CloseTopic();
    ASSERT_TRUE(builder->Save((ProgramDir() / "t.rpb").c_str())) << builder->GetSaveError();
    DataSource* source = engine.FindDataSourceByName("T");
    ASSERT_NE(source, nullptr);
    std::string out = "kept", error;
    const bool written = corvela_sources::WriteRepertorySource(*static_cast<Repertory*>(source),
                                                               engine, &out, &error);
    if (c.problem == nullptr) {
        EXPECT_TRUE(written) << error;
        const std::string line =
            (c.asRoot ? "" : "\t") + c.text + (c.withRemedy ? "\tacon:2" : "") + "\n";
        EXPECT_NE(out.find("\n" + line), std::string::npos) << out;
    } else {
        EXPECT_FALSE(written);
        EXPECT_EQ(out, "kept");
        EXPECT_NE(error.find(c.problem), std::string::npos) << error;
        EXPECT_EQ(error.rfind(c.asRoot ? "rubric 0 " : "rubric 1 ", 0), 0u) << error;
    }
    engine.CloseAll();
}

INSTANTIATE_TEST_SUITE_P(Texts, WriterTextRules,
                         ::testing::Values(TextCase{"a\tb", false, false, "holds a TAB"},
                                           TextCase{"a\nb", false, true, "holds a line break"},
                                           TextCase{"a\rb", false, false, "holds a line break"},
                                           TextCase{"trailing ", false, false, "ends with a space"},
                                           TextCase{"", false, false,
                                                    "is empty and has no remedies"},
                                           TextCase{"@root", true, false, "starts with '@' or '#'"},
                                           TextCase{"#root", true, false, "starts with '@' or '#'"},
                                           TextCase{" ", false, true, "ends with a space"},
                                           TextCase{" leading", false, false, nullptr},
                                           TextCase{"#hash @at", false, false, nullptr},
                                           TextCase{"@", false, true, nullptr}));

// An empty rubric text with remedies is written as one space, which the
// reader drops again.
TEST(WriterTextRules, EmptyTextWithRemediesCompilesBack) {
    Corvela& engine = Engine();
    engine.CloseAll();
    RepertoryBuilder* builder = engine.GetRepertoryBuilder();
    const RepertoryDescription description{
        "11111111-2222-3333-4444-555555555555", "E", "", "", "", "", 0};
    builder->Begin(&description);
    builder->AddTopic("root");
    builder->AddTopic("");
    builder->AddRemedy("bell", 3);
    builder->CloseTopic();
    builder->CloseTopic();
    ASSERT_TRUE(builder->Save((ProgramDir() / "e.rpb").c_str()));
    std::string out, error;
    ASSERT_TRUE(corvela_sources::WriteRepertorySource(
        *static_cast<Repertory*>(engine.FindDataSourceByName("E")), engine, &out, &error));
    EXPECT_NE(out.find("\nroot\n\t \tbell:3\n"), std::string::npos) << out;
    corvela_sources::RepertorySource parsed;
    corvela_sources::SourceError parseError;
    ASSERT_TRUE(corvela_sources::ParseRepertorySource(out, "e.rps", &parsed, &parseError));
    ASSERT_EQ(parsed.rubrics.size(), 2u);
    EXPECT_EQ(parsed.rubrics[1].text, "");
    EXPECT_EQ(parsed.rubrics[1].remedies.at(0).name, "bell");
    engine.CloseAll();
    std::remove((ProgramDir() / "e.rpb").c_str());
    std::remove((ProgramDir() / "e.idx").c_str());
}

}  // namespace
