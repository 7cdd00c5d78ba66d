#include "search_fixture.h"

#include <cstring>

#include "repertory_fixture.h"

namespace search_test {

const char* const kFixtureTree =
    "Root\n"                                     // 0
    "\tHead\tsulph:1\n"                          // 1
    "\t\tPain\tbell:3 acon:2 lach:1\n"           // 2
    "\t\t\tnight, worse<3am>\tacon:1 bell:0\n"   // 3
    "\t\t\tForehead\tlach:3\n"                   // 4
    "\t\tHeat\tbell:3\n"                         // 5
    "\t\t\tafter 5 pm\tpuls:2\n"                 // 6
    "\tMind\n"                                   // 7
    "\t\tAnxiety\tacon:3 ars:2 calc:1 acon:1\n"  // 8
    "\t\t\tevening amel\tars:1\n"                // 9
    "\t\t\tnight\tlach:2\n"                      // 10
    "\t\tAnxiety morning\tlach:3 nux-v:1\n"      // 11
    "\t\tHead-ache, fear of\tars:3\n"            // 12
    "\t\xC3\xCE\xCB\xCE\xC2\xC0\tlach:5\n";      // 13 ГОЛОВА

SearchQuery MakeQuery(int scope, const std::string& text, const Guid* source) {
    SearchQuery query;
    query.scope = scope;
    std::memcpy(query.text, text.data(), std::min(text.size(), sizeof query.text - 1));
    if (source != nullptr) query.source = *source;
    return query;
}

std::string DescribeTokens(const SearchQuery& query, const QueryMarkup& markup) {
    static const char kLetters[] = "IOGRWUNX";
    std::string out;
    for (int i = 0; i < markup.tokenCount; ++i) {
        if (!out.empty()) out += ' ';
        const int start = markup.tokenSpans[i][0];
        const int end = markup.tokenSpans[i][1];
        out.append(query.text + start, query.text + end);
        out += '/';
        const int tokenClass = markup.tokenClasses[i];
        out += tokenClass >= 0 && tokenClass <= 7 ? kLetters[tokenClass] : '?';
    }
    return out;
}

std::string DescribeWords(const QueryMarkup& markup) {
    std::string out;
    for (int i = 0; i < markup.wordCount; ++i) {
        if (i > 0) out += '|';
        out += markup.words[i];
    }
    return out;
}

std::vector<std::uint32_t> HitNumbers(const SearchQuery& query) {
    Corvela& engine = CorvelaInstance();
    std::vector<std::uint32_t> numbers;
    if (!engine.Search(&query)) return {0xFFFFFFFFu};  // Search always answers true
    for (int i = 0; i < engine.GetResultCount(); ++i)
        numbers.push_back(ItemNumber(engine.GetResult(i)->item->GetId()));
    return numbers;
}

void CompileFixture(const std::string& tree, const std::string& file, const char* id,
                    const char* name) {
    const RepertoryDescription description{id, name, "", "", "", "", 0};
    ASSERT_EQ(corvela_test::CompileRepertory(tree, corvela_test::HomePath(file), description), 1);
}

void SearchHome::SetUp() {
    HomeTest::SetUp();
    CompileFixture(kFixtureTree, "a_fixture.rpb", kFixtureId, "Fixture");
}

}  // namespace search_test
