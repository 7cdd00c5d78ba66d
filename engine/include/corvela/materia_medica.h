// Materia medicas: collections of articles, one per remedy (or none).
#pragma once

#include <cstdint>

#include "corvela/data_source.h"

class Article : public DataItem {
public:
    // GetKind 2; GetParent null; GetId article number | (source position << 22).
    virtual int GetRemedy() = 0;                              // slot 4: catalogue number, -1 for none
    virtual const char* GetText() = 0;                        // 5: plain text (what the index was built from)
    virtual const char* GetRichText() = 0;                    // 6: RTF, empty when none

protected:
    ~Article() override = default;
};

class MateriaMedica : public DataSource {
public:
    virtual int GetArticleCount() = 0;                        // slot 18
    virtual Article* GetArticle(int number) = 0;              // 19: null when not below the count
    virtual Article* GetArticleById(std::uint32_t id) = 0;    // 20: by the low 22 bits
    virtual Article* FindArticle(int remedy) = 0;             // 21: the last article of that remedy, or null

protected:
    ~MateriaMedica() override = default;
};

// Same layout as RepertoryDescription.
struct MateriaMedicaDescription {
    const char* id;
    const char* text1;
    const char* text2;
    const char* text3;
    const char* text4;
    const char* text5;
    std::uint32_t flags;
};

// The materia medica compiler (one instance, owned by the facade).
class MateriaMedicaBuilder {
protected:
    virtual ~MateriaMedicaBuilder() = default;

public:
    virtual void Begin(const MateriaMedicaDescription* description) = 0;
    virtual void End() = 0;                                   // does nothing
    // Name and title both empty: an article about no remedy.  Otherwise the
    // name is looked up in the catalogue; unknown: nothing is added, the name
    // joins the unknown-name list once and -1 is returned.  Returns the
    // article's number.  rtf may be null.
    virtual int AddArticle(const char* name, const char* title, const char* text,
                           const char* rtf) = 0;
    // Writes the .mmb and its .idx (temporary files renamed into place); false
    // when no article was added, a file cannot be written or a word does not
    // fit the index format (GetSaveError says why).
    virtual bool Save(const char* path) = 0;
    // The names AddArticle did not find, as for RepertoryBuilder: each once,
    // kept across compilations, valid as long as the engine; null when
    // position is not below the count.
    virtual int GetUnknownRemedyCount() = 0;
    virtual const char* GetUnknownRemedy(int position) = 0;
    // Why the last Save failed; empty after a success or a Begin.  Valid until
    // the next Begin or Save.
    virtual const char* GetSaveError() = 0;
};
