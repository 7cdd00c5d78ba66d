// Reading, saving and indexing the case a command works on.
#pragma once

#include <memory>
#include <string>

class CAnalysis;
class CCase;
class CSympthom;

namespace meridane_case {

// The case at `path` (its rubrics refreshed from the engine), or null with
// "cannot read PATH: REASON" printed.
std::unique_ptr<CCase> ReadCase(const std::string& path);

// Saves the case in place (temporary file, flush, rename); false with
// "cannot save PATH: REASON" printed.
bool WriteCase(CCase& theCase, const std::string& path);

// The analysis numbered by `text` (0-based among the case's analyses), or
// null with the reason printed.
CAnalysis* FindAnalysis(CCase& theCase, const std::string& text, const std::string& path);

// The symptom numbered by `text` (0-based in the analysis's chain), or null
// with the reason printed.
CSympthom* FindSymptom(CAnalysis& analysis, const std::string& text,
                       const std::string& analysisText);

}  // namespace meridane_case
