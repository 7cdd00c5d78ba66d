// CRepertorySearch: the hits of the browser's word search and where the
// reader is among them.  A search runs once (the engine's Search over one
// repertory) and keeps the rubric identifiers of its hits in hit order
// (ascending rubric number); the strip then steps through them.
#pragma once

#include <corvela.h>

#include <cstdint>
#include <string>
#include <vector>

class CRepertorySearch {
public:
    // Runs `query` and keeps its hits; any earlier search is forgotten.
    // Answers the number of hits.  A search without hits is not running.
    int Start(const SearchQuery& query);
    // Forgets the hits.
    void Stop();

    bool IsRunning() const { return !m_hits.empty(); }
    int Count() const { return static_cast<int>(m_hits.size()); }
    // The hit shown, from 0; -1 before the first.
    int Position() const { return m_position; }
    // The query text of the search (code page 1251).
    const std::string& Text() const { return m_text; }

    // The next hit; after the last one the first again, with `wrapped` set.
    // -1 when not running.
    std::int64_t Next(bool* wrapped);
    // The previous hit; -1 (and no move) at the first hit or when not running.
    std::int64_t Previous();

    const std::vector<std::uint32_t>& Hits() const { return m_hits; }

private:
    std::vector<std::uint32_t> m_hits;
    std::string m_text;
    int m_position = -1;
};
