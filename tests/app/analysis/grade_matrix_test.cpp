// The grade matrix: rows in ranked order, columns the counted rubrics.
#include "analysis/grade_matrix.h"

#include <gtest/gtest.h>

#include "analysis/counted_topics.h"
#include "analysis/ranking.h"
#include "analysis/sort_type.h"
#include "analysis_builder.h"

namespace {

using analysis_test::NumberName;
using analysis_test::Rubric;
using analysis_test::Symptom;

// Row r as "name: g g g".
std::vector<std::string> Rows(const RankedList& list, const CGradeMatrix& matrix) {
    std::vector<std::string> rows;
    for (int r = 0; r < matrix.GetRowCount(); ++r) {
        std::string row = list[static_cast<std::size_t>(r)].m_name + ":";
        for (int c = 0; c < matrix.GetColumnCount(); ++c)
            row += " " + std::to_string(matrix.Get(r, c));
        rows.push_back(row);
    }
    return rows;
}

class GradeMatrix : public ::testing::Test {
protected:
    void SetUp() override {
        m_analysis.SetSortType(kSortName);
        Symptom(m_analysis, 1, {Rubric({{1, 3}, {2, 1}}), Rubric({{9, 4}}, /*hide=*/1)});
        Symptom(m_analysis, 2, {Rubric({{3, 2}}, 0, CSympthom::kArticleTopic)});
        // A later entry of the same remedy in one rubric overwrites the cell;
        // grade 0 leaves it 0 although the remedy is ranked.
        Symptom(m_analysis, 3, {Rubric({{2, 2}, {2, 4}, {3, 0}}), Rubric({{1, 1}})});
    }
    CAnalysis m_analysis;
    RankedList m_list;
    CGradeMatrix m_matrix;
};

TEST_F(GradeMatrix, ColumnsAreTheCountedRubricsInOrder) {
    Calculate(&m_analysis, m_list, NumberName);
    BuildGradeMatrix(&m_analysis, &m_list, m_matrix);
    ASSERT_TRUE(m_matrix.IsBuilt());
    EXPECT_EQ(Rows(m_list, m_matrix),
              (std::vector<std::string>{"r1: 3 0 1", "r2: 1 4 0", "r3: 0 0 0"}));
    const std::vector<CountedTopic> columns = CountedTopics(m_analysis);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].symptom, &m_analysis.GetFirstSymptom());
    EXPECT_EQ(columns[1].symptom, m_analysis.GetSymptom(2));
    EXPECT_EQ(columns[1].topicIndex, 0);
    EXPECT_EQ(columns[2].topicIndex, 1);
}

TEST_F(GradeMatrix, SortTypeMovesRowsNotFigures) {
    Calculate(&m_analysis, m_list, NumberName);
    BuildGradeMatrix(&m_analysis, &m_list, m_matrix);
    const std::vector<std::string> byName = Rows(m_list, m_matrix);
    m_analysis.SetSortType(kSortWeight);  // r2: 1 + 6 + 12 = 19, r1: 3 + 3 = 6, r3: 0
    Calculate(&m_analysis, m_list, NumberName);
    BuildGradeMatrix(&m_analysis, &m_list, m_matrix);
    EXPECT_EQ(Rows(m_list, m_matrix), (std::vector<std::string>{byName[1], byName[0], byName[2]}));
}

TEST_F(GradeMatrix, HidingARubricRemovesItsColumn) {
    m_analysis.GetFirstSymptom().m_topics[0].m_hide = 1;
    Calculate(&m_analysis, m_list, NumberName);
    BuildGradeMatrix(&m_analysis, &m_list, m_matrix);
    EXPECT_EQ(Rows(m_list, m_matrix), (std::vector<std::string>{"r1: 0 1", "r2: 4 0", "r3: 0 0"}));
}

TEST_F(GradeMatrix, NothingToDrawWithoutAnalysisOrList) {
    Calculate(&m_analysis, m_list, NumberName);
    BuildGradeMatrix(&m_analysis, &m_list, m_matrix);
    BuildGradeMatrix(nullptr, &m_list, m_matrix);
    EXPECT_FALSE(m_matrix.IsBuilt());
    EXPECT_EQ(m_matrix.GetRowCount(), 0);
    BuildGradeMatrix(&m_analysis, nullptr, m_matrix);
    EXPECT_FALSE(m_matrix.IsBuilt());
    // Symptoms without a counted rubric: a built matrix of no columns.
    CAnalysis hidden;
    Symptom(hidden, 1, {Rubric({{1, 1}}, 1)});
    Calculate(&hidden, m_list, NumberName);
    BuildGradeMatrix(&hidden, &m_list, m_matrix);
    EXPECT_TRUE(m_matrix.IsBuilt());
    EXPECT_EQ(m_matrix.GetColumnCount(), 0);
    EXPECT_EQ(m_matrix.GetRowCount(), 0);
}

}  // namespace
