// What meridane-case says when it cannot do what it was asked, and that it
// leaves the case file alone then.
#include <gtest/gtest.h>

#include "records_home.h"
#include "sample_case.h"
#include "tool_runner.h"

namespace {

using records_test::HomePath;
using records_test::ReadFile;

class ToolErrors : public records_test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        ASSERT_TRUE(records_test::Install(records_test::Alpha()));
        m_case = HomePath("jane.hom");
        records_test::WriteFile(m_case, records_test::SampleCaseText());
    }
    std::string m_case;
};

struct Refusal {
    const char* label;
    std::vector<std::string> args;  // "CASE" stands for the sample case
    int status;
    const char* message;  // the first line of stderr

    // Names the case in test listings.
    friend void PrintTo(const Refusal& c, std::ostream* os) { *os << c.label; }
};

class ToolRefuses : public ToolErrors, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ToolRefuses, WithAMessageAndTheCaseUnchanged) {
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args) args.push_back(arg == "CASE" ? m_case : arg);
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, GetParam().status);
    std::string message = GetParam().message;
    for (std::size_t at = message.find("CASE"); at != std::string::npos; at = message.find("CASE"))
        message.replace(at, 4, m_case);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "meridane-case: " + message);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(m_case), records_test::SampleCaseText());
}

INSTANTIATE_TEST_SUITE_P(
    Tool, ToolRefuses,
    ::testing::Values(
        Refusal{"NoCommand", {}, 2, "no command given"},
        Refusal{"UnknownCommand", {"frobnicate", "CASE"}, 2, "unknown command frobnicate"},
        Refusal{"MissingArguments", {"add-rubric", "CASE", "0"}, 2, "missing arguments"},
        Refusal{"ForeignOption", {"show", "CASE", "--weight", "2"}, 2, "unknown option --weight"},
        Refusal{"UnknownKind",
                {"add", "CASE", "visit"},
                2,
                "unknown item kind visit (episode, check, note, phone, prescription or analysis)"},
        Refusal{"WeightOutOfRange",
                {"set", "CASE", "0", "0", "--weight", "5"},
                2,
                "the weight is 1, 2, 3 or 4"},
        Refusal{"NothingToSet",
                {"set", "CASE", "0", "0"},
                2,
                "nothing to set (--weight, --exclude, --include or --sort)"},
        Refusal{"CaseExists", {"new", "CASE"}, 1, "CASE already exists"},
        Refusal{"NoSuchAnalysis",
                {"rank", "CASE", "--analysis", "1"},
                1,
                "no analysis 1 in CASE (it has 1)"},
        Refusal{"NoSuchSymptom",
                {"set", "CASE", "0", "3", "--sort", "1"},
                1,
                "no symptom 3 in analysis 0 (it has 3)"},
        Refusal{"NoSuchTopic",
                {"set", "CASE", "0", "1", "--sort", "2", "--exclude", "1"},
                1,
                "no topic 1 in symptom 1 (it has 1)"},
        Refusal{"NoSuchRepertory",
                {"add-rubric", "CASE", "0", "0", "REP_GAMMA", "Mind"},
                1,
                "no repertory REP_GAMMA"},
        Refusal{"NoSuchRubric",
                {"add-rubric", "CASE", "0", "0", "REP_ALPHA", "Mind; Anxiety; day"},
                1,
                "no rubric \"day\" under \"Mind; Anxiety\" in REP_ALPHA"},
        Refusal{"NoCodePageForm",
                {"add-symptom", "CASE", "0", "\xE2\x82\xAC\xE2\x80\x8B sign"},
                1,
                "the symptom's name: character U+200B has no code page 1251 form"},
        Refusal{"NoHome",
                {"--home", "/no/such/dir", "show", "CASE"},
                1,
                "no such directory: /no/such/dir"}),
    [](const auto& param) { return std::string(param.param.label); });

TEST_F(ToolErrors, UnreadableCasesAreReportedWithTheReason) {
    ToolRun run = RunTool({"show", HomePath("missing.hom")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "meridane-case: cannot read " + HomePath("missing.hom") +
                           ": No such file or directory\n");

    std::string broken = records_test::SampleCaseText();
    broken.replace(broken.find("CPrescription\r\n"), 13, "CMystery");
    records_test::WriteFile(m_case, broken);
    run = RunTool({"add", m_case, "note"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "meridane-case: cannot read " + m_case + ": Type 'CMystery' was not registered\n");
    EXPECT_EQ(ReadFile(m_case), broken);
}

TEST_F(ToolErrors, HelpGoesToStandardOutput) {
    ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "usage: meridane-case [--home DIR] [--data DIR] COMMAND ARGUMENTS");
    EXPECT_NE(run.out.find("add-rubric CASE.hom ANALYSIS SYMPTOM REPERTORY"), std::string::npos);
    run = RunTool({"rank", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "usage: meridane-case [--home DIR] [--data DIR] rank CASE.hom [--analysis K] "
              "[--sort N] [--matrix] [--explain]");
}

}  // namespace
