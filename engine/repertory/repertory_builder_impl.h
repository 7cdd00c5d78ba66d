// The repertory compiler: collects a rubric tree depth-first and writes the
// .rpb file and its word index.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "corvela/remedy.h"
#include "corvela/repertory.h"
#include "index/index_builder_impl.h"
#include "repertory/repertory_writer.h"

class RepertoryBuilderImpl final : public RepertoryBuilder {
public:
    // Remedy names are resolved in catalogue; words go to index (the facade's
    // shared index builder).  Both must outlive the builder.
    RepertoryBuilderImpl(RemedyList& catalogue, IndexBuilderImpl& index);

    // Remembers description (it must stay valid until Save returns; null is
    // read as empty texts and flags 0) and forgets any tree built before.  The
    // unknown-name list is kept.
    void Begin(const RepertoryDescription* description) override;
    void End() override;
    // Opens a rubric as the last child of the open one, or as the root when
    // none is open.  Returns its pre-order number.  A second root (no rubric
    // open but a root exists) is refused: -1, and Save will fail.
    int AddTopic(const char* text) override;
    void CloseTopic() override;
    int AddRemedy(const char* name, int grade) override;
    // Writes the .rpb and its .idx (path cut at its last '.', plus ".idx")
    // through temporary files renamed into place.  Returns 1, or 0 with
    // GetSaveError set when there is no root, the tree or a word does not fit
    // the formats, or a file cannot be written; then no file is touched.
    int Save(const char* path) override;
    int GetUnknownRemedyCount() override { return static_cast<int>(m_unknown.size()); }
    const char* GetUnknownRemedy(int position) override;
    const char* GetSaveError() override { return m_error.c_str(); }

private:
    RemedyList& m_catalogue;
    IndexBuilderImpl& m_index;
    const RepertoryDescription* m_description = nullptr;
    std::vector<CompiledRubric> m_rubrics;  // pre-order
    std::vector<std::int32_t> m_open;       // stack of open rubrics
    bool m_secondRoot = false;              // a second root was refused
    std::size_t m_tooDeep = 0;              // first rubric beyond the depth bound, or 0
    std::set<std::string> m_unknownSet;
    std::deque<std::string> m_unknown;  // in order of first occurrence; never moved
    std::string m_error;
};
