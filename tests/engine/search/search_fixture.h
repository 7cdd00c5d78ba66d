// Helpers of the search tests: a small repertory compiled into the test home,
// queries built from text, and compact descriptions of markups and hits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corvela.h"
#include "test_home.h"

namespace search_test {

// The rubric tree of the main fixture; the comments give pre-order numbers.
extern const char* const kFixtureTree;
inline constexpr const char* kFixtureId = "6B1F5A10-2C44-4E0B-9D7A-0A1B2C3D4E5F";
inline constexpr const char* kSecondId = "6B1F5A10-2C44-4E0B-9D7A-0A1B2C3D4E60";

SearchQuery MakeQuery(int scope, const std::string& text, const Guid* source = nullptr);

// The markup's tokens as "bytes/C" joined by spaces, C one letter per class:
// I invalid, O operator, G grade, R remedy, W word, U unknown remedy,
// N word not found, X not applicable.  An empty token is just "/C".
std::string DescribeTokens(const SearchQuery& query, const QueryMarkup& markup);
// The markup's words joined by '|'.
std::string DescribeWords(const QueryMarkup& markup);

// Runs query through the facade and answers the item numbers of the hits.
std::vector<std::uint32_t> HitNumbers(const SearchQuery& query);

// Compiles tree (see repertory_fixture.h) into the home as file name, with
// the identifier id and name text1.
void CompileFixture(const std::string& tree, const std::string& file, const char* id,
                    const char* name);

// A home holding the fixture repertory as "a_fixture.rpb".
class SearchHome : public corvela_test::HomeTest {
protected:
    void SetUp() override;
};

}  // namespace search_test
