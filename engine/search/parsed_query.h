// What a query parses into: the words and remedy terms of its three groups.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How a remedy term compares the remedy's grade in a rubric.
enum class GradeComparison : std::int32_t { kNone = 0, kLess = 1, kGreater = 2, kEqual = 3 };

// One remedy term: "@lach", "@lach>2".
struct RemedyTerm {
    std::int32_t remedy = -1;  // catalogue number; -1 until resolved
    GradeComparison comparison = GradeComparison::kNone;
    std::int32_t grade = 0;

    // True when a rubric listing the remedy first with grade passes the term.
    bool Accepts(int rubricGrade) const {
        switch (comparison) {
            case GradeComparison::kLess:
                return rubricGrade < grade;
            case GradeComparison::kGreater:
                return rubricGrade > grade;
            case GradeComparison::kEqual:
                return rubricGrade == grade;
            case GradeComparison::kNone:
                break;
        }
        return true;
    }
};

// Required terms narrow the result, excluded terms remove from it, and
// highlight-only terms ("?night") only mark the result for the reader.
struct ParsedQuery {
    std::vector<std::string> requiredWords;
    std::vector<std::string> highlightWords;
    std::vector<std::string> excludedWords;
    std::vector<RemedyTerm> requiredRemedies;
    std::vector<RemedyTerm> highlightRemedies;
    std::vector<RemedyTerm> excludedRemedies;

    void Clear() {
        requiredWords.clear();
        highlightWords.clear();
        excludedWords.clear();
        requiredRemedies.clear();
        highlightRemedies.clear();
        excludedRemedies.clear();
    }
};
