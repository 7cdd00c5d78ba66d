// The commands of meridane-case on case files in a program directory with
// the fixture repertories REP_ALPHA and REP_BETA.
#include <gtest/gtest.h>

#include <filesystem>

#include "corvela.h"
#include "records_home.h"
#include "sample_case.h"
#include "tool_runner.h"

namespace {

using records_test::HomePath;
using records_test::ReadFile;

class CaseCommands : public records_test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        ASSERT_TRUE(records_test::Install(records_test::Alpha()));
        ASSERT_TRUE(records_test::Install(records_test::Beta()));
        m_case = HomePath("jane.hom");
    }
    void UseSample() { records_test::WriteFile(m_case, records_test::SampleCaseText()); }
    // Runs a command that must succeed and returns its output.
    std::string Ok(const std::vector<std::string>& args) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return run.out;
    }
    std::string m_case;
};

// Every line but the item lines (whose time is the current one) as printed,
// the item lines from their name on.
std::string WithoutTimes(const std::string& shown) {
    std::string result;
    std::size_t start = 0;
    while (start < shown.size()) {
        std::size_t end = shown.find('\n', start);
        std::string line = shown.substr(start, end - start);
        const std::size_t colon = line.find(", 20");
        if (colon != std::string::npos && line.find(": ", colon) != std::string::npos)
            line = "TIME" + line.substr(line.find(": ", colon));
        result += line + "\n";
        start = end + 1;
    }
    return result;
}

TEST_F(CaseCommands, NewCaseHasTheDefaultCardAndAFirstVisit) {
    EXPECT_EQ(Ok({"new", m_case}), "");
    EXPECT_EQ(WithoutTimes(Ok({"show", m_case})),
              "John Doe\nDate of birth: 1914\nAddress: Unknown\nTIME: First visit\n");
}

TEST_F(CaseCommands, PatientNamesTravelAsUtf8AndAreStoredInCodePage1251) {
    EXPECT_EQ(Ok({"new", m_case, "--patient", "Анна Петрова"}), "");
    EXPECT_NE(ReadFile(m_case).find("Name \"\xC0\xED\xED\xE0 \xCF\xE5\xF2\xF0\xEE\xE2\xE0\""),
              std::string::npos);
    EXPECT_EQ(Ok({"show", m_case}).substr(0, 24), "Анна Петрова\n");
}

TEST_F(CaseCommands, ItemsAreAppendedWithTheCommandsNames) {
    Ok({"new", m_case});
    for (const char* kind : {"episode", "check", "note", "phone", "prescription"})
        EXPECT_EQ(Ok({"add", m_case, kind}), "");
    EXPECT_EQ(Ok({"add", m_case, "analysis"}), "0\n");
    EXPECT_EQ(Ok({"add", m_case, "analysis"}), "1\n");
    EXPECT_EQ(WithoutTimes(Ok({"show", m_case})),
              "John Doe\nDate of birth: 1914\nAddress: Unknown\nTIME: First visit\n"
              "TIME: New Episode\nTIME: Check Prescription\nTIME: Note\n"
              "TIME: Phone conversation\nTIME: Prescription\n"
              "TIME: Analysis\t1 symptoms, 0 rubrics\nTIME: Analysis\t1 symptoms, 0 rubrics\n");
}

TEST_F(CaseCommands, ShowListsTheSampleCase) {
    UseSample();
    EXPECT_EQ(Ok({"show", m_case}),
              "Jane Roe\nDate of birth: 1980\nAddress: 12 Elm Street, Springfield\n"
              "Married: 12 years\nW&H: 168 cm, 61 kg\nLeft-handed\n"
              "January 02, 2024 03:04: First visit\n"
              "January 02, 2024 03:04: Phone conversation\n"
              "January 02, 2024 03:04: Prescription\n"
              "January 02, 2024 03:04: Analysis\t3 symptoms, 5 rubrics\n");
    // Showing changes nothing.
    EXPECT_EQ(ReadFile(m_case), records_test::SampleCaseText());
}

TEST_F(CaseCommands, RankPrintsTheRankingAndTheMatrix) {
    UseSample();
    // Sort type 1 (weight); bell counts twice in "throbbing", grades 4 and 2.
    const std::string ranking = "bell\t2\t18\nars\t1\t12\nacon\t1\t6\nnux-v\t1\t6\npuls\t1\t4\n";
    EXPECT_EQ(Ok({"rank", m_case}), ranking);
    EXPECT_EQ(Ok({"rank", m_case, "--matrix"}),
              ranking + "\nbell\t0 2 0\nars\t4 0 0\nacon\t2 0 0\nnux-v\t0 0 3\npuls\t0 0 2\n");
    EXPECT_EQ(Ok({"rank", m_case, "--sort", "3", "--analysis", "0"}),
              "acon\t1\t6\nars\t1\t12\nbell\t2\t18\nnux-v\t1\t6\npuls\t1\t4\n");
    EXPECT_EQ(ReadFile(m_case), records_test::SampleCaseText());  // --sort is not stored
}

TEST_F(CaseCommands, RankExplainsEveryFigure) {
    UseSample();
    EXPECT_EQ(Ok({"rank", m_case, "--explain"}),
              "bell\t2\t18\n"
              "\tHead; Pain; throbbing\t4 x 3 = 12\n"
              "\tHead; Pain; throbbing\t2 x 3 = 6\n"
              "ars\t1\t12\n"
              "\tMind; Anxiety; night\t4 x 3 = 12\n"
              "acon\t1\t6\n"
              "\tMind; Anxiety; night\t2 x 3 = 6\n"
              "nux-v\t1\t6\n"
              "\tStomach; Nausea\t3 x 2 = 6\n"
              "puls\t1\t4\n"
              "\tStomach; Nausea\t2 x 2 = 4\n");
}

