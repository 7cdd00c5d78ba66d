// The materia medica compiler: collects articles one by one and writes the
// .mmb file and its word index.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "corvela/materia_medica.h"
#include "corvela/remedy.h"
#include "index/index_builder_impl.h"
#include "materia/materia_writer.h"

class MateriaMedicaBuilderImpl final : public MateriaMedicaBuilder {
public:
    // Remedy names are resolved in catalogue; words go to index (the facade's
    // shared index builder).  Both must outlive the builder.
    MateriaMedicaBuilderImpl(RemedyList& catalogue, IndexBuilderImpl& index);

    // Remembers description (it must stay valid until Save returns; null is
    // read as empty texts and flags 0) and forgets the articles added before.
    // The unknown-name list is kept.
    void Begin(const MateriaMedicaDescription* description) override;
    void End() override;
    // Null strings are read as empty ones.
    int AddArticle(const char* name, const char* title, const char* text, const char* rtf) override;
    // Writes the .mmb and its .idx (path cut at its last '.', plus ".idx")
    // through temporary files renamed into place.  False, with GetSaveError
    // set, when no article was added, no path is given, the articles or a word
    // do not fit the formats, or a file cannot be written; then no file is
    // touched.
    bool Save(const char* path) override;
    int GetUnknownRemedyCount() override { return static_cast<int>(m_unknown.size()); }
    // Null when position is not below the count.
    const char* GetUnknownRemedy(int position) override;
    const char* GetSaveError() override { return m_error.c_str(); }

    // Inside the engine: adds an article about an already known remedy
    // number (-1 for none), as the user materia medica saves its articles, so
    // that the number is kept whatever the catalogue's names resolve to.
    // Returns the article's number.
    int AddArticleOfRemedy(int remedy, const char* text, const char* rtf);

private:
    RemedyList& m_catalogue;
    IndexBuilderImpl& m_index;
    const MateriaMedicaDescription* m_description = nullptr;
    std::vector<CompiledArticle> m_articles;
    std::set<std::string> m_unknownSet;
    std::deque<std::string> m_unknown;  // in order of first occurrence; never moved
    std::string m_error;
};
