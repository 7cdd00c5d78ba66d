// rank CASE.hom [--analysis K] [--sort N] [--matrix] [--explain]: the ranked
// remedies of an analysis, NAME<TAB>COUNT<TAB>WEIGHT; with --explain each is
// followed by the counted rubrics that gave to its figures, one a line,
// <TAB>RUBRIC<TAB>GRADE x WEIGHT = PRODUCT; with --matrix, after a blank line,
// NAME<TAB>grades of the counted rubrics in column order.
#include "analysis/grade_matrix.h"
#include "analysis/rank_explanation.h"
#include "analysis/ranking.h"
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"

namespace meridane_case {

int RunRank(const Invocation& invocation) {
    const Command* command = FindCommand("rank");
    const std::string& path = invocation.arguments[0];
    const std::string* analysisText = invocation.Option("--analysis");
    const std::string* sortText = invocation.Option("--sort");
    int sortType = 0;
    if (sortText != nullptr && !ParseNumber(*sortText, &sortType))
        return UsageError("--sort takes a whole number", command);

    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;
    CAnalysis* analysis =
        FindAnalysis(*theCase, analysisText != nullptr ? *analysisText : "0", path);
    if (analysis == nullptr) return kExitFailure;
    // The order asked for is shown, not stored.
    if (sortText != nullptr) analysis->SetSortType(sortType);

    RankedList ranked;
    Calculate(analysis, ranked);
    std::string out;
    const bool explain = invocation.Has("--explain");
    for (const CItems& entry : ranked) {
        out += Utf8(entry.m_name) + "\t" + std::to_string(entry.m_count) + "\t" +
               std::to_string(entry.m_weight) + "\n";
        if (!explain) continue;
        for (const RankContribution& part : ExplainRemedy(*analysis, entry.m_remedy)) {
            out += "\t" + Utf8(part.topic->m_pathText) + "\t" + std::to_string(part.grade) +
                   " x " + std::to_string(part.symptomWeight) + " = " +
                   std::to_string(part.Product()) + "\n";
        }
    }
    if (invocation.Has("--matrix")) {
        CGradeMatrix matrix;
        BuildGradeMatrix(analysis, &ranked, matrix);
        out += "\n";
        for (int row = 0; row < matrix.GetRowCount(); ++row) {
            out += Utf8(ranked[static_cast<std::size_t>(row)].m_name) + "\t";
            for (int column = 0; column < matrix.GetColumnCount(); ++column)
                out += (column > 0 ? " " : "") + std::to_string(matrix.Get(row, column));
            out += "\n";
        }
    }
    return WriteOut(out) ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
