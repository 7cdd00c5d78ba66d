#include "case_summary.h"

#include <corvela.h>

#include <QFile>
#include <QRegularExpression>

#include "analysis/ranking.h"
#include "model/records/analysis.h"
#include "model/records/case.h"
#include "plumbing/text/code_page.h"

namespace workflow {
namespace {

QString Text(const std::string& codePage1251) {
    return plumbing::DecodeCodePage(codePage1251);
}

QString SourceText(const Guid& id) {
    char text[kGuidTextLength + 1];
    FormatGuid(id, text);
    return QString::fromLatin1(text);
}

}  // namespace

QStringList DescribeAnalysis(const CAnalysis& analysis) {
    QStringList lines;
    for (const CSympthom* symptom = &analysis.GetFirstSymptom(); symptom != nullptr;
         symptom = symptom->GetNext()) {
        lines << QStringLiteral("symptom %1 weight %2")
                     .arg(Text(symptom->m_name))
                     .arg(symptom->m_weight);
        for (const CSympthom::CTopic& topic : symptom->m_topics) {
            if (topic.m_dataType == CSympthom::kRubricTopic) {
                lines << QStringLiteral("rubric %1/%2 hidden %3 %4: %5 remedies")
                             .arg(SourceText(topic.m_sourceId))
                             .arg(ItemNumber(topic.GetItemId()))
                             .arg(topic.m_hide)
                             .arg(Text(topic.m_pathText))
                             .arg(topic.m_remedies.size());
            } else {
                lines << QStringLiteral("passage %1/%2 type %3 %4")
                             .arg(SourceText(topic.m_sourceId))
                             .arg(ItemNumber(topic.GetItemId()))
                             .arg(topic.m_dataType)
                             .arg(Text(topic.m_text).left(60));
            }
        }
    }
    return lines;
}

QStringList DescribeRanking(const CAnalysis& analysis) {
    RankedList ranked;
    Calculate(&analysis, ranked);
    QStringList lines;
    for (const CItems& item : ranked)
        lines << QStringLiteral("%1 weight %2 count %3")
                     .arg(Text(item.m_name))
                     .arg(item.m_weight)
                     .arg(item.m_count);
    return lines;
}

CAnalysis* FirstAnalysis(CCase& theCase) {
    const std::vector<CAnalysis*> analyses = theCase.GetAnalyses();
    return analyses.empty() ? nullptr : analyses.front();
}

QStringList PdfPageBoxes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromLatin1(file.readAll());
    // Every page object: its type, then its media box within the object.
    static const QRegularExpression page(
        QStringLiteral("/Type\\s*/Page(?![a-zA-Z])[^>]*?/MediaBox\\s*\\[([^\\]]*)\\]"));
    QStringList boxes;
    for (auto match = page.globalMatch(text); match.hasNext();)
        boxes << match.next().captured(1).simplified();
    return boxes;
}

}  // namespace workflow
