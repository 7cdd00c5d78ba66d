// Random queries: against a generated repertory the engine must agree with a
// plain evaluation of the query rules, and no query of any bytes may break it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "corvela.h"
#include "search_fixture.h"

using namespace search_test;

namespace {

const char* const kVocabulary[] = {"pain",    "night", "head",   "ache",      "heat",
                                   "fear",    "worse", "amel",   "stitching", "evening",
                                   "morning", "rare",  "unique", "forehead",  "cold"};
const char* const kRemedies[] = {"acon", "ars", "bell", "calc", "lach", "nux-v", "puls", "sulph"};

// A tree of about 3,000 rubrics: common words give lists long enough for the
// engine's many-postings path, rare ones short lists.
std::string GeneratedTree(std::mt19937& random) {
    std::string tree = "Generated\n";
    int depth = 0;
    for (int i = 0; i < 3000; ++i) {
        depth = std::clamp(depth + static_cast<int>(random() % 3) - 1, 1, 6);
        tree.append(static_cast<std::size_t>(depth), '\t');
        const int words = 1 + static_cast<int>(random() % 3);
        for (int w = 0; w < words; ++w) {
            const std::size_t pick = random() % 100 < 90 ? random() % 11 : 11 + random() % 4;
            tree += (w > 0 ? " " : "") + std::string(kVocabulary[pick]);
        }
        tree += '\t';
        const int entries = static_cast<int>(random() % 4);
        for (int e = 0; e < entries; ++e)
            tree += std::string(kRemedies[random() % 8]) + ":" + std::to_string(random() % 5) + " ";
        tree += '\n';
    }
    return tree;
}

// The query rules evaluated the long way round, rubric by rubric.
class Oracle {
public:
    explicit Oracle(Repertory& repertory) : m_repertory(repertory) {
        for (std::uint32_t n = 0; m_repertory.GetTopic(n) != nullptr; ++n) m_count = n + 1;
    }

    bool HasWord(std::uint32_t rubric, const std::string& word) {
        const std::vector<bool>& own = OwnWord(word);
        for (DataItem* r = m_repertory.GetTopic(rubric); r != nullptr; r = r->GetParent())
            if (own[ItemNumber(r->GetId())]) return true;
        return false;
    }

    bool HasRemedy(std::uint32_t rubric, int remedy, char comparison, int grade) {
        Topic* topic = m_repertory.GetTopic(rubric);
        for (int i = 0; i < topic->GetRemedyCount(); ++i) {
            if (topic->GetRemedy(i) != remedy) continue;
            const int g = topic->GetGrade(i);
            return comparison == '<'   ? g < grade
                   : comparison == '>' ? g > grade
                   : comparison == '=' ? g == grade
                                       : true;
        }
        return false;
    }

    std::uint32_t Count() const { return m_count; }

private:
    // Which rubrics hold, in their own text, an index word containing word.
    const std::vector<bool>& OwnWord(const std::string& word) {
        auto [entry, fresh] = m_own.try_emplace(word, m_count, false);
        if (!fresh) return entry->second;
        Index& index = *m_repertory.GetWordIndex();
        for (unsigned k = 0; k < index.GetWordCount(); ++k) {
            if (std::strstr(index.GetWord(k), word.c_str()) == nullptr) continue;
            for (int j = 0; j < index.GetPostingCount(k); ++j)
                entry->second[static_cast<std::size_t>(index.GetPosting(k, j))] = true;
        }
        return entry->second;
    }

