// Why a loader refused a data file, and where.  The facade only skips a
// refused file; tests and tools ask the loader for the reason.
#pragma once

#include <cstdint>
#include <string>

enum class LoadFault {
    kNone = 0,
    kCannotOpen,        // missing, not a regular file, or cannot be mapped
    kTooShort,          // shorter than the fixed header
    kBadVersion,        // format version too old
    kBadHeaderString,   // a header string outside the file, negative or unterminated
    kBadRemedyTable,    // the remedy table (count and pairs) outside the file
    kBadRemedyList,     // a remedy's rubric list outside the file
    kBadRecord,         // a rubric record's fixed fields outside the file
    kBadText,           // a rubric text negative, outside the file or unterminated
    kBadRemedyEntries,  // a rubric's remedy count negative or its entries outside the file
    kBadChildTable,     // a child table offset negative, or the child table outside the file
    kBadChildOffset,    // a child record not strictly behind its parent's start, or outside
    kTooDeep,           // a rubric deeper than the engine follows
    kTooManyRubrics,    // more rubrics than the file has room for
    kBadWordIndex,      // the word index of the data file could not be opened
    kBadEntryTable,     // an index's entry count negative or its table outside the file
    kBadEntry,          // an index entry's word negative, outside the file or unterminated
    kBadPostings,       // an index entry's posting count negative or its postings outside
    kBadArticleTable,   // an article count too large or the article table outside the file
    kBadArticleRecord,  // an article record's fixed fields outside the file
    kBadArticleText,    // an article text negative, outside the file or unterminated
    kBadRichText,       // an article's rich text negative, outside the file or unterminated
};

// A short English description of the fault ("the format version is below 3").
const char* DescribeLoadFault(LoadFault fault);

struct LoadError {
    LoadFault fault = LoadFault::kNone;
    std::uint64_t offset = 0;  // file offset of the field that was wrong

    bool IsError() const { return fault != LoadFault::kNone; }
    // "<description> (at offset N)", or "" when there is no error.
    std::string Describe() const;
};
