// The remedy catalogue: every known remedy with its catalogue number.
#pragma once

#include "corvela/data_source.h"

// Attributes answer this when not given (and for positions above 4).
inline constexpr int kNoAttribute = -10000;

class Remedy : public DataItem {
public:
    // GetKind 2, GetParent null, GetId the catalogue number.
    // Names are stored lower-cased; the pointers live as long as the engine.
    virtual const char* GetShortName() = 0;                   // slot 4: the first name, the key
    virtual const char* GetLongName() = 0;                    // 5: the second name
    virtual const char* GetExtraName() = 0;                   // 6: always empty
    virtual int GetAttribute(unsigned position) = 0;          // 7: 0..4 ("pso", "tub", "syc", "lue", "hot or chilly")

protected:
    ~Remedy() override = default;
};

// The catalogue, read once from "remedy_synonyms.txt" when the facade is built;
// it never changes while the program runs (data files refer to remedies by number).
class RemedyList {
protected:
    virtual ~RemedyList() = default;

public:
    // Reads "remedy_synonyms.txt" from the directory part of path (cut at the
    // last '/'), then builds the name map.  Returns LoadSynonyms' result.
    virtual int Load(const char* path) = 0;
    virtual int SaveCatalogue(const char* path) = 0;          // does nothing, answers 0
    virtual int QueryRemedyNumber(const char* name) = 0;      // answers -1
    virtual int GetRemedyCount() = 0;
    // The remedy of that catalogue number; null when number is negative or not
    // below the count (no remedy is missing in between).
    virtual Remedy* GetRemedy(int number) = 0;
    virtual Remedy* GetRemedyById(int number) = 0;            // same as GetRemedy
    // Lookup by any name (first, second or synonym), case-insensitive in code
    // page 1251; only the first 4,095 bytes of name count.  Null when name is
    // null or no remedy has that name: the name is unknown to the catalogue.
    virtual Remedy* FindRemedy(const char* name) = 0;
    virtual int LoadSynonyms(const char* path) = 0;           // 0 if the file cannot be opened
    virtual int SaveSynonyms(const char* path) = 0;           // 0 if the file cannot be created
};
