#include "views/search/remedy_statistics.h"

#include <corvela.h>

#include <algorithm>

std::vector<CRemedyStatistic> CountRemedies(Repertory& repertory,
                                            const std::vector<std::uint32_t>& rubricIds, int top) {
    // Indexed by catalogue number, grown as numbers come; the stamp marks the
    // rubric that counted a remedy last, so a doubled entry counts once.
    std::vector<CRemedyStatistic> byRemedy;
    std::vector<int> stamp;
    int rubric = 0;
    for (const std::uint32_t id : rubricIds) {
        Topic* topic = repertory.GetTopic(id);
        if (topic == nullptr) continue;
        ++rubric;
        const int count = topic->GetRemedyCount();
        for (int entry = 0; entry < count; ++entry) {
            const int remedy = topic->GetRemedy(entry);
            if (remedy < 0) continue;
            const auto slot = static_cast<std::size_t>(remedy);
            if (slot >= byRemedy.size()) {
                byRemedy.resize(slot + 1);
                stamp.resize(slot + 1, 0);
            }
            if (stamp[slot] == rubric) continue;
            stamp[slot] = rubric;
            CRemedyStatistic& statistic = byRemedy[slot];
            statistic.remedy = remedy;
            ++statistic.rubrics;
            statistic.gradeSum += std::max(0, topic->GetGrade(entry));
        }
    }
    std::vector<CRemedyStatistic> found;
    for (const CRemedyStatistic& statistic : byRemedy)
        if (statistic.rubrics > 0) found.push_back(statistic);
    auto before = [](const CRemedyStatistic& a, const CRemedyStatistic& b) {
        if (a.rubrics != b.rubrics) return a.rubrics > b.rubrics;
        if (a.gradeSum != b.gradeSum) return a.gradeSum > b.gradeSum;
        return a.remedy < b.remedy;
    };
    const auto keep = static_cast<std::size_t>(std::max(0, top));
    if (found.size() > keep) {
        std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(keep),
                          found.end(), before);
        found.resize(keep);
    } else {
        std::sort(found.begin(), found.end(), before);
    }
    return found;
}
