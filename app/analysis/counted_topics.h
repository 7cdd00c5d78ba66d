// The counted topics of an analysis (rubrics, Data Type 1, not hidden) in the
// order that numbers the columns of the grade matrix and of the rubric
// titles: symptom by symptom in chain order, within a symptom in the order of
// its "Topics Array".
#pragma once

#include <vector>

#include "model/records/sympthom.h"

class CAnalysis;

struct CountedTopic {
    const CSympthom* symptom = nullptr;
    int topicIndex = 0;  // position in the symptom's "Topics Array"
    const CSympthom::CTopic* topic = nullptr;
};

// The pointers stay valid while the analysis is not changed.
std::vector<CountedTopic> CountedTopics(const CAnalysis& analysis);
