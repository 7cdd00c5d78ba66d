// The user's own materia medicas from the window: creating one, writing
// articles, saving, reading it back in a fresh engine and finding it by
// search; the unsaved-changes question; a failed save; shared files that are
// refused; author info; the user article collection.
#include <corvela.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

#include "materia_test_support.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/text/code_page.h"
#include "views/document_slots.h"
#include "views/materia/author_info_dialog.h"
#include "views/materia/materia_medica_autors.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/materia/materia_search.h"
#include "views/materia/shown_article.h"
#include "views/materia/user_materia_medicas.h"
#include "views/materia/user_mm_commands.h"

using namespace materia_test;
using materia::CAuthorInfo;
using materia::CUserMateriaMedicas;
using Answer = CDialogService::Answer;

namespace {

// Answers the author info dialog with `info` (or cancels with none).
struct ScriptedAuthorInfo {
    explicit ScriptedAuthorInfo(std::optional<CAuthorInfo> answer) {
        materia::SetAuthorInfoEditor(
            [answer, this](QWidget*, const QString& caption, CAuthorInfo* info) {
                captions << caption;
                shown = *info;
                if (!answer) return false;
                *info = *answer;
                return true;
            });
    }
    ~ScriptedAuthorInfo() { materia::SetAuthorInfoEditor({}); }
    QStringList captions;
    CAuthorInfo shown;
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string ArticleText(const Guid& book, int remedy) {
    auto* source = static_cast<MateriaMedica*>(CorvelaInstance().FindDataSource(&book));
    Article* article = source != nullptr ? source->FindArticle(remedy) : nullptr;
    return article != nullptr ? article->GetText() : std::string();
}

// Whether the engine's search over every source (as the search window asks)
// finds the article of `remedy` in `book` for `text`.
bool EngineFinds(const char* text, const Guid& book, int remedy) {
    Corvela& engine = CorvelaInstance();
    SearchQuery query;
    query.scope = kScopeAll;
    std::snprintf(query.text, sizeof query.text, "%s", text);
    engine.Search(&query);
    for (int i = 0; i < engine.GetResultCount(); ++i) {
        const SearchHit* hit = engine.GetResult(i);
        if (hit == nullptr || hit->source == nullptr || hit->item == nullptr) continue;
        if (*hit->source->GetGuid() == book && hit->item->GetKind() == kItemArticle &&
            static_cast<Article*>(hit->item)->GetRemedy() == remedy)
            return true;
    }
    return false;
}

int AuthorEntries(CMateriaMedicaPadView& view) {
    return view.Autors()->count();
}

}  // namespace

class UserMateriaTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHost> m_host;
    CMateriaMedicaDoc* m_document = nullptr;
    CMateriaMedicaPadView* m_view = nullptr;

    void OpenOn(const char* remedy, const char* book) {
        m_document = m_host->Open(RemedyNumber(remedy), book);
        QVERIFY(m_document != nullptr);
        m_view = m_host->View(m_document);
        Settle();
    }
    QTextEdit& Editor() { return *m_view->Article()->Editor(); }
    void Type(const QString& text) {
        Editor().setFocus();
        Editor().moveCursor(QTextCursor::End);
        QTest::keyClicks(&Editor(), text);
    }
    // A new book "Bedside notes" by "A. Reader", shown in the window.
    DataSource* MakeBook() {
        ScriptedAuthorInfo answer(CAuthorInfo{"Bedside notes", "A. Reader", "Kept at the desk."});
        DataSource* made = materia::NewMateriaMedica(nullptr);
        if (made != nullptr) m_document->Navigate(-1, *made->GetGuid());
        return made;
    }

private Q_SLOTS:
    void init() {
        m_host = std::make_unique<TestHost>();
        m_host->Area().show();
        OpenOn("acon", kDemoBook);
    }
    void cleanup() {
        // Nothing unsaved is left for the next test to be asked about.
        for (DataSource* source : CUserMateriaMedicas::Get().ModifiedSources())
            CUserMateriaMedicas::Get().Discard(*source);
        m_host->Documents().CloseAll({kMateriaMedicaSlot});
        m_host.reset();
        Settle();
    }

