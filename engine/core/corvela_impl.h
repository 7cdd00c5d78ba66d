// The engine facade: owns every data source, the remedy catalogue, the
// compilers and the remedy-to-source table, and collects search hits as the
// search engine's listener.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalogue/remedy_list_impl.h"
#include "core/discovery.h"
#include "core/engine_deleter.h"
#include "core/remedy_source_table.h"
#include "corvela.h"
#include "index/index_builder_impl.h"
#include "materia/materia_medica_builder_impl.h"
#include "repertory/repertory_builder_impl.h"

class CorvelaImpl final : public Corvela, public SearchListener {
public:
    // Reads the catalogue from the program directory and sizes the
    // remedy-to-source table to it.  Sources are discovered on first use.
    CorvelaImpl();
    ~CorvelaImpl() override;  // CloseAll, then frees everything

    unsigned GetDataSourceCount() override;
    DataSource* GetDataSource(unsigned position) override;
    DataSource* FindDataSource(const Guid* id) override;
    DataSource* GetDataSourceOfItem(std::uint32_t itemId) override;
    DataSource* FindDataSourceByName(const char* name) override;
    bool Search(const SearchQuery* query) override;
    int GetResultCount() override { return static_cast<int>(m_results.size()); }
    void ClearResults() override { m_results.clear(); }
    const SearchHit* GetResult(int position) override;
    bool AnalyzeQuery(const SearchQuery* query, QueryMarkup* markup) override;
    IndexBuilder* GetIndexBuilder() override { return &m_indexBuilder; }
    RepertoryBuilder* GetRepertoryBuilder() override { return &m_repertoryBuilder; }
    MateriaMedicaBuilder* GetMateriaMedicaBuilder() override;
    int GetRemedyCount() override { return m_catalogue.GetRemedyCount(); }
    Remedy* GetRemedy(int number) override { return m_catalogue.GetRemedy(number); }
    Remedy* GetRemedyById(int number) override { return m_catalogue.GetRemedyById(number); }
    Remedy* FindRemedy(const char* name) override { return m_catalogue.FindRemedy(name); }
    int GetRemedySourceCount(int remedy) override { return m_remedySources.Count(remedy); }
    void GetRemedySource(int remedy, int column, Guid* out) override;
    RemedyList* GetRemedyList() override { return &m_catalogue; }
    DataSource* CreateUserMateriaMedica() override;
    DataSource* CreateUserArticleCollection() override;
    // Writes section "DataSources" of corvela.ini in the program directory,
    // or in the user's configuration folder when the program directory cannot
    // take it (nothing when no source is loaded).
    void SaveDataSourceList() override;
    // Saves the list, deletes every source, forgets the search hits (they
    // point at the deleted items) and empties the remedy-to-source rows, so
    // that the next discovery starts afresh.
    void CloseAll() override;

    // SearchListener: appends the hit to the result list.
    bool OnFound(const SearchHit& hit) override;

    // --- inside the engine -------------------------------------------------
    // Adds source's identifier to remedy's row unless the row holds it (a user
    // materia medica creating an article).
    void AddRemedySource(int remedy, DataSource* source);
    // Removes the first occurrence of source's identifier from remedy's row.
    void RemoveRemedySource(int remedy, DataSource* source);
    RemedyListImpl& Catalogue() { return m_catalogue; }
    IndexBuilderImpl& SharedIndexBuilder() { return m_indexBuilder; }
    MateriaMedicaBuilderImpl& SharedMateriaMedicaBuilder() { return m_materiaMedicaBuilder; }
    // Appends source's identifier to remedy's row without looking for
    // duplicates (one entry per article, as discovery enters them).
    void AppendRemedySource(int remedy, DataSource* source);

    // The position the next appended source gets; -1 when the list is full
    // (item identifiers have room for 1,024 positions).
    int NextSourcePosition() const;
    // Appends a loaded source (its position already set to NextSourcePosition).
    void AppendSource(OwnedSource source);
    // Appends a loaded materia medica and, when its type is 2, enters its
    // identifier in the row of every article's remedy (one entry per article).
    void AppendMateriaMedica(OwnedSource source);

private:
    // discovery.cpp: scans the program directory and then the user's data
    // folder while no source is loaded.
    void Discover();
    // Loads the file as a source of that kind; false when it fails.
    bool LoadDataFile(const std::string& path, DataFileKind kind);
    bool LoadRepertory(const std::string& path);
    bool LoadMateriaMedica(const std::string& path);

    std::vector<OwnedSource> m_sources;  // index = position
    std::vector<SearchHit> m_results;
    RemedyListImpl m_catalogue;
    IndexBuilderImpl m_indexBuilder;
    RepertoryBuilderImpl m_repertoryBuilder;
    MateriaMedicaBuilderImpl m_materiaMedicaBuilder;
    RemedySourceTable m_remedySources;
    bool m_discovering = false;
};

// The facade as the engine's own code sees it.
CorvelaImpl& EngineInstance();