    std::map<std::string, std::vector<bool>> m_own;
    Repertory& m_repertory;
    std::uint32_t m_count = 0;
};

struct Term {
    char op = 0;  // 0 required, '-' excluded, '?' highlight only
    std::string word;
    int remedy = -1;
    char comparison = 0;
    int grade = 0;
};

TEST_F(SearchHome, GeneratedRepertoryAgreesWithPlainEvaluation) {
    std::mt19937 random(20240611);
    CorvelaInstance().CloseAll();
    CompileFixture(GeneratedTree(random), "a_fixture.rpb", kFixtureId, "Generated");
    auto& repertory = *static_cast<Repertory*>(CorvelaInstance().GetDataSource(0));
    Oracle oracle(repertory);
    ASSERT_GT(oracle.Count(), 3000u);

    const char* const kPieces[] = {"ea",   "e",  "ing",      "pain", "rare",
                                   "uniq", "zz", "forehead", "co",   "night"};
    for (int round = 0; round < 60; ++round) {
        std::vector<Term> terms(1 + random() % 3);
        std::string text;
        for (Term& term : terms) {
            const int op = static_cast<int>(random() % 6);
            term.op = op == 4 ? '-' : op == 5 ? '?' : 0;
            if (term.op != 0) text += term.op;
            if (random() % 3 == 0) {
                const char* name = kRemedies[random() % 8];
                term.remedy = static_cast<int>(CorvelaInstance().FindRemedy(name)->GetId());
                text += std::string("@") + name;
                if (random() % 2 == 0) {
                    term.comparison = "<>="[random() % 3];
                    term.grade = static_cast<int>(random() % 5);
                    text += term.comparison + std::to_string(term.grade);
                }
            } else {
                term.word = kPieces[random() % 10];
                text += term.word;
            }
            text += ' ';
        }
        std::vector<std::uint32_t> expected;
        const bool anyRequired =
            std::any_of(terms.begin(), terms.end(), [](const Term& t) { return t.op == 0; });
        for (std::uint32_t n = 0; anyRequired && n < oracle.Count(); ++n) {
            bool keep = true;
            for (const Term& term : terms) {
                if (term.op == '?') continue;
                const bool has = term.remedy >= 0
                                     ? oracle.HasRemedy(n, term.remedy, term.comparison, term.grade)
                                     : oracle.HasWord(n, term.word);
                if ((term.op == 0 && !has) || (term.op == '-' && has)) keep = false;
                if (!keep) break;
            }
            if (keep) expected.push_back(n);
        }
        EXPECT_EQ(HitNumbers(MakeQuery(kScopeRepertories, text)), expected) << "query: " << text;
    }
}

// Checks the markup's invariants for query.
void ExpectSaneMarkup(const SearchQuery& query, const QueryMarkup& markup) {
    const int length = static_cast<int>(::strnlen(query.text, 255));
    ASSERT_GE(markup.tokenCount, 0);
    ASSERT_LE(markup.tokenCount, kMarkupMaxTokens);
    ASSERT_GE(markup.wordCount, 0);
    ASSERT_LE(markup.wordCount, kMarkupMaxWords);
    ASSERT_GE(markup.remedyCount, 0);
    ASSERT_LE(markup.remedyCount, kMarkupMaxRemedies);
    int previousEnd = 0;
    for (int i = 0; i < markup.tokenCount; ++i) {
        EXPECT_LE(previousEnd, markup.tokenSpans[i][0]);
        EXPECT_LE(markup.tokenSpans[i][0], markup.tokenSpans[i][1]);
        EXPECT_LE(markup.tokenSpans[i][1], length);
        EXPECT_GE(markup.tokenClasses[i], MarkInvalid);
        EXPECT_LE(markup.tokenClasses[i], MarkNotApplicable);
        previousEnd = markup.tokenSpans[i][1];
    }
    for (int i = 0; i < markup.wordCount; ++i) EXPECT_NE(markup.words[i], nullptr);
}

TEST_F(SearchHome, ArbitraryBytesNeverBreakTheEngine) {
    std::mt19937 random(7);
    Corvela& engine = CorvelaInstance();
    const std::string alphabet = "@-+?=<>, \t\nabehinpx0123456789\xC0\xE0\xA8\x96\xFF";
    for (int round = 0; round < 400; ++round) {
        SearchQuery query;
        query.scope = static_cast<int>(random() % 5) - 1;  // -1 and 3 are no scope at all
        // Half the queries fill all 256 bytes without a terminating zero.
        const std::size_t length = round % 2 == 0 ? sizeof query.text : random() % 40;
        for (std::size_t i = 0; i < length; ++i)
            query.text[i] = round % 4 < 2 ? static_cast<char>(alphabet[random() % alphabet.size()])
                                          : static_cast<char>(random() % 256);
        QueryMarkup markup;
        engine.AnalyzeQuery(&query, &markup);
        ExpectSaneMarkup(query, markup);
        ASSERT_TRUE(engine.Search(&query));
        for (int i = 0; i < engine.GetResultCount(); ++i) {
            ASSERT_NE(engine.GetResult(i)->item, nullptr);
            ASSERT_NE(engine.GetResult(i)->source, nullptr);
        }
    }
}

}  // namespace