    void aNewBookIsWrittenSavedReadAgainAndFound() {
        const int before = AuthorEntries(*m_view);
        DataSource* book = MakeBook();
        QVERIFY(book != nullptr);
        const Guid id = *book->GetGuid();
        QCOMPARE(AuthorEntries(*m_view), before + 1);
        QCOMPARE(m_view->Autors()->EntryOf(id)->text(), QStringLiteral("A. Reader*"));
        QCOMPARE(m_document->Title(), QStringLiteral("[acon] Bedside notes*"));
        QVERIFY(!Editor().isReadOnly());
        QVERIFY(m_view->Article()->ShowsNoArticle());
        QCOMPARE(Editor().placeholderText(), QStringLiteral("No articles"));

        // Typing makes the article; the index marks the remedy.
        Type(QStringLiteral("Worse from cold dry wind; aconite fright."));
        QCOMPARE(ArticleText(id, RemedyNumber("acon")),
                 std::string("Worse from cold dry wind; aconite fright."));
        auto* mine = static_cast<MateriaMedica*>(book);
        QVERIFY(std::string(mine->FindArticle(RemedyNumber("acon"))->GetRichText())
                    .rfind("{\\rtf1", 0) == 0);
        QVERIFY(CorvelaInstance().GetRemedySourceCount(RemedyNumber("acon")) >= 3);
        // Clearing it all deletes it again.
        Editor().selectAll();
        QTest::keyClick(&Editor(), Qt::Key_Delete);
        QCOMPARE(mine->FindArticle(RemedyNumber("acon")), nullptr);
        Type(QStringLiteral("Worse from cold dry wind; aconite fright."));
        m_document->Navigate(RemedyNumber("bell"), id);
        Type(QStringLiteral("Bright red face, throbbing."));

        // Save As: the file, no "*" any more, searchable.
        const QString path = HomePath(QStringLiteral("bedside.mmb"));
        m_host->Scripted().QueueSave(path);
        QVERIFY(materia::SaveMateriaMedica(nullptr, *book));
        QCOMPARE(m_host->Scripted().Requests().back().kind, QStringLiteral("save"));
        // Never saved: proposed as NAME.mmb in the user data folder.
        QCOMPARE(m_host->Scripted().Requests().back().file.initialPath,
                 HomePath(QStringLiteral("data/Bedside notes.mmb")));
        QVERIFY(QFile::exists(path));
        QVERIFY(!book->IsNew());
        QCOMPARE(m_document->Title(), QStringLiteral("[bell] Bedside notes"));
        materia::CSearchFindings found =
            materia::FindRequests("fright", materia::kScopeWork, RemedyNumber("bell"), id);
        QCOMPARE(found.m_requests.size(), std::size_t{1});
        QCOMPARE(found.m_requests.front().m_remedy, RemedyNumber("acon"));
        // The search window's question: every source, no source named.
        QVERIFY(EngineFinds("fright", id, RemedyNumber("acon")));
        QVERIFY(!EngineFinds("fright", id, RemedyNumber("bell")));

        // A fresh engine finds the file beside the others and reads it back.
        m_host->Documents().CloseAll({kMateriaMedicaSlot});
        RestartEngine();
        DataSource* again = CorvelaInstance().FindDataSource(&id);
        QVERIFY(again != nullptr);
        QVERIFY(materia::IsUserSource(again));
        QCOMPARE(std::string(again->GetName()), std::string("Bedside notes"));
        QCOMPARE(std::string(again->GetText3()), std::string("A. Reader"));
        QCOMPARE(ArticleText(id, RemedyNumber("bell")), std::string("Bright red face, throbbing."));
        found = materia::FindRequests("throbbing", materia::kScopeRemedy, RemedyNumber("bell"), id);
        QCOMPARE(found.m_requests.size(), std::size_t{2});  // MM_DEMO's Belladonna and ours
        QFile::remove(path);
        QFile::remove(HomePath(QStringLiteral("bedside.idx")));
        RestartEngine();
    }

    void closingWithUnsavedNotesAsksFirst() {
        DataSource* book = MakeBook();
        Type(QStringLiteral("Note."));
        CChildFrame* frame = m_document->Frames().front();
        // Cancel: the window stays, and so do the notes.
        m_host->Scripted().QueueAnswer(Answer::Cancel);
        QVERIFY(!frame->close());
        QCOMPARE(m_host->Scripted().Requests().back().kind, QStringLiteral("yesnocancel"));
        QVERIFY(
            m_host->Scripted().Requests().back().text.contains(QStringLiteral("Bedside notes")));
        QVERIFY(CUserMateriaMedicas::Get().IsModified(book));
        // The program's end asks the same.
        m_host->Scripted().QueueAnswer(Answer::Cancel);
        QVERIFY(!m_host->Documents().CanCloseAll());
        // Yes saves (here into the home folder), then the window closes.
        const QString path = HomePath(QStringLiteral("closing.mmb"));
        m_host->Scripted().QueueAnswer(Answer::Yes);
        m_host->Scripted().QueueSave(path);
        QVERIFY(frame->close());
        Settle();
        QVERIFY(QFile::exists(path));
        QVERIFY(!CUserMateriaMedicas::Get().IsModified(book));
        QVERIFY(m_host->Documents().CanCloseAll());

        // No throws the changes away: the saved text comes back.
        OpenOn("acon", kDemoBook);
        m_document->Navigate(-1, *book->GetGuid());
        Type(QStringLiteral(" More."));
        QCOMPARE(ArticleText(*book->GetGuid(), RemedyNumber("acon")), std::string("Note. More."));
        m_host->Scripted().QueueAnswer(Answer::No);
        QVERIFY(m_document->Frames().front()->close());
        Settle();
        QCOMPARE(ArticleText(*book->GetGuid(), RemedyNumber("acon")), std::string("Note."));
        QVERIFY(!CUserMateriaMedicas::Get().IsModified(book));
        QFile::remove(path);
        QFile::remove(HomePath(QStringLiteral("closing.idx")));
    }