TEST_F(CaseCommands, ExportChartWritesAPdfOrAPng) {
    UseSample();
    if (RunTool({"export-chart", "--help"}).status != 0)
        GTEST_SKIP() << "the tool was built without the program's chart";
    const std::string pdf = HomePath("chart.pdf");
    const std::string png = HomePath("chart.PNG");
    EXPECT_EQ(Ok({"export-chart", m_case, pdf}), pdf + "\n");
    EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(Ok({"export-chart", m_case, png, "--analysis", "0"}), png + "\n");
    EXPECT_EQ(ReadFile(png).substr(1, 3), "PNG");
    // Anything else is refused, and so is an analysis the case lacks.
    EXPECT_EQ(RunTool({"export-chart", m_case, HomePath("chart.jpg")}).status, 2);
    const ToolRun missing = RunTool({"export-chart", m_case, pdf, "--analysis", "4"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no analysis 4"), std::string::npos);
}

TEST_F(CaseCommands, AddRubricFindsTheRubricByItsPath) {
    Ok({"new", m_case});
    Ok({"add", m_case, "analysis"});
    EXPECT_EQ(Ok({"add-symptom", m_case, "0", "Fear of\ndeath", "--weight", "2"}), "1\n");
    EXPECT_EQ(Ok({"add-rubric", m_case, "0", "0", "REP_ALPHA", "mind; ANXIETY:; Night"}),
              "added\n");
    EXPECT_EQ(Ok({"add-rubric", m_case, "0", "1", "REP_ALPHA", "Mind; Anxiety; night"}),
              "refused: the rubric is already in this analysis\n");
    EXPECT_EQ(Ok({"add-rubric", m_case, "0", "1", records_test::Alpha().id, "Mind;"}),
              "refused: the rubric has no remedies\n");
    // The chapter "Stomach;" matches without its semicolon.
    EXPECT_EQ(Ok({"add-rubric", m_case, "0", "1", "REP_BETA", "stomach; nausea"}), "added\n");
    const std::string shown = WithoutTimes(Ok({"show", m_case}));
    EXPECT_EQ(shown.substr(shown.rfind("TIME")), "TIME: Analysis\t2 symptoms, 2 rubrics\n");
    // Factum: count x weight, ties (ars, puls) in production order.
    EXPECT_EQ(Ok({"rank", m_case}), "nux-v\t1\t6\nars\t1\t4\npuls\t1\t4\nacon\t1\t2\n");
    const std::string stored = ReadFile(m_case);
    EXPECT_NE(stored.find("Symptom_Name \"Fear of death\""), std::string::npos);
    EXPECT_NE(stored.find("hex \"A1A1A1A101000040800000000000A1A1\""), std::string::npos);
}

// A repertory the user compiled into the user data folder (--data) serves
// rubrics like one of the program directory.
TEST_F(CaseCommands, RepertoriesOfTheUserDataFolderServeRubrics) {
    const std::filesystem::path data = HomePath("user-data");
    std::filesystem::create_directory(data);
    for (const char* name : {"m_beta.rpb", "m_beta.idx"})
        std::filesystem::rename(HomePath(name), data / name);
    Ok({"new", m_case});
    Ok({"add", m_case, "analysis"});
    const ToolRun without =
        RunTool({"add-rubric", m_case, "0", "0", "REP_BETA", "stomach; nausea"});
    EXPECT_EQ(without.status, 1);
    EXPECT_EQ(without.err, "meridane-case: no repertory REP_BETA\n");
    EXPECT_EQ(Ok({"--data", data.string(), "add-rubric", m_case, "0", "0", "REP_BETA",
                  "stomach; nausea"}),
              "added\n");
}

TEST_F(CaseCommands, RubricsKeepTheirRepertoryWhenADataFileIsAdded) {
    UseSample();
    const std::string before = Ok({"rank", m_case, "--matrix"});
    ASSERT_TRUE(records_test::Install(records_test::First()));  // sorts before the others
    EXPECT_EQ(Ok({"rank", m_case, "--matrix"}), before);
    // A change saves the case with the rubrics' current identifiers.
    Ok({"set", m_case, "0", "0", "--sort", "1"});
    EXPECT_NE(ReadFile(m_case).find("Topic_Id \"4194307\""), std::string::npos);
    EXPECT_EQ(Ok({"rank", m_case, "--matrix"}), before);
}

TEST_F(CaseCommands, SetChangesWeightsVisibilityAndSortType) {
    UseSample();
    Ok({"set", m_case, "0", "2", "--weight", "4", "--exclude", "0"});
    EXPECT_EQ(Ok({"rank", m_case}), "bell\t2\t18\nars\t1\t12\nacon\t1\t6\n");
    Ok({"set", m_case, "0", "2", "--include", "0", "--sort", "2"});
    EXPECT_EQ(Ok({"rank", m_case}),
              "bell\t2\t18\nacon\t1\t6\nars\t1\t12\nnux-v\t1\t12\npuls\t1\t8\n");
    const std::string stored = ReadFile(m_case);
    EXPECT_NE(stored.find("SortType \"2\""), std::string::npos);
    EXPECT_NE(stored.find("Symptom_Weight \"4\""), std::string::npos);
}

}  // namespace
