// Word index files (.idx): each distinct word of a data file with the numbers
// of the items (rubrics or articles) it occurs in.
#pragma once

#include <cstdint>

// A loaded index, read in place from a read-only mapping of the file.
// Word strings point into the mapping and stay valid while the index is open.
// Entry positions k are not range-checked: callers iterate 0 .. GetWordCount()-1.
class Index {
protected:
    virtual ~Index() = default;                               // unmaps and closes

public:
    // Maps the file; false when it is missing, cannot be mapped or is malformed.
    virtual bool Open(const char* path) = 0;
    virtual unsigned GetWordCount() = 0;                      // 0 while nothing is open
    virtual const char* GetWord(unsigned k) = 0;              // lower-case cp1251; null while nothing is open
    virtual int GetPostingCount(unsigned k) = 0;              // 0 while nothing is open
    // Posting j of entry k (ascending item numbers, repeated once per
    // occurrence); -1 when j is not below the posting count or nothing is open.
    virtual std::int32_t GetPosting(unsigned k, int j) = 0;
};

// Collects words while a data file is compiled and writes its .idx file.
// The engine holds one, shared by the repertory and materia medica compilers.
class IndexBuilder {
public:
    virtual void Begin() = 0;                                 // same as Clear
    virtual void Finish() = 0;                                // does nothing
    virtual void Clear() = 0;                                 // forgets every word
    // Writes the collected words (temporary file renamed into place).  False
    // when the file cannot be written or a word exceeds what the format holds
    // (over 2,047 bytes, over 32,767 postings); GetSaveError then says which.
    virtual bool Save(const char* path) = 0;
    // Lower-cases the word (code page 1251) and appends item to its postings.
    virtual void AddWord(const char* word, std::int32_t item) = 0;
    // Why the last Save (or Check) failed; empty after a success.  Valid until
    // the next Begin, Clear, Check or Save.
    virtual const char* GetSaveError() = 0;
    // The limits Save enforces, checked without writing anything.
    virtual bool Check() = 0;

protected:
    ~IndexBuilder() = default;
};
