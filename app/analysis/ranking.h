// The repertorization: every remedy that occurs in a counted rubric of an
// analysis (Data Type 1, not hidden) gets the number of its counted entries
// and the sum of grade x symptom weight over them; the list is then ordered by
// the analysis's sort type.  Only the case's own copies of the remedy entries
// are used; the engine is asked for remedy names only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "analysis/ranked_item.h"

class CAnalysis;

// The name of a ranked remedy.
using RemedyNameFunction = std::function<std::string(std::uint32_t remedy)>;

// The remedy's GetShortName from the engine's catalogue; empty when the
// catalogue has no remedy of that number (the entry is still ranked).
std::string EngineRemedyName(std::uint32_t remedy);

// Clears `list` and, when `analysis` is not null, refills it: one entry per
// remedy in production order (deterministic for the same analysis), names
// from `names` (EngineRemedyName when empty), empty boxes; then sorts it by
// the analysis's SortType and broadcasts EV_UPDATE_TABLE on the event bus.
// A null analysis leaves the list empty and sends nothing.
void Calculate(const CAnalysis* analysis, RankedList& list, const RemedyNameFunction& names = {});

// Orders `list` by `sortType` (sort_type.h) with repeated adjacent-exchange
// passes from the tail towards the head; stable.  Only name, remedy, weight
// and count move; the boxes stay with their positions.
void SortRankedList(RankedList& list, int sortType);
