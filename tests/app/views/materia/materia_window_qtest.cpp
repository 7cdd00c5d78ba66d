// The materia medica window on the demo data: opening it, the article view,
// the remedy selector, the author list, the remedy index, searching in all
// three scopes with the highlights, and the "Add to" menu of a passage.
#include <corvela.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

#include "analysis/analysis_operations.h"
#include "materia_test_support.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/records/analysis.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/drawn/drawn_view.h"
#include "plumbing/text/code_page.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/materia/materia_medica_autors.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_index_view.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_medica_panel_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/materia/materia_window.h"
#include "views/materia/remedy_index_renderer.h"
#include "views/materia/remedy_information.h"
#include "views/repertory/repertory_doc.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_window.h"

using namespace materia_test;
using materia::CTextSpan;

namespace {

// A menu runner that chooses the entry labelled `label`, in submenus too.
add_to::MenuRunner Choose(const QString& label, QStringList* seen = nullptr) {
    return [label, seen](QMenu& menu, const QPoint&) -> QAction* {
        std::function<QAction*(QMenu&)> find = [&](QMenu& in) -> QAction* {
            QAction* found = nullptr;
            for (QAction* action : in.actions()) {
                if (seen != nullptr && !action->isSeparator()) seen->append(action->text());
                if (action->menu() != nullptr) {
                    if (QAction* inner = find(*action->menu()); inner && !found) found = inner;
                } else if (action->text() == label && !found) {
                    found = action;
                }
            }
            return found;
        };
        return find(menu);
    };
}

// The positions of `word` in `text`, ignoring case (an independent count).
std::vector<CTextSpan> Occurrences(const QString& text, const QString& word) {
    std::vector<CTextSpan> found;
    const QRegularExpression pattern(QRegularExpression::escape(word),
                                     QRegularExpression::CaseInsensitiveOption);
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        found.push_back(
            {static_cast<int>(match.capturedStart()), static_cast<int>(match.capturedLength())});
    }
    return found;
}

QStringList Entries(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions())
        if (!action->isSeparator()) texts << action->text();
    return texts;
}

}  // namespace

class MateriaWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHost> m_host;
    CMateriaMedicaDoc* m_document = nullptr;
    CMateriaMedicaPadView* m_view = nullptr;

    void OpenOn(const char* remedy, const char* book) {
        m_document = m_host->Open(RemedyNumber(remedy), book);
        QVERIFY(m_document != nullptr);
        m_view = m_host->View(m_document);
        QVERIFY(m_view != nullptr);
        Settle();
    }
    QTextEdit& Editor() { return *m_view->Article()->Editor(); }
    QString Shown() { return Editor().toPlainText(); }

