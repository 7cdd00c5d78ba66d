// A user article collection: one free-standing article with a name (text 1),
// an author (text 3) and a description (text 5).  It holds a user materia
// medica with one article about no remedy and forwards to it.
#pragma once

#include <memory>

#include "corvela/user_materia_medica.h"
#include "materia/user_materia_medica_impl.h"

class UserArticleImpl final : public UserArticle {
public:
    // A new collection: its inner materia medica holds one empty article about
    // no remedy and carries flags 3.
    UserArticleImpl();
    ~UserArticleImpl() override;

    // Wraps a loaded file the way a user materia medica does, then sets the
    // flags to 3.
    static std::unique_ptr<UserArticleImpl> Wrap(std::unique_ptr<MateriaMedicaImpl> file);

    int GetType() override { return kSourceUserArticles; }
    const Guid* GetGuid() override { return m_inner.GetGuid(); }
    int GetPosition() override { return m_inner.GetPosition(); }
    const char* GetName() override { return m_inner.GetName(); }
    const char* GetText2() override { return m_inner.GetText2(); }
    const char* GetText5() override { return m_inner.GetText5(); }
    const char* GetText3() override { return m_inner.GetText3(); }
    const char* GetText4() override { return m_inner.GetText4(); }
    std::uint32_t GetFlags() override { return m_inner.GetFlags(); }
    bool IsEnabled() override { return m_inner.IsEnabled(); }
    void SetEnabled(bool enabled) override { m_inner.SetEnabled(enabled); }
    // The inner Open; a file that opens is taken as a collection (flags 3).
    bool Open(const char* path) override;
    bool Save(const char* path) override { return m_inner.Save(path); }
    const char* GetFilePath() override { return m_inner.GetFilePath(); }
    bool IsNew() override { return m_inner.IsNew(); }
    DataItem* GetItem(std::uint32_t id) override { return m_inner.GetItem(id); }
    Index* GetWordIndex() override { return m_inner.GetWordIndex(); }

    void SetGuid(const Guid* id) override;
    void SetPosition(int position) override { m_inner.SetPosition(position); }
    void SetName(const char* text) override { m_inner.SetText(1, text); }
    void SetText2(const char* text) override { m_inner.SetText2(text); }
    void SetText5(const char* text) override { m_inner.SetText(5, text); }
    void SetText3(const char* text) override { m_inner.SetText(3, text); }
    void SetText4(const char* text) override { m_inner.SetText4(text); }
    // The article at position 0; "" when a file without articles was opened.
    const char* GetArticleText() override;
    // On the article at position 0, made (about no remedy) when there is none.
    void SetArticleText(const char* text) override;
    const char* GetArticleRichText() override;
    void SetArticleRichText(const char* rtf) override;

    UserMateriaMedicaImpl& Inner() { return m_inner; }

private:
    UserMMArticle* Article0();

    UserMateriaMedicaImpl m_inner;
};
