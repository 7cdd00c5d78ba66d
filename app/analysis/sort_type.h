// The orders of a ranked list, as stored in an analysis's "SortType".
#pragma once

#include "model/lang/localize.h"

enum RankSortType {
    kSortFactum = 0,  // count x weight, larger first; ties keep the production order
    kSortWeight = 1,  // weight, larger first; ties by name
    kSortCount = 2,   // count, larger first; ties by name
    kSortName = 3,    // name ascending, byte-wise as strcmp
    // any other value: no sorting
};

// The English caption of a sort type for the sort selector ("Factum",
// "Weight", "Count", "Name"); null for a value without one.  Callers show it
// through Localize().
inline const char* SortTypeCaption(int sortType) {
    static const char* const kCaptions[] = {TextKey("Factum"), TextKey("Weight"), TextKey("Count"),
                                            TextKey("Name")};
    return sortType >= 0 && sortType < 4 ? kCaptions[sortType] : nullptr;
}
