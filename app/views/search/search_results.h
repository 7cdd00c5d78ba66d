// CSearchResults: what one page of the search window holds: the query it ran
// with its own words, the source it searched, and that search's hits, copied
// out of the engine's shared result list, so that every page keeps its own
// however the other pages search.  Also each hit's expander state, the
// snippets of article hits (made when first asked for) and the remedy
// statistics of the whole result (made when first asked for).
//
// A hit is kept by its item identifier and looked up in the page's source
// when used, so that an article a user's materia medica dropped meanwhile is
// skipped, never read.  More than kMaxListed hits are counted, not kept.
//
// Texts are code page 1251.  Everything runs on the user-interface thread.
#pragma once

#include <corvela.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "views/search/remedy_statistics.h"

class CSearchResults {
public:
    // The most hits a page lists.
    static constexpr int kMaxListed = 10000;
    // The most remedies the statistics name.
    static constexpr int kTopRemedies = 30;

    // Runs `query` on the source `source` alone (scope 1 for a repertory, 2
    // for a materia medica) through the engine's result list, which it
    // empties first, and keeps the hits.  `words` are the words of this
    // query's own check (AnalyzeQuery), used for snippets and marks.
    void Run(const std::string& query, const Guid& source, std::vector<std::string> words);

    // Takes hits found elsewhere (the first `count`, at most kMaxListed,
    // are kept) as if Run had found them.
    void Adopt(const std::string& query, const Guid& source, std::vector<std::string> words,
               const std::vector<std::uint32_t>& itemIds, int count);

    // Forgets everything (the page shows its help again).
    void Clear();

    bool HasRun() const { return m_hasRun; }
    const std::string& Query() const { return m_query; }
    const Guid& SourceId() const { return m_source; }
    // The source searched (FindDataSource of SourceId); null when none.
    DataSource* Source() const { return m_sourceObject; }
    const std::vector<std::string>& Words() const { return m_words; }

    // Hits the search found, listed or not.
    int HitCount() const { return m_count; }
    // True when the hits are listed: 1 to kMaxListed of them.
    bool IsListed() const { return m_count > 0 && m_count <= kMaxListed; }
    // The hits kept, in the order found (empty unless listed).
    int ListedCount() const { return static_cast<int>(m_ids.size()); }
    std::uint32_t ItemId(int hit) const { return m_ids[static_cast<std::size_t>(hit)]; }
    // The item of `hit` from the source now; null when it is gone.
    DataItem* Item(int hit) const;
    // The rubric or article of `hit`; null when it is another kind or gone.
    Topic* RubricOf(int hit) const;
    Article* ArticleOf(int hit) const;

    // The page's title line (translated format):
    //   "Query:%s in %s, result: %d rubrics"                          up to kMaxListed
    //   "Query:%s in %s, returned more than %d rubrics. Result skipped"  above
    // with the query, the source's name and the hit count; empty before a run.
    std::string Title() const;

    // Articles start expanded, rubrics collapsed.
    bool IsExpanded(int hit) const { return m_expanded[static_cast<std::size_t>(hit)] != 0; }
    void SetExpanded(int hit, bool expanded) {
        m_expanded[static_cast<std::size_t>(hit)] = expanded ? 1 : 0;
    }

    // The snippet lines of article hit `hit` (article_snippets.h), made on
    // first use; empty for rubric hits.
    const std::vector<std::string>& Snippets(int hit);
    // Drops the snippets made so far (the articles' texts changed).
    void ForgetSnippets();

    // The kTopRemedies remedies in the most listed rubric hits; made on first
    // use; empty for a materia medica.
    const std::vector<CRemedyStatistic>& RemedyStatistics();
    // Whether the page shows the statistics strip open.
    bool StatisticsOpen() const { return m_statisticsOpen; }
    void SetStatisticsOpen(bool open) { m_statisticsOpen = open; }

private:
    void Keep(const std::string& query, const Guid& source, std::vector<std::string> words);

    bool m_hasRun = false;
    std::string m_query;
    Guid m_source{};
    DataSource* m_sourceObject = nullptr;
    std::vector<std::string> m_words;
    int m_count = 0;
    std::vector<std::uint32_t> m_ids;
    std::vector<std::uint8_t> m_expanded;
    std::vector<std::optional<std::vector<std::string>>> m_snippets;
    std::optional<std::vector<CRemedyStatistic>> m_statistics;
    bool m_statisticsOpen = true;
};
