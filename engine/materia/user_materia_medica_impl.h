// An editable materia medica held in memory.  After a save or an open it also
// keeps the compiled file open (its backing file), whose word index serves
// searches; every edit of an article withdraws it until the next save.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "corvela/user_materia_medica.h"
#include "materia/materia_medica_impl.h"
#include "materia/user_mm_article_impl.h"

class UserMateriaMedicaImpl final : public UserMateriaMedica {
public:
    // An empty user materia medica: flags 2, a zero identifier (the facade
    // gives it a fresh one), no articles, no file.
    UserMateriaMedicaImpl();
    ~UserMateriaMedicaImpl() override;

    // Wraps a loaded file: takes it as the backing file and copies from it the
    // identifier, the path, the flags, texts 1-5 and every article in file
    // order (the position is the file's).  The remedy-to-source table is left
    // to the caller (the facade enters one entry per article).
    static std::unique_ptr<UserMateriaMedicaImpl> Wrap(std::unique_ptr<MateriaMedicaImpl> file);

    int GetType() override { return kSourceMateriaMedica; }
    const Guid* GetGuid() override { return &m_guid; }
    int GetPosition() override { return m_position; }
    const char* GetName() override { return m_texts[0].c_str(); }
    const char* GetText2() override { return m_texts[1].c_str(); }
    const char* GetText5() override { return m_texts[4].c_str(); }
    const char* GetText3() override { return m_texts[2].c_str(); }
    const char* GetText4() override { return m_texts[3].c_str(); }
    std::uint32_t GetFlags() override { return m_flags; }
    bool IsEnabled() override { return true; }
    void SetEnabled(bool) override {}
    // Replaces everything by the file's content.  When the file (or its word
    // index) cannot be opened the answer is false and the source keeps what
    // it held, unsaved edits included.
    bool Open(const char* path) override;
    // Compiles the articles into path (and its .idx) through the facade's
    // builder, then opens the written file as the new backing file.  False
    // when the builder cannot write (the previous file and backing file stay;
    // the builder's GetSaveError says why) or the written file cannot be
    // opened (no backing file, IsNew true).  The articles are never lost.
    bool Save(const char* path) override;
    const char* GetFilePath() override { return m_path.c_str(); }
    bool IsNew() override { return m_backing == nullptr; }
    DataItem* GetItem(std::uint32_t id) override { return GetArticleById(id); }
    // The backing file's index; null while the source is new.
    Index* GetWordIndex() override;
    int GetArticleCount() override { return static_cast<int>(m_articles.size()); }
    Article* GetArticle(int number) override { return GetUserArticle(number); }
    Article* GetArticleById(std::uint32_t id) override;
    Article* FindArticle(int remedy) override;

    // Sets the position and renumbers the articles' identifiers with it.
    void SetPosition(int position) override;
    void SetText2(const char* text) override { SetText(2, text); }
    void SetText4(const char* text) override { SetText(4, text); }
    void SetFlags(int flags) override { m_flags = static_cast<std::uint32_t>(flags); }
    UserMMArticle* GetUserArticle(int position) override;
    // A new article is appended (its identifier follows its array position,
    // as every article's does while the position is set), entered under its remedy, makes the source
    // new and, for a catalogue remedy, enters this source in the remedy's row
    // of the remedy-to-source table unless the row holds it.
    UserMMArticle* GetOrCreateArticle(int remedy) override;
    // Removes the article, makes the source new and removes this source's
    // first entry from the remedy's row.  Nothing happens when the remedy has
    // no article.
    void DeleteArticle(int remedy) override;
    void DropBackingFile() override { m_backing.reset(); }
    void SetName(const char* text) override { SetText(1, text); }
    void SetText3(const char* text) override { SetText(3, text); }
    void SetText5(const char* text) override { SetText(5, text); }

    // --- inside the engine -------------------------------------------------
    // What Wrap does, on this object: takes the file and its position.
    void WrapFile(std::unique_ptr<MateriaMedicaImpl> file);
    void SetGuid(const Guid& id) { m_guid = id; }
    // Text 1 to 5 (1 is the name); does not drop the backing file.
    void SetText(int which, const char* text);
    // An article changed its remedy from previous: file it under the new one
    // (map and remedy-to-source table) and drop the backing file.
    void ArticleRemedyChanged(UserMMArticleImpl* article, int previous);
    // Whether this source enters its articles' remedies in the facade's
    // remedy-to-source table (true; a user article collection's inner
    // materia medica never does, as discovery never lists type 3 sources).
    void SetListedInRemedyTable(bool listed) { m_inRemedyTable = listed; }

private:
    // Copies everything from file, takes it as the backing file and forgets
    // the articles held before.
    void Adopt(std::unique_ptr<MateriaMedicaImpl> file);
    // Enters the article latest in the array with that remedy, if any.
    void EnterLatest(int remedy);
    // This source's entry in the remedy's row of the facade's table: added
    // (unique: unless the row holds it) or its first occurrence removed.
    void EnterRemedy(int remedy, bool unique);
    void WithdrawRemedy(int remedy);
    // Article identifiers = position | (array index), while the position is set.
    void Renumber();
    // Empties the facade's search results before articles go away.
    void ForgetSearchHits();

    Guid m_guid;
    int m_position = -1;
    std::vector<std::unique_ptr<UserMMArticleImpl>> m_articles;
    std::map<int, UserMMArticleImpl*> m_byRemedy;  // the last entered wins
    std::string m_texts[5];                        // texts 1 to 5
    std::unique_ptr<MateriaMedicaImpl> m_backing;
    std::string m_path;
    std::uint32_t m_flags;
    bool m_inRemedyTable = true;
};
