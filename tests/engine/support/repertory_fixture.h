// Compiling small repertories for tests from an indented text: one rubric per
// line, its depth the number of leading TABs (the root has none), then the
// rubric text, then optionally a TAB and remedy entries "name:grade"
// separated by spaces.  Lines starting with '@' or '#' (the header lines of a
// repertory source) are skipped.
#pragma once

#include <string>
#include <string_view>

#include "corvela.h"

namespace corvela_test {

inline constexpr const char* kTestRepertoryId = "44F01C90-0055-4CD8-981E-B131F40DFEA2";

// A description with the identifier above, name "REP_TEST" and flags 0.
const RepertoryDescription& TestDescription();

// Feeds tree to builder (Begin .. End) and saves it at path; returns Save's answer.
int CompileRepertory(RepertoryBuilder& builder, const RepertoryDescription& description,
                     std::string_view tree, const std::string& path);
// The same through the facade's builder.
int CompileRepertory(std::string_view tree, const std::string& path,
                     const RepertoryDescription& description = TestDescription());
// The text of a fixture in tests/data.
std::string FixtureText(const std::string& name);

}  // namespace corvela_test
