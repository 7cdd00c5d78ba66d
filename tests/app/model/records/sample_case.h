// The sample case of tests/data/records/sample_case.hom, built in memory: a
// patient card, a first visit, a phone conversation, a prescription and an
// analysis of three symptoms whose rubrics come from the fixture repertories
// REP_ALPHA (position 0) and REP_BETA (position 1).
#pragma once

#include <memory>
#include <string>

class CCase;

namespace records_test {

// Rubric numbers in REP_ALPHA and REP_BETA (pre-order, root 0).
inline constexpr unsigned kAlphaNight = 3;
inline constexpr unsigned kAlphaFear = 5;
inline constexpr unsigned kAlphaThrobbing = 9;
inline constexpr unsigned kBetaNausea = 2;

std::unique_ptr<CCase> MakeSampleCase();
// The stored text of the sample case (the golden file).
std::string SampleCaseText();
// The golden file of a new case.
std::string NewCaseText();

}  // namespace records_test
