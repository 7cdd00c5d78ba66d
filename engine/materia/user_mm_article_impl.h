// An article of a user materia medica: its own copies of the texts and a back
// pointer to the owner, whose backing file every edit withdraws.
#pragma once

#include <cstdint>
#include <string>

#include "corvela/user_materia_medica.h"

class UserMateriaMedicaImpl;

class UserMMArticleImpl final : public UserMMArticle {
public:
    // The identifier of an article created since the program started.
    static constexpr std::uint32_t kNewArticleId = 0xFFFFFFFFu;

    // Null texts are read as empty ones.  Constructing does not touch the
    // owner; the owner enters the article in its array and map itself.
    UserMMArticleImpl(UserMateriaMedicaImpl* owner, std::uint32_t id, int remedy, const char* text,
                      const char* rtf);

    int GetKind() override { return kItemArticle; }
    DataItem* GetParent() override { return m_parent; }
    std::uint32_t GetId() override { return m_id; }
    int GetRemedy() override { return m_remedy; }
    const char* GetText() override { return m_text.c_str(); }
    const char* GetRichText() override { return m_rtf.c_str(); }
    void SetId(int id) override { m_id = static_cast<std::uint32_t>(id); }
    // Moves the article to another remedy: the owner files it under the new
    // number (map and remedy-to-source table) and drops its backing file.
    void SetRemedy(int remedy) override;
    void SetParent(DataItem* parent) override { m_parent = parent; }
    // Both drop the owner's backing file: the source is new again until saved.
    void SetText(const char* text) override;
    void SetRichText(const char* rtf) override;

private:
    UserMateriaMedicaImpl* m_owner;
    std::uint32_t m_id;
    DataItem* m_parent = nullptr;
    int m_remedy;
    std::string m_text;
    std::string m_rtf;
};