    void aNewBookThrownAwayLeavesNothingInSight() {
        const int before = AuthorEntries(*m_view);
        DataSource* book = MakeBook();
        Type(QStringLiteral("Draft."));
        m_host->Scripted().QueueAnswer(Answer::No);
        QVERIFY(m_host->Documents().CanCloseAll());
        QVERIFY(CUserMateriaMedicas::Get().IsHidden(book));
        QCOMPARE(AuthorEntries(*m_view), before);
        // The next new book takes its place.
        DataSource* next = MakeBook();
        QCOMPARE(next, book);
        QCOMPARE(static_cast<MateriaMedica*>(next)->GetArticleCount(), 0);
    }

    void aFailedSaveKeepsTheNotesAndTheOldFile() {
        DataSource* book = MakeBook();
        Type(QStringLiteral("First words."));
        const QString path = HomePath(QStringLiteral("kept.mmb"));
        m_host->Scripted().QueueSave(path);
        QVERIFY(materia::SaveMateriaMedica(nullptr, *book));
        const QByteArray saved = FileBytes(path);
        Type(QStringLiteral(" Second words."));

        // Into a folder that is not there, and over a folder.
        QDir(HomePath()).mkdir(QStringLiteral("taken.mmb"));
        for (const QString& target : {HomePath(QStringLiteral("no/such/folder/kept.mmb")),
                                      HomePath(QStringLiteral("taken.mmb"))}) {
            m_host->Scripted().QueueSave(target);
            QVERIFY(!materia::SaveMateriaMedicaAs(nullptr, *book));
            const auto& said = m_host->Scripted().Requests().back();
            QCOMPARE(said.kind, QStringLiteral("message"));
            QVERIFY(said.text.startsWith(QStringLiteral("The materia medica could not be saved:")));
            QCOMPARE(ArticleText(*book->GetGuid(), RemedyNumber("acon")),
                     std::string("First words. Second words."));
            QVERIFY(CUserMateriaMedicas::Get().IsModified(book));
            QCOMPARE(FileBytes(path), saved);
            QCOMPARE(QString::fromUtf8(book->GetFilePath()), path);
        }
        QVERIFY(m_document->Title().endsWith(QLatin1Char('*')));
        QFile::remove(path);
        QFile::remove(HomePath(QStringLiteral("kept.idx")));
        QDir(HomePath()).rmdir(QStringLiteral("taken.mmb"));
    }

