// The words of a query that the windows highlight: what the engine's check
// of the query (AnalyzeQuery) lists as its words, empty ones left out.  Texts
// are code page 1251, as the engine keeps them.
#pragma once
#include <corvela.h>

#include <string>
#include <vector>

// The words of `text` (code page 1251) checked in `scope` against `source`
// (none: every source of the scope).
std::vector<std::string> QueryWords(const std::string& text, int scope,
                                    const Guid& source = Guid{});

// The same for a query over `source`, in the scope of its kind.
std::vector<std::string> QueryWords(const std::string& text, DataSource& source);
