// The operations that build an analysis: adding symptoms, rubrics and
// materia medica passages, and adding a new analysis to a case.  They change
// the records only; the caller sets the case's modified flag and broadcasts
// EV_CASE_MODIFIED / EV_UPDATE_ANALYSIS as its command requires.
#pragma once

#include <cstdint>
#include <string>

#include "corvela/guid.h"
#include "model/records/sympthom.h"

class CAnalysis;
class CCase;

// A new symptom at the end of the analysis's chain: `name` with carriage
// returns removed and line feeds turned into blanks, weight `weight`.  The
// analysis owns it; the pointer stays valid until it is unlinked.
CSympthom* AddSymptom(CAnalysis& analysis, const std::string& name, int weight = 1);

// What AddRubric did.
enum class AddRubricResult {
    kAdded,
    kUnknownRubric,      // no loaded repertory has a rubric of that identifier
    kNoRemedies,         // a rubric without remedies never enters an analysis
    kAlreadyInAnalysis,  // some symptom of the analysis holds that Topic Id
};

// A short English reason: "added", "no such rubric", "the rubric has no
// remedies", "the rubric is already in this analysis".
const char* DescribeAddRubricResult(AddRubricResult result);

// Appends the rubric with item identifier `rubricId` as a topic of `symptom`
// (a symptom of an analysis, its back links set): Data Type 1, Topic Id the
// rubric's identifier, SourceId its repertory's identifier, title, path text
// and remedy entries from the engine.  Refused (nothing changes) for an
// unknown identifier, a rubric without remedies, and a rubric whose Topic Id
// any symptom of the same analysis already holds.
AddRubricResult AddRubric(std::uint32_t rubricId, CSympthom& symptom);

// Appends a materia medica passage to `symptom`: Data Type 2, Topic Id the
// article's identifier, SourceId the materia medica's identifier, Topic Text
// the passage, no remedy entries.  Always added; returns the new topic (valid
// until the symptom's topics change).
CSympthom::CTopic& AddArticle(std::uint32_t articleId, const Guid& materiaMedica,
                              const std::string& text, CSympthom& symptom);

// Appends a new analysis to the case's chain: named with the localised
// "Analysis", sort type 0, one first symptom.  The case owns it.
CAnalysis* NewAnalysis(CCase& theCase);
