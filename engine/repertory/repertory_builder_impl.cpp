#include "repertory/repertory_builder_impl.h"

#include "base/files/atomic_file.h"
#include "index/index_path.h"
#include "index/word_splitter.h"
#include "repertory/repertory_format.h"

RepertoryBuilderImpl::RepertoryBuilderImpl(RemedyList& catalogue, IndexBuilderImpl& index)
    : m_catalogue(catalogue), m_index(index) {}

void RepertoryBuilderImpl::Begin(const RepertoryDescription* description) {
    m_description = description;
    m_rubrics.clear();
    m_open.clear();
    m_secondRoot = false;
    m_tooDeep = 0;
    m_error.clear();
}

void RepertoryBuilderImpl::End() {}

int RepertoryBuilderImpl::AddTopic(const char* text) {
    if (m_open.empty() && !m_rubrics.empty()) {
        m_secondRoot = true;
        return -1;
    }
    const auto number = static_cast<std::int32_t>(m_rubrics.size());
    CompiledRubric rubric;
    rubric.text = text != nullptr ? text : "";
    if (!m_open.empty()) {
        CompiledRubric& parent = m_rubrics[static_cast<std::size_t>(m_open.back())];
        rubric.parent = m_open.back();
        rubric.siblingIndex = parent.childCount++;
    }
    if (m_open.size() > static_cast<std::size_t>(rpb::kMaxDepth) && m_tooDeep == 0)
        m_tooDeep = static_cast<std::size_t>(number);
    m_rubrics.push_back(std::move(rubric));
    m_open.push_back(number);
    return number;
}

void RepertoryBuilderImpl::CloseTopic() {
    if (!m_open.empty()) m_open.pop_back();
}

int RepertoryBuilderImpl::AddRemedy(const char* name, int grade) {
    if (m_open.empty()) return -1;
    Remedy* remedy = name != nullptr ? m_catalogue.FindRemedy(name) : nullptr;
    if (remedy == nullptr) {
        std::string unknown = name != nullptr ? name : "";
        if (m_unknownSet.insert(unknown).second) m_unknown.push_back(unknown);
        return -1;
    }
    CompiledRubric& rubric = m_rubrics[static_cast<std::size_t>(m_open.back())];
    const auto number = static_cast<std::int32_t>(remedy->GetId());
    rubric.remedies.push_back(number);
    rubric.grades.push_back(grade);
    return number;
}

const char* RepertoryBuilderImpl::GetUnknownRemedy(int position) {
    if (position < 0 || position >= GetUnknownRemedyCount()) return nullptr;
    return m_unknown[static_cast<std::size_t>(position)].c_str();
}

int RepertoryBuilderImpl::Save(const char* path) {
    m_error.clear();
    if (m_rubrics.empty()) {
        m_error = "no root rubric was added";
        return 0;
    }
    if (m_secondRoot) {
        m_error = "a second root rubric was added; a repertory has exactly one root";
        return 0;
    }
    if (m_tooDeep != 0) {
        m_error = "rubric " + std::to_string(m_tooDeep) + " lies deeper than " +
                  std::to_string(rpb::kMaxDepth) + " levels below the root";
        return 0;
    }
    if (path == nullptr || *path == '\0') {
        m_error = "no file path given";
        return 0;
    }
    RepertoryDescription empty{"", "", "", "", "", "", 0};
    base::PendingFile files[2] = {{path, {}}, {IndexPathFor(path), {}}};
    if (!WriteRepertoryImage(m_description != nullptr ? *m_description : empty, m_rubrics,
                             &files[0].bytes, &m_error))
        return 0;

    // The index lists every word of every rubric, the root included, with the
    // rubric's number; rubrics arrive in pre-order, so postings ascend.
    m_index.Begin();
    std::string word;
    for (std::size_t i = 0; i < m_rubrics.size(); ++i) {
        SplitRepertoryWords(m_rubrics[i].text, [&](std::string_view piece) {
            word.assign(piece);
            m_index.AddWord(word.c_str(), static_cast<std::int32_t>(i));
        });
    }
    m_index.Finish();
    if (!m_index.Serialize(&files[1].bytes)) {
        m_error =
            std::string("the word index cannot hold the repertory: ") + m_index.GetSaveError();
        return 0;
    }
    if (!base::WriteFilesAtomically(files, &m_error)) return 0;
    return 1;
}
