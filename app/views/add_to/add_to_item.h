// What an "Add to" menu carries into an analysis: a repertory rubric, or a
// passage of a materia medica article.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "corvela/guid.h"

struct CAddToItem {
    enum class Kind { kRubric, kPassage };

    // The rubric with item identifier `rubricId` (AddRubric).
    static CAddToItem Rubric(std::uint32_t rubricId) {
        return CAddToItem{Kind::kRubric, rubricId, Guid{}, std::string()};
    }
    // The passage `text` (code page 1251) of the article `articleId` of the
    // materia medica `materiaMedica` (AddArticle).
    static CAddToItem Passage(std::uint32_t articleId, const Guid& materiaMedica,
                              std::string text) {
        return CAddToItem{Kind::kPassage, articleId, materiaMedica, std::move(text)};
    }

    bool IsRubric() const { return m_kind == Kind::kRubric; }

    Kind m_kind = Kind::kRubric;
    std::uint32_t m_itemId = 0;  // the rubric's or the article's identifier
    Guid m_materiaMedica{};      // passages: the materia medica's identifier
    std::string m_text;          // passages: the selected text
};
