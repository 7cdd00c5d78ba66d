// Where the topics of a symptom lead: a rubric to its repertory, a passage to
// its materia medica's article.  Only what the engine has loaded now counts;
// a topic whose source is gone leads nowhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "corvela/guid.h"
#include "model/records/sympthom.h"

class Article;

namespace analysis_window {

struct RubricLink {
    Guid repertory;
    std::int32_t rubric = -1;  // the rubric's item identifier in this run
};

// The repertory and rubric a rubric topic shows: found through its SourceId
// (its Topic Id's low 22 bits numbering the rubric there), or for a topic
// without one through its Topic Id alone.  Nothing when the repertory is not
// loaded, is no repertory, or has no such rubric.
std::optional<RubricLink> ResolveRubric(const CSympthom::CTopic& topic);

// The article a passage topic was taken from: found through its SourceId and
// the article's number in it, or without one through its Topic Id.  Null when
// its materia medica is not loaded or has no such article.
Article* ResolveArticle(const CSympthom::CTopic& topic);

// The caption of a passage topic, "%s [%s]": the long name of the article's
// remedy and the third text of its materia medica; "Unknow" (localised) when
// either cannot be found.  Code page 1251.
std::string ArticleCaption(const CSympthom::CTopic& topic);

// True when the catalogue has remedy `remedy`.
bool RemedyKnown(int remedy);

}  // namespace analysis_window
