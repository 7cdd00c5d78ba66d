// The rich texts of the card windows (the patient card and the practitioner
// window): a labels pane with one label a line and a values pane with one
// value a line, and how an edited values pane goes back into its record.
// Line i of the values pane is field i.
//
// Texts are code page 1251 RTF, as the records keep them.
#pragma once

#include <string>
#include <vector>

class CPatientInfo;
class CPractitioner;
class QTextDocument;

namespace editors {

// The labels pane: every label (code page 1251, escaped here) grey and
// followed by ":", one a line, then an empty line.
std::string LabelsPaneRtf(const std::vector<std::string>& labels);
// The values pane: every value (code page 1251, escaped here, so backslashes,
// braces and line breaks stay text of their own line), then an empty line.
std::string ValuesPaneRtf(const std::vector<std::string>& values);

// Line `index` of `document` in code page 1251: a line break inside the line
// as a line feed, trailing line feeds and carriage returns removed; empty
// when the document has fewer lines.  The whole line is kept, however long.
std::string PaneLine(const QTextDocument& document, int index);

// The patient card: the eleven labels, localised as whole texts; the values
// pane (the card's "Description" when not empty, else the template filled
// with the fields and an empty "Other" line); and the write-back: lines 0 to
// 9 into Name ... HeightAndWeight, the whole pane as RTF into Description.
std::vector<std::string> PatientCardLabels();
std::string PatientCardValuesRtf(const CPatientInfo& card);
void WritePatientCardBack(const QTextDocument& values, CPatientInfo& card);

// The practitioner window: labels Name, Title, Address, Phone, Other
// (localised); the values pane from the five fields; lines 0 to 4 back into
// the five fields.
std::vector<std::string> PractitionerLabels();
std::string PractitionerValuesRtf(const CPractitioner& practitioner);
void WritePractitionerBack(const QTextDocument& values, CPractitioner& practitioner);

}  // namespace editors
