// A repertory file and its word index, opened from bytes and read the way the
// program reads them: every rubric (text, remedy entries, children), every
// remedy's rubric list, every index word with its postings, and the search
// over the first few words and remedies found.
#include <set>

#include "engine_walk.h"
#include "fuzz_support.h"
#include "repertory/repertory_impl.h"
#include "search/search_cache.h"
#include "search/source_search.h"

namespace {

constexpr std::size_t kSearchedTerms = 8;

std::size_t ReadRubric(Topic& topic, std::set<int>& remedies) {
    std::size_t seen = std::strlen(topic.GetText());
    const int count = topic.GetRemedyCount();
    for (int i = 0; i <= count; ++i) {
        const int remedy = topic.GetRemedy(i);
        seen += static_cast<std::size_t>(remedy) + static_cast<std::size_t>(topic.GetGrade(i));
        if (i < count && remedies.size() < kSearchedTerms) remedies.insert(remedy);
    }
    const int children = topic.GetChildCount();
    for (int i = 0; i <= children; ++i) {
        Topic* child = topic.GetChild(i);
        fuzz::Require((child != nullptr) == (i < children), "a rubric's children");
        if (child != nullptr)
            fuzz::Require(child->GetParent() == &topic, "a child's parent is its rubric");
    }
    return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    fuzz::DataAndIndex files = fuzz::SplitDataAndIndex(bytes, size);
    RepertoryImpl repertory;
    if (!repertory.OpenMapped(MappedFile::FromBytes(std::move(files.data)),
                              MappedFile::FromBytes(std::move(files.index)), "fuzz.rpb")) {
        fuzz::Require(repertory.GetLoadError().IsError(), "a refused file says why");
        return 0;
    }
    std::size_t seen = fuzz::ReadHeaderTexts(repertory);
    std::set<int> remedies;
    const auto count = static_cast<std::uint32_t>(repertory.GetTopicCount());
    for (std::uint32_t n = 0; n < count; ++n) seen += ReadRubric(*repertory.GetTopic(n), remedies);
    fuzz::Require(repertory.GetTopic(count) == nullptr, "no rubric past the count");
    seen += fuzz::ReadIndex(*repertory.GetWordIndex());

    SearchCache cache;
    SourceSearch search(repertory, cache);
    Index& index = *repertory.GetWordIndex();
    for (unsigned k = 0; k < index.GetWordCount() && k < kSearchedTerms; ++k)
        seen += search.WordNumbers(index.GetWord(k)).size();
    for (int remedy : remedies) {
        std::vector<std::int32_t> rubrics;
        repertory.GetTopicsOfRemedy(remedy, rubrics);
        seen += rubrics.size();
        seen += search.RemedyNumbers({remedy, GradeComparison::kGreater, 1}).size();
    }
    fuzz::Keep(seen);
    return 0;
}
