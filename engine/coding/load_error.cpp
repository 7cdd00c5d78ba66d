#include "coding/load_error.h"

const char* DescribeLoadFault(LoadFault fault) {
    switch (fault) {
        case LoadFault::kNone:
            return "";
        case LoadFault::kCannotOpen:
            return "the file cannot be opened or mapped";
        case LoadFault::kTooShort:
            return "the file is shorter than its header";
        case LoadFault::kBadVersion:
            return "the format version is below the supported one";
        case LoadFault::kBadHeaderString:
            return "a header string lies outside the file";
        case LoadFault::kBadRemedyTable:
            return "the remedy table lies outside the file";
        case LoadFault::kBadRemedyList:
            return "a remedy's rubric list lies outside the file";
        case LoadFault::kBadRecord:
            return "a rubric record lies outside the file";
        case LoadFault::kBadText:
            return "a rubric text is malformed or lies outside the file";
        case LoadFault::kBadRemedyEntries:
            return "a rubric's remedy entries are malformed or lie outside the file";
        case LoadFault::kBadChildTable:
            return "a rubric's child table is malformed or lies outside the file";
        case LoadFault::kBadChildOffset:
            return "a child offset does not point forward into the file";
        case LoadFault::kTooDeep:
            return "the rubric tree is deeper than the engine follows";
        case LoadFault::kTooManyRubrics:
            return "the rubric tree holds more rubrics than the file has room for";
        case LoadFault::kBadWordIndex:
            return "the word index cannot be opened";
        case LoadFault::kBadEntryTable:
            return "the index entry table is malformed or lies outside the file";
        case LoadFault::kBadEntry:
            return "an index word is malformed or lies outside the file";
        case LoadFault::kBadPostings:
            return "an index posting list is malformed or lies outside the file";
        case LoadFault::kBadArticleTable:
            return "the article table is malformed or lies outside the file";
        case LoadFault::kBadArticleRecord:
            return "an article record lies outside the file";
        case LoadFault::kBadArticleText:
            return "an article text is malformed or lies outside the file";
        case LoadFault::kBadRichText:
            return "an article's rich text is malformed or lies outside the file";
    }
    return "unknown fault";
}

std::string LoadError::Describe() const {
    if (!IsError()) return {};
    return std::string(DescribeLoadFault(fault)) + " (at offset " + std::to_string(offset) + ")";
}
