// The "Add to" menu: its shape for each state of the case, what every entry
// does to the case (rubrics once per analysis, passages always), the
// modified flag and the broadcasts in order, entries that went stale while
// the menu was open, the two case commands and the last target.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "analysis/analysis_operations.h"
#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "views/add_to/add_to_menu.h"
#include "views/add_to/last_target.h"
#include "views/command_ids.h"

using namespace editors_test;
using namespace add_to;
using Result = CAddToOutcome::Result;

namespace {

// The entries of `menu`, submenus indented under their title.
QStringList Shape(const QMenu& menu, const QString& indent = {}) {
    QStringList lines;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines.append(indent + "---");
            continue;
        }
        lines.append(indent + action->text() + (action->isEnabled() ? "" : " (greyed)"));
        if (action->menu() != nullptr) lines += Shape(*action->menu(), indent + "  ");
    }
    return lines;
}

// The entry labelled `text`, in `menu` or its submenus.
QAction* Entry(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) return action;
        if (action->menu() != nullptr)
            if (QAction* inner = Entry(*action->menu(), text)) return inner;
    }
    return nullptr;
}

const std::vector<unsigned> kAddedEvents{EV_CASE_MODIFIED, EV_UPDATE_ANALYSIS};
const std::vector<unsigned> kRefusedEvents{EV_UPDATE_ANALYSIS};

}  // namespace

class AddToMenuTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_host;
    std::unique_ptr<FakeWindowHost> m_windows;
    std::uint32_t m_anger = 0;    // a rubric with remedies
    std::uint32_t m_anxiety = 0;  // another one
    std::uint32_t m_mind = 0;     // a chapter without remedies
    Guid m_materiaMedica{};

    CCase& Case() { return m_host->Case(); }

    // Two analyses: "First" with the symptoms "Anger" and "Restless", and
    // "Second" with its unnamed first symptom.
    std::pair<CAnalysis*, CAnalysis*> TwoAnalyses() {
        CAnalysis* first = Case().AddAnalysis();
        first->SetName("First");
        first->SetTime("May 01, 2024 10:00");
        first->GetFirstSymptom().m_name = "Anger";
        AddSymptom(*first, "Restless & cold");
        first->GetFirstSymptom().m_topics.emplace_back();
        CAnalysis* second = Case().AddAnalysis();
        second->SetName("Second");
        second->SetTime("June 02, 2024 11:30");
        return {first, second};
    }

    // Fills a menu for `what`, chooses the entry `text` and applies it.
    CAddToOutcome Choose(const CAddToItem& what, const QString& text) {
        QMenu menu;
        FillAddToMenu(menu, what);
        QAction* entry = Entry(menu, text);
        if (entry == nullptr) qWarning() << "no entry" << text << Shape(menu);
        return ApplyAddToChoice(entry, what);
    }

    CAddToItem Passage(const char* text) const {
        return CAddToItem::Passage(7, m_materiaMedica, text);
    }

