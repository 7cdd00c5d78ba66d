// A loaded materia medica: a read-only mapping of an .mmb file, its articles
// and its word index.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "coding/load_error.h"
#include "corvela/materia_medica.h"
#include "index/index_impl.h"
#include "materia/article_impl.h"
#include "platform/mapped_file.h"

class MateriaMedicaImpl final : public MateriaMedica {
public:
    MateriaMedicaImpl();
    ~MateriaMedicaImpl() override;

    int GetType() override { return kSourceMateriaMedica; }
    const Guid* GetGuid() override { return &m_guid; }
    int GetPosition() override { return m_position; }
    const char* GetName() override { return m_texts[1]; }
    const char* GetText2() override { return m_texts[2]; }
    const char* GetText5() override { return m_texts[5]; }
    const char* GetText3() override { return m_texts[3]; }
    const char* GetText4() override { return m_texts[4]; }
    std::uint32_t GetFlags() override { return m_flags; }
    bool IsEnabled() override { return true; }
    void SetEnabled(bool) override {}
    // Maps the file, checks that the article table and every article record
    // lie inside the file, builds the articles and opens the word index
    // beside it.  False (GetLoadError says why and where) when any of it
    // fails.  The magic, the version, the file size and the records' marks
    // are not examined.
    bool Open(const char* path) override;
    bool Save(const char*) override { return false; }
    const char* GetFilePath() override { return m_path.c_str(); }
    bool IsNew() override { return false; }
    DataItem* GetItem(std::uint32_t id) override { return GetArticleById(id); }
    Index* GetWordIndex() override { return &m_index; }
    int GetArticleCount() override { return static_cast<int>(m_articles.size()); }
    Article* GetArticle(int number) override;
    Article* GetArticleById(std::uint32_t id) override;
    // The article latest in file order with that remedy number (-1 included).
    Article* FindArticle(int remedy) override;

    // Called by the facade before Open: article identifiers carry it.
    void SetPosition(int position) { m_position = position; }
    // Opens over a view the caller made (tests hand in a byte buffer); path is
    // remembered and names the word index.
    bool OpenMapped(MappedFile file, const char* path);
    // The same with the word index over a view the caller made too (the fuzz
    // targets hand in both files as bytes).
    bool OpenMapped(MappedFile file, MappedFile index, const char* path);
    const LoadError& GetLoadError() const { return m_error; }

private:
    void Reset();
    bool Fail(LoadFault fault, std::uint64_t offset);
    bool LoadHeader();
    bool LoadArticles();
    bool CheckRecord(std::uint64_t record);

    Guid m_guid;
    int m_position = -1;
    MappedFile m_file;
    std::uint32_t m_flags = 0;
    const char* m_texts[6];               // identifier text, texts 1-5
    std::vector<ArticleImpl> m_articles;  // index = article number
    std::map<int, ArticleImpl*> m_byRemedy;
    IndexImpl m_index;
    std::string m_path;
    LoadError m_error;
};
