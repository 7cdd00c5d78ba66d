// Corvela, the data engine: the facade through which the program reaches every
// loaded repertory and materia medica, the remedy catalogue, the search engine
// and the compilers.  The library exports one function, CorvelaInstance.
//
// Ownership: every object handed out belongs to the engine and lives until
// CloseAll or library unload; callers never delete them.  Failure is reported
// by return values (null, -1, 0, false), never by exceptions.  The engine is
// used from one thread.
#pragma once

#include <cstdint>

#include "corvela/data_source.h"
#include "corvela/guid.h"
#include "corvela/index.h"
#include "corvela/materia_medica.h"
#include "corvela/remedy.h"
#include "corvela/repertory.h"
#include "corvela/search.h"
#include "corvela/user_materia_medica.h"

class Corvela {
public:
    // --- data sources (slots 0-5 run discovery while the source list is empty)
    virtual unsigned GetDataSourceCount() = 0;                                   // 0
    virtual DataSource* GetDataSource(unsigned position) = 0;                    // 1: null at or beyond the count
    virtual DataSource* FindDataSource(const Guid* id) = 0;                      // 2: first with that identifier
    virtual DataSource* GetDataSourceOfItem(std::uint32_t itemId) = 0;           // 3: by the top 10 bits
    virtual DataSource* FindDataSourceByName(const char* name) = 0;              // 4: GetName, case-sensitive
    // --- search
    virtual bool Search(const SearchQuery* query) = 0;                           // 5: empties, then fills the results
    virtual int GetResultCount() = 0;                                            // 6
    virtual void ClearResults() = 0;                                             // 7
    virtual const SearchHit* GetResult(int position) = 0;                        // 8: null at or beyond the count
    virtual bool AnalyzeQuery(const SearchQuery* query, QueryMarkup* markup) = 0; // 9: true when well formed
    // --- compilers
    virtual IndexBuilder* GetIndexBuilder() = 0;                                 // 10
    virtual RepertoryBuilder* GetRepertoryBuilder() = 0;                         // 11
    virtual MateriaMedicaBuilder* GetMateriaMedicaBuilder() = 0;                 // 12
    // --- remedy catalogue
    // The same as GetRemedyList()'s operations: GetRemedy and GetRemedyById
    // answer null when number is negative or not below GetRemedyCount;
    // FindRemedy answers null for a null or unknown name.  A remedy lives as
    // long as the engine.
    virtual int GetRemedyCount() = 0;                                            // 13
    virtual Remedy* GetRemedy(int number) = 0;                                   // 14
    virtual Remedy* GetRemedyById(int number) = 0;                               // 15
    virtual Remedy* FindRemedy(const char* name) = 0;                            // 16
    // --- which materia medicas hold an article on a remedy
    virtual int GetRemedySourceCount(int remedy) = 0;                            // 17: 0 outside the table
    virtual void GetRemedySource(int remedy, int column, Guid* out) = 0;         // 18: out untouched when out of range
    virtual RemedyList* GetRemedyList() = 0;                                     // 19
    // --- user sources (appended to the source list, fresh identifiers)
    virtual DataSource* CreateUserMateriaMedica() = 0;                           // 20: a UserMateriaMedica
    virtual DataSource* CreateUserArticleCollection() = 0;                       // 21: a UserArticle
    // --- lifetime
    virtual void SaveDataSourceList() = 0;                                       // 22: section "DataSources" of corvela.ini
    virtual void CloseAll() = 0;                                                 // 23: saves the list, deletes every source

protected:
    virtual ~Corvela() = default;                                                // 24
};

#if defined(CORVELA_BUILDING_LIBRARY)
#define CORVELA_EXPORT __attribute__((visibility("default")))
#else
#define CORVELA_EXPORT
#endif

// The one facade; the first call constructs it (catalogue, builders).
extern "C" CORVELA_EXPORT Corvela& CorvelaInstance();
