// What the search window's tests share: reading a laid-out page back as
// texts, rendering it into an image, and the remedy counts of a result
// computed straight from the engine.
#pragma once

#include <corvela.h>

#include <QImage>
#include <QStringList>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "views/query/query_words.h"
#include "views/search/search_result_renderer.h"
#include "views/search/search_results.h"

namespace search_test {

using Kind = CSearchResultRenderer::Kind;

// The shown texts of the items of `kind` (of hit `hit` unless -1), in order.
QStringList Texts(const CSearchResultRenderer& page, Kind kind, int hit = -1);

// The items of `kind` (of hit `hit` unless -1), in order.
std::vector<DrawnItemId> Items(const CSearchResultRenderer& page, Kind kind, int hit = -1);

// Lays `page` out `width` pixels wide and paints all of it into an image.
QImage Render(CSearchResultRenderer& page, int width);

// True when `image` holds pixels other than white inside `box`.
bool HasInk(const QImage& image, const QRect& box);

// Per remedy (catalogue number): the number of the rubrics `rubricIds` of
// `repertory` that list it, and the sum of its first grade in each.
std::map<int, std::pair<int, int>> EngineRemedyCounts(Repertory& repertory,
                                                      const std::vector<std::uint32_t>& rubricIds);

// The source named `name`; null when not loaded.
DataSource* SourceNamed(const char* name);

// Runs `query` on the source named `sourceName` in `page`, with its words.
void RunPage(CSearchResults& page, const std::string& query, const char* sourceName);

}  // namespace search_test
