// The entries of the search window's "Search in:" selector: every repertory
// and materia medica the engine has loaded, in the engine's order, and the
// entry selected at first.
//
//   materia medica (type 2)  "{Materia Medica: }%s" with its text 3
//   repertory (type 1)       "{Repertory: }%s" with its text 3
//   other types              not listed
//
// The first selection follows the interface language (key "Language" of
// section "General" in meridane.ini, empty when absent): empty, or holding
// ".en." after its first character, selects the last repertory whose name
// holds "REP_HALDEN"; holding ".ru." there, the last one whose name holds
// "REP_ORRE_RUS".  When no entry matches, the first repertory is selected,
// else the first entry, so that Enter always searches something.
#pragma once

#include <corvela.h>

#include <QString>
#include <string>
#include <vector>

struct CSearchSourceEntry {
    QString label;  // as shown, translated
    Guid id;        // the source's identifier
    int type = 0;   // kSourceRepertory or kSourceMateriaMedica
};

struct CSearchSourceList {
    std::vector<CSearchSourceEntry> entries;
    int selected = -1;  // the first selection; -1 only when there are no entries
};

// The entries for the engine's sources, chosen by the language setting
// `language` (the value of "Language" as read from meridane.ini).
CSearchSourceList ListSearchSources(const std::string& language);

// The value of "Language" of section "General" in meridane.ini (the user's
// over the program directory's, as the language is chosen; at most 1,023
// bytes); empty when absent.
std::string SearchLanguageSetting();

// The scope a search of a source of type `type` runs with.
int SearchScopeOf(int type);
