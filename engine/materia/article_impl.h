// One article of a loaded materia medica: a position in the mapped file plus
// its identifier.  Its texts are read from the mapping on every call; the
// materia medica validated the record when it was opened.
#pragma once

#include <cstdint>

#include "corvela/materia_medica.h"

class ArticleImpl final : public Article {
public:
    // record points at the article's "TOPC" record inside the mapping.
    ArticleImpl(const std::uint8_t* record, std::uint32_t id) : m_id(id), m_record(record) {}

    int GetKind() override { return kItemArticle; }
    DataItem* GetParent() override { return nullptr; }
    std::uint32_t GetId() override { return m_id; }
    int GetRemedy() override;
    const char* GetText() override;
    const char* GetRichText() override;

private:
    std::uint32_t m_id;
    const std::uint8_t* m_record;
};
