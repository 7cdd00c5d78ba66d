// The consultation test's record of what an analysis holds, how it ranks and
// what its exported chart is, so that what is found after reopening the case
// can be compared with what was saved, line by line.
#pragma once

#include <QStringList>

class CAnalysis;
class CCase;

namespace workflow {

// One line per symptom ("symptom NAME weight W") and per topic under it
// ("rubric SOURCE/NUMBER hidden H PATH: N remedies", "passage SOURCE/ID
// TEXT"), in chain order.  Rubrics are named by their repertory's identifier
// and their number inside it, which outlive a run of the engine.
QStringList DescribeAnalysis(const CAnalysis& analysis);

// The ranking of `analysis` by its sort type: "NAME weight W count C", one a
// remedy, best first.
QStringList DescribeRanking(const CAnalysis& analysis);

// The first analysis of the case (null when it has none).
CAnalysis* FirstAnalysis(CCase& theCase);

// The media box of every page of the PDF file at `path` ("0 0 595 842"), in
// file order; empty when it cannot be read.
QStringList PdfPageBoxes(const QString& path);

}  // namespace workflow
