// The texts of the search window, in one place: each is looked up in the
// language file (Localize) when asked for, and filled without interpreting
// the translated format.  Code page 1251 unless a QString.
#pragma once

#include <QString>
#include <string>

class DataSource;
struct CRemedyStatistic;

namespace search_texts {

// The getting-started text an empty page shows, lines separated by '\n'.
QString GettingStarted();

// The header strip's hit count: "Found %d topics" up to 10,000 hits (0
// included), "Found more than 10,000 topics, set stricter conditions and
// search again" above in English.  Both are asked for in Russian (code page
// 1251 keys); english.lng gives them in English.
QString HitCount(int hits);

// "Search in:".
QString SearchIn();

// The caption of result page `page` (0 to 4) before it has searched:
// "Find in 1" to "Find in 5".
QString PageCaption(int page);
// The caption once it has: `query` (code page 1251) cut to about 20
// characters.
QString QueryCaption(const std::string& query);

// The caption of the remedy statistics strip.
QString StatisticsCaption();
// The hint of one remedy of the statistics: its long name, its counts, and
// what a click does.
std::string StatisticsHint(const CRemedyStatistic& statistic);

// What follows a path step: after an ancestor, after the hit itself.
std::string Separator(bool afterHit);

// The first heading line of an article hit: "%s: " with the materia
// medica's text 4.
std::string ArticleSourceLine(DataSource& source);
// The long name of remedy `remedy` (catalogue number) with its first letter
// in upper case; "?" when the catalogue does not know it.
std::string RemedyLongName(int remedy);
// Its short name as stored, trimmed of ". ,"; "?" when unknown.
std::string RemedyShortName(int remedy);

}  // namespace search_texts