    void sharedFilesThatCannotJoinAreRefused() {
        const int before = AuthorEntries(*m_view);
        const Guid demo = Id(kDemoBook);
        DataSource* original = CorvelaInstance().FindDataSource(&demo);
        // A copy of a loaded book: the same identifier.
        QDir(HomePath()).mkdir(QStringLiteral("shared"));
        for (const char* suffix : {".mmb", ".idx"})
            QFile::copy(HomePath(QStringLiteral("demo_mm_en") + suffix),
                        HomePath(QStringLiteral("shared/copy") + suffix));
        m_host->Scripted().QueueOpen(HomePath(QStringLiteral("shared/copy.mmb")));
        QCOMPARE(materia::OpenMateriaMedica(nullptr), nullptr);
        QVERIFY(m_host->Scripted().Requests().back().text.contains(
            QStringLiteral("A loaded source has the same identifier: MM_DEMO")));
        QCOMPARE(AuthorEntries(*m_view), before);
        QCOMPARE(CorvelaInstance().FindDataSource(&demo), original);
        QCOMPARE(CorvelaInstance().GetRemedySourceCount(RemedyNumber("apis")), 1);
        QCOMPARE(
            materia::FindRequests("stinging", materia::kScopeRemedy, RemedyNumber("apis"), demo)
                .m_requests.size(),
            std::size_t{1});

        // A file that is no materia medica: nothing changes either.
        QFile junk(HomePath(QStringLiteral("shared/junk.mmb")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a materia medica");
        junk.close();
        m_host->Scripted().QueueOpen(junk.fileName());
        QCOMPARE(materia::OpenMateriaMedica(nullptr), nullptr);
        QVERIFY(m_host->Scripted().Requests().back().text.contains(
            QStringLiteral("is not a materia medica")));
        QCOMPARE(AuthorEntries(*m_view), before);

        // A book of someone else's joins, under its own identifier.
        DataSource* book = MakeBook();
        Type(QStringLiteral("Shared words."));
        const QString path = HomePath(QStringLiteral("shared/theirs.mmb"));
        m_host->Scripted().QueueSave(path);
        QVERIFY(materia::SaveMateriaMedica(nullptr, *book));
        const Guid theirs = *book->GetGuid();
        CUserMateriaMedicas::Get().Discard(*book);
        RestartEngine();  // the home folder does not hold it: gone
        QCOMPARE(CorvelaInstance().FindDataSource(&theirs), nullptr);
        m_host->Scripted().QueueOpen(path);
        DataSource* opened = materia::OpenMateriaMedica(nullptr);
        QVERIFY(opened != nullptr);
        QVERIFY(*opened->GetGuid() == theirs);
        QCOMPARE(ArticleText(theirs, RemedyNumber("acon")), std::string("Shared words."));
        QDir(HomePath(QStringLiteral("shared"))).removeRecursively();
        RestartEngine();
    }

    void authorInfoIsEditedForTheUsersOwnOnly() {
        const Guid mine = Id(kUserNotes);
        DataSource* notes = CorvelaInstance().FindDataSource(&mine);
        {
            ScriptedAuthorInfo answer(
                CAuthorInfo{"My notes", "Dr. Ashdown", "Notes of the clinic."});
            QVERIFY(materia::EditAuthorInfo(nullptr, *notes));
            QCOMPARE(answer.shown.m_author, std::string("Demo practitioner"));
            QCOMPARE(answer.captions, QStringList{"Edit autor info"});
        }
        QListWidgetItem* entry = m_view->Autors()->EntryOf(mine);
        QCOMPARE(entry->text(), QStringLiteral("Dr. Ashdown*"));
        QVERIFY(entry->toolTip().endsWith(QStringLiteral("Description: Notes of the clinic.")));
        QVERIFY(CUserMateriaMedicas::Get().IsModified(notes));
        // Thrown away: the file's texts come back.
        CUserMateriaMedicas::Get().Discard(*notes);
        QCOMPARE(std::string(notes->GetText3()), std::string("Demo practitioner"));
        // Cancelled: nothing changes.
        ScriptedAuthorInfo cancel(std::nullopt);
        QVERIFY(!materia::EditAuthorInfo(nullptr, *notes));
    }

    void theUsersArticleIsOneFreeStandingArticle() {
        QListWidgetItem* last = m_view->Autors()->item(m_view->Autors()->count() - 1);
        m_view->Autors()->Select(last);
        QCOMPARE(m_document->MateriaMedica(), materia::UserArticleId());
        DataSource* collection = CUserMateriaMedicas::Get().UserArticleCollection(false);
        QVERIFY(collection != nullptr);
        QCOMPARE(collection->GetType(), 3);
        QVERIFY(!Editor().isReadOnly());
        Type(QStringLiteral("Whatever the remedy."));
        m_document->Navigate(RemedyNumber("bell"), materia::UserArticleId());
        QCOMPARE(Editor().toPlainText(), QStringLiteral("Whatever the remedy."));
        const QString path = HomePath(QStringLiteral("users_article.mmb"));
        m_host->Scripted().QueueSave(path);
        QVERIFY(materia::SaveMateriaMedica(nullptr, *collection));
        m_host->Documents().CloseAll({kMateriaMedicaSlot});
        RestartEngine();
        DataSource* again = CUserMateriaMedicas::Get().UserArticleCollection(false);
        QVERIFY(again != nullptr);
        QCOMPARE(std::string(static_cast<UserArticle*>(again)->GetArticleText()),
                 std::string("Whatever the remedy."));
        QFile::remove(path);
        QFile::remove(HomePath(QStringLiteral("users_article.idx")));
        RestartEngine();
    }
};

MERIDANE_MATERIA_QTEST_MAIN(UserMateriaTest)
#include "user_materia_qtest.moc"
