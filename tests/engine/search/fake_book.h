// A materia medica held in memory, for searching sources other than the
// file-backed ones: its index is read through the Index interface only.  It
// can pose as a user article collection (type 3) and be disabled.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "corvela.h"

namespace search_test {

class FakeIndex final : public Index {
public:
    std::vector<std::pair<std::string, std::vector<std::int32_t>>> entries;

    bool Open(const char*) override { return false; }
    unsigned GetWordCount() override { return static_cast<unsigned>(entries.size()); }
    const char* GetWord(unsigned k) override { return entries[k].first.c_str(); }
    int GetPostingCount(unsigned k) override { return static_cast<int>(entries[k].second.size()); }
    std::int32_t GetPosting(unsigned k, int j) override {
        return j >= 0 && j < GetPostingCount(k) ? entries[k].second[static_cast<std::size_t>(j)]
                                                : -1;
    }
};

class FakeArticle final : public Article {
public:
    FakeArticle(std::uint32_t id, int remedy) : m_id(id), m_remedy(remedy) {}
    int GetKind() override { return kItemArticle; }
    DataItem* GetParent() override { return nullptr; }
    std::uint32_t GetId() override { return m_id; }
    int GetRemedy() override { return m_remedy; }
    const char* GetText() override { return ""; }
    const char* GetRichText() override { return ""; }

private:
    std::uint32_t m_id;
    int m_remedy;
};

class FakeBook final : public MateriaMedica {
public:
    // One article per remedy number, in order; position is the source's.
    FakeBook(int position, const std::vector<int>& remedies, int type = kSourceMateriaMedica)
        : m_position(position), m_type(type) {
        m_guid.data1 = 0xB00C0000u + static_cast<unsigned>(position);
        for (std::size_t i = 0; i < remedies.size(); ++i)
            m_articles.push_back(std::make_unique<FakeArticle>(
                MakeItemId(static_cast<unsigned>(position), static_cast<std::uint32_t>(i)),
                remedies[i]));
    }

    FakeIndex index;
    bool enabled = true;

    int GetType() override { return m_type; }
    const Guid* GetGuid() override { return &m_guid; }
    int GetPosition() override { return m_position; }
    const char* GetName() override { return "Fake"; }
    const char* GetText2() override { return ""; }
    const char* GetText5() override { return ""; }
    const char* GetText3() override { return ""; }
    const char* GetText4() override { return ""; }
    std::uint32_t GetFlags() override { return 0; }
    bool IsEnabled() override { return enabled; }
    void SetEnabled(bool) override {}
    bool Open(const char*) override { return false; }
    bool Save(const char*) override { return false; }
    const char* GetFilePath() override { return ""; }
    bool IsNew() override { return false; }
    DataItem* GetItem(std::uint32_t id) override {
        return GetArticle(static_cast<int>(ItemNumber(id)));
    }
    Index* GetWordIndex() override { return &index; }
    int GetArticleCount() override { return static_cast<int>(m_articles.size()); }
    Article* GetArticle(int number) override {
        return number >= 0 && number < GetArticleCount()
                   ? m_articles[static_cast<std::size_t>(number)].get()
                   : nullptr;
    }
    Article* GetArticleById(std::uint32_t id) override {
        return GetArticle(static_cast<int>(ItemNumber(id)));
    }
    Article* FindArticle(int remedy) override {
        Article* found = nullptr;
        for (auto& article : m_articles)
            if (article->GetRemedy() == remedy) found = article.get();
        return found;
    }

private:
    Guid m_guid;
    int m_position;
    int m_type;
    std::vector<std::unique_ptr<FakeArticle>> m_articles;
};

}  // namespace search_test