private Q_SLOTS:
    void init() {
        m_host = std::make_unique<TestHost>();
        m_host->Area().show();
    }
    void cleanup() {
        m_document = nullptr;
        m_view = nullptr;
        m_host.reset();
        Settle();
    }

    void theCommandOpensTheConfiguredBookOnTheFirstRemedy() {
        int broadcasts = 0;
        CEventReceiver receiver(
            [&broadcasts](unsigned code) { broadcasts += code == EV_UPDATE_MATERIA_MEDICA; });
        m_host->Commands().Action(ID_OPEN_MATERIA_MEDICA)->trigger();
        const QList<CDocument*> open = m_host->Documents().Documents(kMateriaMedicaSlot);
        QCOMPARE(open.size(), 1);
        auto* document = qobject_cast<CMateriaMedicaDoc*>(open.front());
        QCOMPARE(document->Remedy(), kFirstShownRemedy);
        QCOMPARE(document->Title(), QStringLiteral("[arg-n] MM_DEMO"));
        QVERIFY(broadcasts >= 1);
        m_view = m_host->View(document);
        QVERIFY(m_view->Article()->Editor()->toPlainText().startsWith(
            QStringLiteral("\nHurried, impulsive")));
        // Again: the open window comes forward as it is.
        document->Navigate(RemedyNumber("acon"), Id(kDemoBook));
        m_host->Commands().Action(ID_OPEN_MATERIA_MEDICA)->trigger();
        QCOMPARE(m_host->Documents().Documents(kMateriaMedicaSlot).size(), 1);
        QCOMPARE(document->Remedy(), RemedyNumber("acon"));
        // Other windows land on a remedy with their words highlighted.
        QCOMPARE(OpenRemedy(RemedyNumber("ars"), Id(kNotesBook), "#midnight"), document);
        QCOMPARE(document->Title(), QStringLiteral("[ars] MM_NOTES"));
        QCOMPARE(document->HighlightWords(), std::vector<std::string>{"midnight"});
    }

    void plainRichAndMissingArticles() {
        OpenOn("acon", kDemoBook);
        QVERIFY(Shown().startsWith(QStringLiteral("\nSudden, violent onset")));
        QVERIFY(Editor().isReadOnly());
        QVERIFY(!m_view->Article()->ShowsNoArticle());

        m_document->Navigate(RemedyNumber("bell"), Id(kDemoBook));
        QVERIFY(Shown().startsWith(QStringLiteral("Heat, redness, throbbing and burning.")));
        QTextCursor start(Editor().document());
        start.setPosition(1);
        QCOMPARE(start.charFormat().fontWeight(), int(QFont::Bold));

        m_document->Navigate(RemedyNumber("apis"), Id(kNotesBook));
        QVERIFY(m_view->Article()->ShowsNoArticle());
        QCOMPARE(Shown(), QStringLiteral("No articles"));
        QVERIFY(Editor().isReadOnly());

        // The information box follows the remedy.
        m_document->Navigate(RemedyNumber("ars"), Id(kDemoBook));
        QVERIFY(
            m_view->Article()->InfoBox()->Text().endsWith(QStringLiteral("hot or chilly: C+++")));
    }

    // A book's text is selected with the keyboard too, and stays unchanged
    // by the keys.
    void aBooksTextIsSelectedWithTheKeyboard() {
        OpenOn("acon", kDemoBook);
        QVERIFY(Editor().isReadOnly());
        Editor().setFocus();
        QTest::keyClick(&Editor(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(&Editor(), Qt::Key_Down);
        QTest::keyClick(&Editor(), Qt::Key_End, Qt::ShiftModifier);
        QVERIFY2(Editor().textCursor().selectedText().startsWith(
                     QStringLiteral("Sudden, violent onset")),
                 qPrintable(Editor().textCursor().selectedText()));
        const QString before = Shown();
        QTest::keyClicks(&Editor(), QStringLiteral("x"));
        QTest::keyClick(&Editor(), Qt::Key_Delete);
        QCOMPARE(Shown(), before);
    }

    void theSelectorFindsARemedyByEitherName() {
        OpenOn("acon", kDemoBook);
        QComboBox& selector = *m_view->Panel()->RemedySelector();
        QCOMPARE(selector.count(), 2 * CorvelaInstance().GetRemedyCount());
        const int longFirst = selector.findText(QStringLiteral("aconitum napellus, (acon)"));
        const int shortFirst = selector.findText(QStringLiteral("acon, (aconitum napellus)"));
        QVERIFY(longFirst >= 0 && shortFirst >= 0);
        QCOMPARE(selector.itemData(longFirst, Qt::UserRole + 1).toInt(), RemedyNumber("acon"));
        QCOMPARE(selector.itemData(shortFirst, Qt::UserRole + 1).toInt(), RemedyNumber("acon"));
        QCOMPARE(selector.currentIndex(), longFirst);  // follows the document

        const int sulphur = selector.findText(QStringLiteral("sulph, (sulphur)"));
        m_view->Panel()->ChooseRemedyEntry(sulphur);
        QCOMPARE(m_document->Remedy(), RemedyNumber("sulph"));
        QCOMPARE(m_document->Title(), QStringLiteral("[sulph] MM_DEMO"));
        QCOMPARE(selector.currentText(), QStringLiteral("sulphur, (sulph)"));
    }

    void theAuthorListAndItsTooltips() {
        OpenOn("acon", kDemoBook);
        QListWidget& authors = *m_view->Autors();
        QCOMPARE(authors.count(), 4);
        QCOMPARE(authors.item(0)->text(), QStringLiteral("Helen Ashdown"));
        QCOMPARE(authors.item(0)->toolTip(),
                 QStringLiteral("Autor: Helen Ashdown\nName: MM_DEMO\nDescription: Short portraits "
                                "of common remedies, written for demonstrations and tests."));
        QCOMPARE(authors.item(1)->text(), QStringLiteral("Tomas Brill"));
        QCOMPARE(authors.item(2)->text(), QStringLiteral("Demo practitioner"));
        QCOMPARE(authors.item(3)->text(), QStringLiteral("User's article for selected remedy"));
        QVERIFY(authors.item(3)->toolTip().startsWith(QStringLiteral(
            "User's article for selected remedy\nThis article can be created by user.")));
        QCOMPARE(authors.currentRow(), 0);

        // Another author, the same remedy.
        m_view->Autors()->Select(authors.item(1));
        QCOMPARE(m_document->MateriaMedica(), Id(kNotesBook));
        QCOMPARE(m_document->Remedy(), RemedyNumber("acon"));
        QVERIFY(Shown().contains(QStringLiteral("when fear fills the room")));
        QCOMPARE(authors.currentRow(), 1);

        QMenu plain;
        m_view->Autors()->FillContextMenu(plain, authors.item(0));
        QCOMPARE(Entries(plain).mid(0, 2), (QStringList{"Select autor", "Edit autor info"}));
        QVERIFY(!plain.actions().at(1)->isEnabled());
        QMenu mine;
        m_view->Autors()->FillContextMenu(mine, authors.item(2));
        QVERIFY(mine.actions().at(1)->isEnabled());
        mine.actions().at(0)->trigger();  // "Select autor"
        QCOMPARE(m_document->MateriaMedica(), Id(kUserNotes));
    }

    void theIndexMarksTheBooksRemediesAndNavigates() {
        OpenOn("acon", kNotesBook);
        CMateriaMedicaIndexView& index = *m_view->Index();
        CRemedyIndexRenderer& renderer = index.Renderer();
        index.View()->EnsureLayout();
        QCOMPARE(renderer.SectionCount(), 27);
        QVERIFY(renderer.IsMarked(RemedyNumber("acon")));
        QVERIFY(!renderer.IsMarked(RemedyNumber("apis")));  // MM_NOTES has no Apis
        QCOMPARE(index.View()->SelectedItem(), renderer.ItemOfRemedy(RemedyNumber("acon")));
        // Sections by the long name: Aconitum under A, Nux vomica under N.
        QCOMPARE(renderer.SectionOf(RemedyNumber("acon")), 0);
        QCOMPARE(renderer.SectionOf(RemedyNumber("nux-v")), 'N' - 'A');

        m_view->Autors()->Select(m_view->Autors()->item(0));  // MM_DEMO
        QVERIFY(renderer.IsMarked(RemedyNumber("apis")));

        index.Click(renderer.ItemOfRemedy(RemedyNumber("apis")));
        QCOMPARE(m_document->Remedy(), RemedyNumber("apis"));
        QCOMPARE(index.View()->SelectedItem(), renderer.ItemOfRemedy(RemedyNumber("apis")));

        // A heading folds its section away and back.
        const int section = renderer.SectionOf(RemedyNumber("bell"));
        index.Click(renderer.ItemOfSection(section));
        QVERIFY(renderer.IsCollapsed(section));
        index.View()->EnsureLayout();
        QCOMPARE(renderer.ItemOfRemedy(RemedyNumber("bell")), kNoDrawnItem);
        index.Click(renderer.ItemOfSection(section));
        index.View()->EnsureLayout();
        QVERIFY(renderer.ItemOfRemedy(RemedyNumber("bell")) != kNoDrawnItem);

        // Sections in columns: a wide index lays its names side by side.
        index.View()->resize(700, 400);
        index.View()->EnsureLayout();
        QVERIFY(renderer.Columns() >= 3);
        const QRect a =
            renderer.ItemBox(renderer.ItemOfRemedy(renderer.SectionRemedies(0).front()));
        const QRect b = renderer.ItemBox(renderer.ItemOfRemedy(renderer.SectionRemedies(0).back()));
        QVERIFY(b.left() > a.left());
    }

    // The browser of `name` runs the search for the remedy's rubrics.
    static void CheckRemedySearch(CDocument& document, const char* name) {
        auto* repertory = qobject_cast<CRepertoryDoc*>(&document);
        QVERIFY(repertory != nullptr);
        QCOMPARE(repertory->Name(), std::string(name));
        QVERIFY(!document.Frames().isEmpty());
        auto* pad = dynamic_cast<CRepertoryPadView*>(document.Frames().front()->widget());
        QVERIFY(pad != nullptr);
        QCOMPARE(pad->SearchView().Edit().Text(), QStringLiteral("@bell"));
        QVERIFY(pad->SearchView().Search().IsRunning());
        QVERIFY(pad->SearchView().Status().startsWith(QStringLiteral("@bell (1")));
    }

    void theIndexMenuOpensTheArticleAndTheRepertories() {
        RegisterRepertoryWindow(*m_host);
        OpenOn("acon", kDemoBook);
        CMateriaMedicaIndexView& index = *m_view->Index();
        index.View()->EnsureLayout();
        QMenu menu;
        index.FillContextMenu(menu, index.Renderer().ItemOfRemedy(RemedyNumber("bell")));
        QCOMPARE(Entries(menu),
                 (QStringList{"Expand/Collapse section", "Open article in MateriaMedica",
                              "Open list of symptoms by repertory of Halden",
                              "Open list of symptoms by repertory of Vantier"}));
        menu.actions().at(1)->trigger();
        QCOMPARE(m_document->Remedy(), RemedyNumber("bell"));
        menu.actions().at(2)->trigger();  // RepertoryHalden: REP_DEMO
        QCOMPARE(m_host->Documents().Documents(kRepertorySlot).size(), 1);
        CheckRemedySearch(*m_host->Documents().Documents(kRepertorySlot).front(), "REP_DEMO");
        menu.actions().at(3)->trigger();  // RepertoryOrre: REP_DEMO_RU
        QCOMPARE(m_host->Documents().Documents(kRepertorySlot).size(), 2);
        CheckRemedySearch(*m_host->Documents().Documents(kRepertorySlot).back(), "REP_DEMO_RU");
    }

    void searchingInTheChosenWorkStepsThroughItsArticles() {
        OpenOn("acon", kDemoBook);
        CMateriaMedicaPanelView& panel = *m_view->Panel();
        panel.SearchText()->setText(QStringLiteral("fear"));
        panel.ScopeSelector()->setCurrentIndex(1);
        panel.StartSearch();
        const int total = m_document->RequestCount();
        QVERIFY(total >= 4);
        // The current remedy is a hit: the stepping starts there.
        QCOMPARE(m_document->Remedy(), RemedyNumber("acon"));
        QCOMPARE(panel.Status()->text(), QStringLiteral("fear (1 of %1)").arg(total));
        QVERIFY(!m_view->Article()->Highlights().empty());
        QList<int> seen{m_document->Remedy()};
        for (int step = 2; step <= total; ++step) {
            panel.StartSearch();
            QVERIFY(Shown().contains(QStringLiteral("fear"), Qt::CaseInsensitive));
            seen << m_document->Remedy();
        }
        std::sort(seen.begin(), seen.end());
        QCOMPARE(std::unique(seen.begin(), seen.end()) - seen.begin(), total);
        // One more press after the last: the search resets and shows the text.
        panel.StartSearch();
        QVERIFY(!m_document->IsSearching());
        QCOMPARE(panel.Status()->text(), QStringLiteral("fear"));
        QVERIFY(m_view->Article()->Highlights().empty());
        // The next press searches anew, from the remedy on display.
        const int shown = m_document->Remedy();
        panel.StartSearch();
        QVERIFY(m_document->IsSearching());
        QCOMPARE(m_document->Remedy(), shown);
        QVERIFY(panel.Status()->text().endsWith(QStringLiteral(" of %1)").arg(total)));
    }

    void aShortQueryBeepsAndNothingFoundSaysSo() {
        OpenOn("acon", kDemoBook);
        QCOMPARE(m_document->Step("fe", 1), CMateriaMedicaDoc::StepResult::kTooShort);
        QVERIFY(!m_document->IsSearching());
        QCOMPARE(m_document->Step("zzzz", 1), CMateriaMedicaDoc::StepResult::kNothingFound);
        QCOMPARE(m_document->SearchStatus(), QStringLiteral("zzzz (0 of 0)"));
        QCOMPARE(m_document->Step("zzzz", 1), CMateriaMedicaDoc::StepResult::kNothingFound);
    }

    void searchingInTheArticleStepsThroughItsOccurrences() {
        OpenOn("ars", kDemoBook);
        const QString text = Shown();
        const std::vector<CTextSpan> expected = Occurrences(text, QStringLiteral("bett"));
        QVERIFY(expected.size() >= 2);
        QCOMPARE(m_document->Step("bett", 0), CMateriaMedicaDoc::StepResult::kShown);
        QCOMPARE(m_document->RequestCount(), static_cast<int>(expected.size()));
        QCOMPARE(m_view->Article()->Highlights(), expected);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (i > 0) QCOMPARE(m_document->Step("bett", 0), CMateriaMedicaDoc::StepResult::kShown);
            QCOMPARE(m_view->Article()->SelectedSpan(), expected[i]);
            QCOMPARE(m_document->Remedy(), RemedyNumber("ars"));
        }
        QCOMPARE(m_document->Step("bett", 0), CMateriaMedicaDoc::StepResult::kEnded);
    }

    void searchingInTheChosenRemedyStepsThroughItsAuthors() {
        OpenOn("acon", kNotesBook);
        QCOMPARE(m_document->Step("fear", 2), CMateriaMedicaDoc::StepResult::kShown);
        // Both demo books speak of Aconite's fear; the current book first.
        QCOMPARE(m_document->RequestCount(), 2);
        QCOMPARE(m_document->MateriaMedica(), Id(kNotesBook));
        QCOMPARE(m_document->SearchStatus(), QStringLiteral("fear (2 of 2)"));
        m_document->Step("fear", 2);
        QCOMPARE(m_document->MateriaMedica(), Id(kDemoBook));
        QCOMPARE(m_document->Remedy(), RemedyNumber("acon"));
        QCOMPARE(m_document->SearchStatus(), QStringLiteral("fear (1 of 2)"));
        QCOMPARE(m_document->Step("fear", 2), CMateriaMedicaDoc::StepResult::kEnded);
    }

    void everyWordIsHighlightedTheFirstSelected() {
        OpenOn("acon", kDemoBook);
        m_document->Navigate(-1, Id(kDemoBook), "#fear#night");
        const QString text = Shown();
        std::vector<CTextSpan> expected = Occurrences(text, QStringLiteral("fear"));
        for (const CTextSpan& span : Occurrences(text, QStringLiteral("night")))
            expected.push_back(span);
        std::sort(expected.begin(), expected.end(),
                  [](const CTextSpan& a, const CTextSpan& b) { return a.start < b.start; });
        QCOMPARE(m_view->Article()->Highlights(), expected);
        QCOMPARE(m_view->Article()->SelectedSpan(), expected.front());
        QCOMPARE(Editor().extraSelections().size(), static_cast<qsizetype>(expected.size()));
    }

    void aPassageGoesIntoTheCaseThroughEveryEntry() {
        OpenOn("acon", kDemoBook);
        QTextCursor cursor(Editor().document());
        const int at = static_cast<int>(Shown().indexOf(QStringLiteral("Great fear")));
        cursor.setPosition(at);
        cursor.setPosition(at + 10, QTextCursor::KeepAnchor);
        Editor().setTextCursor(cursor);
        CMateriaMedicaView& article = *m_view->Article();

        // No analysis yet: the one entry makes one.
        QStringList seen;
        add_to::CAddToOutcome outcome = article.OfferSelection(
            {}, Choose(QStringLiteral("Add to: New Unknown Symptom"), &seen));
        QCOMPARE(seen, QStringList{"Add to: New Unknown Symptom"});
        QVERIFY(outcome.Added());
        CCase& theCase = m_host->Case();
        QCOMPARE(theCase.GetAnalyses().size(), std::size_t{1});
        CAnalysis& analysis = *theCase.GetAnalyses().front();
        const CSympthom::CTopic& topic = analysis.GetFirstSymptom().m_topics.back();
        QCOMPARE(topic.m_dataType, CSympthom::kArticleTopic);
        QCOMPARE(topic.m_text, std::string("Great fear"));
        QVERIFY(topic.m_sourceId == Id(kDemoBook));
        auto* book =
            static_cast<MateriaMedica*>(CorvelaInstance().FindDataSource(&topic.m_sourceId));
        QCOMPARE(topic.GetItemId(), book->FindArticle(RemedyNumber("acon"))->GetId());
        QVERIFY(m_host->m_modified);

        // A symptom's own entry.
        const std::string entry = "Add to: " + analysis.GetFirstSymptom().m_name + " (1 rubrics)";
        outcome = article.OfferSelection({}, Choose(QString::fromStdString(entry)));
        QVERIFY(outcome.Added());
        QCOMPARE(outcome.m_symptom, &analysis.GetFirstSymptom());
        QCOMPARE(analysis.GetFirstSymptom().m_topics.size(), std::size_t{2});
        // A new symptom of that analysis, and a new analysis.
        outcome = article.OfferSelection({}, Choose(QStringLiteral("Add to a new symptom")));
        QVERIFY(outcome.Added());
        QCOMPARE(analysis.GetSymptomCount(), 2);
        outcome = article.OfferSelection({}, Choose(QStringLiteral("Add to New Analysis")));
        QVERIFY(outcome.Added());
        QCOMPARE(theCase.GetAnalyses().size(), std::size_t{2});

        // Without a selection there is no passage to offer.
        Editor().setTextCursor(QTextCursor(Editor().document()));
        QCOMPARE(article.OfferSelection({}, Choose(QStringLiteral("Add to New Analysis"))).m_result,
                 add_to::CAddToOutcome::Result::kNothing);
    }
};

MERIDANE_MATERIA_QTEST_MAIN(MateriaWindowTest)
#include "materia_window_qtest.moc"