private Q_SLOTS:
    void initTestCase() {
        UseDemoHome();
        m_anger = RubricId("REP_DEMO", {"Mind", "Anger"});
        m_anxiety = RubricId("REP_DEMO", {"Mind", "Anxiety"});
        m_mind = RubricId("REP_DEMO", {"Mind"});
        QVERIFY(m_anger != 0 && m_anxiety != 0 && m_mind != 0);
        ParseGuid("4D8EA1C0-5A22-4514-9C79-03EEA3438E66", &m_materiaMedica);
    }
    void init() {
        m_host = std::make_unique<FakeCaseHost>();
        m_windows = std::make_unique<FakeWindowHost>();
        ForgetTarget();
    }
    void cleanup() {
        m_windows.reset();
        m_host.reset();
    }

    void shapeWithoutACase() {
        m_host->CloseCase();
        QMenu menu;
        FillAddToMenu(menu, CAddToItem::Rubric(m_anger));
        QCOMPARE(Shape(menu), (QStringList{"Add to: No any opened cases (greyed)", "Open New Case",
                                           "Open Existing Case"}));
    }

    void shapeWithoutAnAnalysis() {
        for (const CAddToItem& what : {CAddToItem::Rubric(m_anger), Passage("dry cough")}) {
            QMenu menu;
            FillAddToMenu(menu, what);
            QCOMPARE(Shape(menu), QStringList{"Add to: New Unknown Symptom"});
        }
    }

    void shapeWithTwoAnalyses() {
        TwoAnalyses();
        QMenu rubric;
        FillAddToMenu(rubric, CAddToItem::Rubric(m_anger));
        QCOMPARE(Shape(rubric),
                 (QStringList{"[May 01, 2024 10:00] First", "  Add to: Anger (1 rubrics)",
                              "  Add to: Restless && cold (0 rubrics)", "  ---",
                              "  Add to a new sympthom", "[June 02, 2024 11:30] Second",
                              "  Add to: Unknown Symptom (0 rubrics)", "  ---",
                              "  Add to a new sympthom", "---", "Add to New Analysis"}));
        // A passage's menu differs in the new-symptom entry only.
        QMenu passage;
        FillAddToMenu(passage, Passage("dry cough"));
        QStringList expected = Shape(rubric);
        expected.replaceInStrings("Add to a new sympthom", "Add to a new symptom");
        QCOMPARE(Shape(passage), expected);
    }

    void aRubricEntersAnAnalysisOnce() {
        auto [first, second] = TwoAnalyses();
        EventRecorder events;
        CAddToOutcome added = Choose(CAddToItem::Rubric(m_anger), "Add to: Anger (1 rubrics)");
        QCOMPARE(added.m_result, Result::kAdded);
        QCOMPARE(added.m_analysis, first);
        QCOMPARE(added.m_symptom, &first->GetFirstSymptom());
        QCOMPARE(first->GetFirstSymptom().m_topics.back().GetItemId(), m_anger);
        QCOMPARE(events.m_codes, kAddedEvents);
        QCOMPARE(m_host->m_marks, 1);
        QCOMPARE(DescribeOutcome(added), QString("Added to: Anger"));

        // Again, into another symptom of the same analysis: refused, the views
        // still refresh, the case is not marked.
        events.m_codes.clear();
        CAddToOutcome again =
            Choose(CAddToItem::Rubric(m_anger), "Add to: Restless && cold (0 rubrics)");
        QCOMPARE(again.m_result, Result::kAlreadyInAnalysis);
        QVERIFY(again.m_symptom == nullptr);
        QVERIFY(first->GetSymptom(1)->m_topics.empty());
        QCOMPARE(events.m_codes, kRefusedEvents);
        QCOMPARE(m_host->m_marks, 1);
        QCOMPARE(DescribeOutcome(again), QString("The rubric is already in this analysis"));

        // Another analysis takes it.
        QCOMPARE(
            Choose(CAddToItem::Rubric(m_anger), "Add to: Unknown Symptom (0 rubrics)").m_result,
            Result::kAdded);
        QCOMPARE(second->GetFirstSymptom().m_topics.size(), std::size_t(1));
    }

    void aRubricWithoutRemediesIsRefused() {
        auto [first, second] = TwoAnalyses();
        EventRecorder events;
        const CAddToOutcome outcome =
            Choose(CAddToItem::Rubric(m_mind), "Add to: Unknown Symptom (0 rubrics)");
        QCOMPARE(outcome.m_result, Result::kNoRemedies);
        QVERIFY(second->GetFirstSymptom().m_topics.empty());
        QCOMPARE(events.m_codes, kRefusedEvents);
        static_cast<void>(first);
    }

    void aNewSymptomTakesTheRubric() {
        auto [first, second] = TwoAnalyses();
        static_cast<void>(second);
        EventRecorder events;
        const CAddToOutcome outcome =
            Choose(CAddToItem::Rubric(m_anxiety), "Add to a new sympthom");
        QCOMPARE(outcome.m_result, Result::kAdded);
        QCOMPARE(first->GetSymptomCount(), 3);
        CSympthom* fresh = first->GetSymptom(2);
        QCOMPARE(outcome.m_symptom, fresh);
        QCOMPARE(fresh->m_name, std::string("Unknown Symptom"));
        QCOMPARE(fresh->m_weight, 1);
        QCOMPARE(fresh->m_topics.front().GetItemId(), m_anxiety);
        QCOMPARE(events.m_codes, kAddedEvents);

        // A refused rubric leaves no empty symptom behind.
        events.m_codes.clear();
        QCOMPARE(Choose(CAddToItem::Rubric(m_anxiety), "Add to a new sympthom").m_result,
                 Result::kAlreadyInAnalysis);
        QCOMPARE(first->GetSymptomCount(), 3);
        QCOMPARE(events.m_codes, kRefusedEvents);
    }

    void aNewAnalysisTakesTheRubric() {
        EventRecorder events;
        const CAddToOutcome outcome =
            Choose(CAddToItem::Rubric(m_anger), "Add to: New Unknown Symptom");
        QCOMPARE(outcome.m_result, Result::kAdded);
        const std::vector<CAnalysis*> analyses = Case().GetAnalyses();
        QCOMPARE(analyses.size(), std::size_t(1));
        QCOMPARE(outcome.m_analysis, analyses[0]);
        QCOMPARE(analyses[0]->GetName(), std::string("Analysis"));
        QCOMPARE(analyses[0]->GetFirstSymptom().m_topics.front().GetItemId(), m_anger);
        QCOMPARE(events.m_codes, kAddedEvents);

        QCOMPARE(Choose(CAddToItem::Rubric(m_anxiety), "Add to New Analysis").m_result,
                 Result::kAdded);
        QCOMPARE(Case().GetAnalyses().size(), std::size_t(2));

        // A refused rubric leaves no analysis behind.
        events.m_codes.clear();
        QCOMPARE(Choose(CAddToItem::Rubric(m_mind), "Add to New Analysis").m_result,
                 Result::kNoRemedies);
        QCOMPARE(Case().GetAnalyses().size(), std::size_t(2));
        QCOMPARE(events.m_codes, kRefusedEvents);
    }

    void aPassageGoesWhereItIsSent() {
        auto [first, second] = TwoAnalyses();
        static_cast<void>(second);
        EventRecorder events;
        // Into a named symptom; twice is twice.
        QCOMPARE(Choose(Passage("dry cough"), "Add to: Restless && cold (0 rubrics)").m_result,
                 Result::kAdded);
        QCOMPARE(Choose(Passage("dry cough"), "Add to: Restless && cold (1 rubrics)").m_result,
                 Result::kAdded);
        const CSympthom& restless = *first->GetSymptom(1);
        QCOMPARE(restless.m_topics.size(), std::size_t(2));
        const CSympthom::CTopic& topic = restless.m_topics.front();
        QCOMPARE(topic.m_dataType, CSympthom::kArticleTopic);
        QCOMPARE(topic.GetItemId(), 7u);
        QCOMPARE(topic.m_sourceId, m_materiaMedica);
        QCOMPARE(topic.m_text, std::string("dry cough"));
        QCOMPARE(events.m_codes, (std::vector<unsigned>{EV_CASE_MODIFIED, EV_UPDATE_ANALYSIS,
                                                        EV_CASE_MODIFIED, EV_UPDATE_ANALYSIS}));

        // Into a new symptom of that analysis (not its first symptom).
        QCOMPARE(Choose(Passage("thirst"), "Add to a new symptom").m_result, Result::kAdded);
        QCOMPARE(first->GetSymptomCount(), 3);
        QCOMPARE(first->GetSymptom(2)->m_topics.front().m_text, std::string("thirst"));
        QCOMPARE(first->GetFirstSymptom().m_topics.size(), std::size_t(1));

        // Into a new analysis.
        QCOMPARE(Choose(Passage("chilly"), "Add to New Analysis").m_result, Result::kAdded);
        QCOMPARE(Case().GetAnalyses().back()->GetFirstSymptom().m_topics.front().m_text,
                 std::string("chilly"));
        QCOMPARE(m_host->m_marks, 4);
        QVERIFY(!LastTarget());  // only rubrics make a last target
    }

    void entriesOfRecordsGoneMeanwhileDoNothing() {
        auto [first, second] = TwoAnalyses();
        static_cast<void>(second);
        QMenu menu;
        FillAddToMenu(menu, CAddToItem::Rubric(m_anger));
        QAction* restless = Entry(menu, "Add to: Restless && cold (0 rubrics)");
        QAction* newSymptom = Entry(menu, "Add to a new sympthom");
        // The symptom is deleted and another one made, perhaps at its address.
        QVERIFY(first->GetSymptom(1)->Unlink());
        AddSymptom(*first, "Restless & cold");
        EventRecorder events;
        QCOMPARE(ApplyAddToChoice(restless, CAddToItem::Rubric(m_anger)).m_result,
                 Result::kNothing);
        // The analysis goes too.
        QVERIFY(first->Unlink());
        QCOMPARE(ApplyAddToChoice(newSymptom, CAddToItem::Rubric(m_anger)).m_result,
                 Result::kNothing);
        // Cancelled, or a separator.
        QCOMPARE(ApplyAddToChoice(nullptr, CAddToItem::Rubric(m_anger)).m_result, Result::kNothing);
        QAction* separator = Entry(menu, QString());
        QCOMPARE(ApplyAddToChoice(separator, CAddToItem::Rubric(m_anger)).m_result,
                 Result::kNothing);
        QVERIFY(events.m_codes.empty());
        QCOMPARE(m_host->m_marks, 0);
    }

    void withoutACaseTheEntriesOpenOne() {
        int news = 0;
        int opens = 0;
        m_windows->Commands().SetHandler(ID_FILE_NEW, [&news] { ++news; });
        m_windows->Commands().SetHandler(ID_FILE_OPEN, [&opens] { ++opens; });
        m_host->CloseCase();
        EventRecorder events;
        const CAddToOutcome created = Choose(CAddToItem::Rubric(m_anger), "Open New Case");
        QCOMPARE(created.m_result, Result::kCommand);
        QCOMPARE(created.m_command, ID_FILE_NEW);
        QCOMPARE(Choose(CAddToItem::Rubric(m_anger), "Open Existing Case").m_command, ID_FILE_OPEN);
        QCOMPARE(news, 1);
        QCOMPARE(opens, 1);
        QVERIFY(events.m_codes.empty());
    }

    void theLastTargetIsCheckedAtEveryUse() {
        auto [first, second] = TwoAnalyses();
        static_cast<void>(second);
        QVERIFY(!LastTarget());
        QCOMPARE(AddToLastTarget(CAddToItem::Rubric(m_anger)).m_result, Result::kNoTarget);

        Choose(CAddToItem::Rubric(m_anger), "Add to: Restless && cold (0 rubrics)");
        CSympthom* restless = first->GetSymptom(1);
        QCOMPARE(LastTarget(), restless);
        EventRecorder events;
        const CAddToOutcome next = AddToLastTarget(CAddToItem::Rubric(m_anxiety));
        QCOMPARE(next.m_result, Result::kAdded);
        QCOMPARE(next.m_symptom, restless);
        QCOMPARE(restless->m_topics.size(), std::size_t(2));
        QCOMPARE(events.m_codes, kAddedEvents);
        QCOMPARE(AddToLastTarget(CAddToItem::Rubric(m_anxiety)).m_result,
                 Result::kAlreadyInAnalysis);

        // The symptom is deleted: no target, even for a symptom made at its address.
        QVERIFY(restless->Unlink());
        AddSymptom(*first, "Restless & cold");
        QVERIFY(!LastTarget());

        // The case is replaced.
        Choose(CAddToItem::Rubric(m_anxiety), "Add to: Unknown Symptom (0 rubrics)");
        QVERIFY(LastTarget() != nullptr);
        m_host->ReplaceCase();
        QVERIFY(!LastTarget());
        m_host->CloseCase();
        QVERIFY(!LastTarget());
        QCOMPARE(AddToLastTarget(CAddToItem::Rubric(m_anger)).m_result, Result::kNoTarget);
    }

    void offeringShowsWhatHappenedInTheStatusBar() {
        TwoAnalyses();
        QStringList offered;
        const CAddToOutcome outcome = OfferAddToMenu(
            QPoint(10, 10), CAddToItem::Rubric(m_anger), [&offered](QMenu& menu, const QPoint&) {
                offered = Shape(menu);
                return Entry(menu, "Add to: Anger (1 rubrics)");
            });
        QCOMPARE(outcome.m_result, Result::kAdded);
        QCOMPARE(offered.size(), 11);
        QCOMPARE(m_windows->m_messages, QStringList{"Added to: Anger"});
        OfferAddToMenu(QPoint(), CAddToItem::Rubric(m_anger),
                       [](QMenu&, const QPoint&) { return nullptr; });
        QCOMPARE(m_windows->m_messages.size(), 1);  // cancelled: nothing to say
    }
};

QTEST_MAIN(AddToMenuTest)
#include "add_to_menu_qtest.moc"
