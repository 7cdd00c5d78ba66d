#include "views/analysis/chart/ranking_hint.h"

#include "analysis/rank_explanation.h"
#include "analysis/sort_type.h"
#include "model/records/analysis.h"
#include "plumbing/text/code_page.h"
#include "views/analysis/chart/chart_data.h"
#include "views/analysis/chart/chart_style.h"

namespace chart {

namespace {

QString Times() {
    return QStringLiteral(" x ");
}

}  // namespace

QString RankingHint(const CChartData& data, int row) {
    if (row < 0 || row >= data.RowCount() || data.Analysis() == nullptr) return QString();
    const CItems& entry = data.Ranked()[static_cast<std::size_t>(row)];
    QStringList lines;
    lines << data.RemedyLabel(row) + QStringLiteral(": ") + Text("grade x symptom weight");

    const std::vector<RankContribution> parts = ExplainRemedy(*data.Analysis(), entry.m_remedy);
    const int shown = std::min<int>(kHintRubrics, static_cast<int>(parts.size()));
    for (int i = 0; i < shown; ++i) {
        const RankContribution& part = parts[static_cast<std::size_t>(i)];
        lines << plumbing::DecodeCodePage(part.topic->m_pathText) + QStringLiteral(": ") +
                     QString::number(part.grade) + Times() + QString::number(part.symptomWeight) +
                     QStringLiteral(" = ") + QString::number(part.Product());
    }
    if (shown < static_cast<int>(parts.size())) {
        lines << Filled(Text("and %d more"),
                        {QString::number(static_cast<int>(parts.size()) - shown)});
    }

    const QString separator = QStringLiteral(" \u00B7 ");
    lines << Text("Count") + QLatin1Char(' ') + QString::number(entry.m_count) + separator +
                 Text("Weight") + QLatin1Char(' ') + QString::number(entry.m_weight) + separator +
                 Text("Factum") + QLatin1Char(' ') + QString::number(SortFigure(entry, kSortFactum));

    if (const FragileRank* fragile = data.FragilityOf(row)) {
        lines << Text("Leaves the top ten when excluded:");
        for (int column : fragile->columns) {
            const CountedTopic& topic = data.Columns()[static_cast<std::size_t>(column)];
            lines << QStringLiteral("  ") + plumbing::DecodeCodePage(topic.topic->m_pathText);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace chart
