// The symptom list: what it shows for symptoms, rubrics and passages, every
// click of its boxes, the in-place name editor, and its keys.
#include <QApplication>
#include <QFocusEvent>
#include <QTest>

#include "analysis/analysis_operations.h"
#include "corvela.h"
#include "model/lang/language.h"
#include "analysis_test_support.h"
#include "model/events/event_codes.h"
#include "views/analysis/analysis_edits.h"
#include "views/analysis/symptom_items.h"
#include "views/analysis/symptom_list_renderer.h"
#include "views/analysis/sympthom_edit_view.h"
#include "views/analysis/sympthom_view.h"
#include "views/analysis/topic_links.h"

using namespace analysis_test;
using Kind = CSymptomListRenderer::BoxKind;

namespace {

// The texts of the list's lines, in order.
QStringList LineTexts(CSymptomListRenderer& renderer) {
    QStringList texts;
    for (DrawnItemId line : renderer.Lines()) texts << renderer.ItemText(line);
    return texts;
}

// The n-th box of `kind` of the list's last layout.
DrawnItemId FindKind(CSymptomListRenderer& renderer, Kind kind, int n = 0) {
    for (DrawnItemId id = 0; renderer.BoxOf(id) != nullptr; ++id)
        if (renderer.BoxOf(id)->kind == kind && n-- == 0) return id;
    return kNoDrawnItem;
}

class ListFixture {
public:
    ListFixture() {
        CAnalysis& analysis = host.Analysis();
        first = &Symptom(analysis, "Irritable", 2,
                         {Rubric("Mind; Anger", {{1, 3}, {2, 1}}),
                          Rubric("Mind; Anxiety; night", {{1, 4}, {3, 2}}, /*hide=*/1)});
        middle = &Symptom(analysis, "Chilly", 1, {});
        last = &Symptom(analysis, "Thirsty", 4, {Rubric("Stomach; Thirst", {{2, 2}})});
        view.SetAnalysis(&analysis);
        view.resize(500, 400);
        view.show();
        exposed = QTest::qWaitForWindowExposed(&view);
        view.EnsureLayout();
    }
    // Clicks the centre of box `id`.
    void Click(DrawnItemId id) {
        QVERIFY(id != kNoDrawnItem);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.ToViewport(view.ListRenderer().ItemBox(id)).center());
        view.EnsureLayout();
    }
    CSymptomListRenderer& Renderer() { return view.ListRenderer(); }

    TestHost host;
    bool exposed = false;
    CSympthom* first;
    CSympthom* middle;
    CSympthom* last;
    CSympthomView view;
};

}  // namespace

class SymptomListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseDemoHome(); }

    void theListShowsSymptomsRubricsAndThePlaceholder() {
        ListFixture list;
        QCOMPARE(LineTexts(list.Renderer()),
                 (QStringList{"Irritable (2 rubrics)", "Mind; Anger (2 remedies)",
                              "Mind; Anxiety; night (2 remedies)", "Chilly (0 rubrics)",
                              "Thirsty (1 rubrics)", "Stomach; Thirst (1 remedies)"}));
        QCOMPARE(list.Renderer().ItemText(FindKind(list.Renderer(), Kind::Placeholder)),
                 QStringLiteral("No added rubrics"));
        // The first symptom has no delete mark; the others have one.
        QCOMPARE(list.Renderer().BoxOf(FindKind(list.Renderer(), Kind::SymptomDelete))->item,
                 3);  // the second header: first symptom, its two rubrics, then "Chilly"
        // Counted rubrics in green, excluded ones in grey.
        const QImage image = Render(list.Renderer(), QSize(500, 300));
        const QRect counted = list.Renderer().ItemBox(list.Renderer().Lines()[1]);
        const QRect excluded = list.Renderer().ItemBox(list.Renderer().Lines()[2]);
        QVERIFY(CountColour(image, counted, CSymptomListRenderer::Counted()) > 10);
        QCOMPARE(CountColour(image, excluded, CSymptomListRenderer::Counted()), 0);
        QVERIFY(CountColour(image, excluded, CSymptomListRenderer::Excluded()) > 10);
        // Hints as the boxes need them.
        QCOMPARE(list.Renderer().ItemHint(FindKind(list.Renderer(), Kind::Weight)).text,
                 std::string("Weight of the symptom\nClick to change"));
        QCOMPARE(list.Renderer().ItemHint(FindKind(list.Renderer(), Kind::TopicInclude)).text,
                 std::string("Inclide/Exclude the topic from calculation"));
        QVERIFY(!list.Renderer().IsClickable(FindKind(list.Renderer(), Kind::Placeholder)));
    }

    void everyClickOfTheList_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("marks");  // times the case is marked modified
        QTest::newRow("weight") << int(Kind::Weight) << 0 << 1;
        QTest::newRow("delete symptom") << int(Kind::SymptomDelete) << 0 << 1;
        QTest::newRow("rubric delete") << int(Kind::TopicDelete) << 0 << 1;
        QTest::newRow("include") << int(Kind::TopicInclude) << 1 << 1;
        QTest::newRow("expand") << int(Kind::TopicExpand) << 0 << 1;
        QTest::newRow("rubric text") << int(Kind::TopicText) << 0 << 0;
        QTest::newRow("name") << int(Kind::SymptomName) << 2 << 0;
        QTest::newRow("placeholder") << int(Kind::Placeholder) << 0 << 0;
    }
    void everyClickOfTheList() {
        QFETCH(int, kind);
        QFETCH(int, which);
        QFETCH(int, marks);
        ListFixture list;
        EventRecorder events;
        list.Click(FindKind(list.Renderer(), Kind(kind), which));
        QCOMPARE(list.host.m_marks, marks);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), marks);
        // Every handled click announces the analysis; the placeholder handles none.
        QCOMPARE(events.Count(EV_UPDATE_ANALYSIS), Kind(kind) == Kind::Placeholder ? 0 : 1);
        switch (Kind(kind)) {
            case Kind::Weight:
                QCOMPARE(list.first->m_weight, 3);
                break;
            case Kind::SymptomDelete:  // "Chilly", the middle one
                QCOMPARE(list.host.Analysis().GetSymptomCount(), 2);
                QCOMPARE(list.first->GetNext(), list.last);
                QCOMPARE(list.last->GetPrevious(), list.first);
                break;
            case Kind::TopicDelete:
                QCOMPARE(int(list.first->m_topics.size()), 1);
                QCOMPARE(list.first->m_topics[0].m_pathText, std::string("Mind; Anxiety; night"));
                break;
            case Kind::TopicInclude:  // the excluded rubric comes back
                QCOMPARE(list.first->m_topics[1].m_hide, 0);
                list.Click(FindKind(list.Renderer(), Kind::TopicInclude, 1));
                QCOMPARE(list.first->m_topics[1].m_hide, 1);
                break;
            case Kind::TopicExpand: {
                QCOMPARE(list.first->m_topics[0].m_expander, 1);
                // Its remedies follow, clickable; the remedy is unknown to the
                // catalogue, so clicking it does nothing.
                const DrawnItemId remedy = FindKind(list.Renderer(), Kind::Remedy);
                QCOMPARE(list.Renderer().ItemText(remedy), QStringLiteral("R1."));
                list.Click(remedy);
                QCOMPARE(list.host.m_marks, 1);
                break;
            }
            case Kind::TopicText:  // a hand-made rubric of no loaded repertory: nothing opens
                QCOMPARE(int(list.first->m_topics.size()), 2);
                break;
            case Kind::SymptomName:
                QVERIFY(list.view.Editor().IsEditing());
                QCOMPARE(list.view.Editor().Symptom(), list.last);
                QCOMPARE(list.view.Editor().text(), QStringLiteral("Thirsty"));
                QCOMPARE(list.view.Editor().selectedText(), QStringLiteral("Thirsty"));
                QCOMPARE(list.view.Editor().height(), CSympthomEditView::kHeight);
                break;
            default:
                break;
        }
        // The list follows at once.
        QVERIFY(!list.Renderer().Lines().empty());
    }

    void theFirstSymptomCannotBeDeleted() {
        ListFixture list;
        int deleteMarks = 0;
        for (DrawnItemId id = 0; list.Renderer().BoxOf(id) != nullptr; ++id)
            deleteMarks += list.Renderer().BoxOf(id)->kind == Kind::SymptomDelete;
        QCOMPARE(deleteMarks, 2);
        QVERIFY(!analysis_window::DeleteSymptom(*list.first));
        QCOMPARE(list.host.Analysis().GetSymptomCount(), 3);
    }

    void theNameEditorAcceptsAndCancels() {
        ListFixture list;
        CSympthomEditView& editor = list.view.Editor();
        auto open = [&list] {
            list.Click(list.Renderer().LineItem(list.first, -1));
            QVERIFY(list.view.Editor().IsEditing());
        };
        // Enter accepts the name as typed.
        open();
        QTest::keyClicks(&editor, "Angry");
        QTest::keyClick(&editor, Qt::Key_Return);
        QCOMPARE(list.first->m_name, std::string("Angry"));
        QVERIFY(!editor.IsEditing());
        QVERIFY(!editor.isVisible());
        QCOMPARE(list.host.m_marks, 1);
        QCOMPARE(list.Renderer().ItemText(list.Renderer().Lines()[0]), QStringLiteral("Angry (2 rubrics)"));
        // Esc keeps the name.
        open();
        QTest::keyClicks(&editor, "Lost");
        QTest::keyClick(&editor, Qt::Key_Escape);
        QCOMPARE(list.first->m_name, std::string("Angry"));
        QCOMPARE(list.host.m_marks, 1);
        // Losing the focus accepts.
        open();
        QTest::keyClicks(&editor, "Calm");
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&editor, &out);
        QCOMPARE(list.first->m_name, std::string("Calm"));
        QCOMPARE(list.host.m_marks, 2);
        // A press outside accepts and goes no further.
        open();
        QTest::keyClicks(&editor, "Sad");
        const double weight = list.last->m_weight;
        QTest::mouseClick(list.view.viewport(), Qt::LeftButton, {},
                          list.view.ToViewport(list.Renderer().ItemBox(FindKind(list.Renderer(), Kind::Weight, 2))).center());
        QCOMPARE(list.first->m_name, std::string("Sad"));
        QCOMPARE(list.last->m_weight, weight);
        QVERIFY(!editor.IsEditing());
    }

    void aNameWithALineBreakShowsABlank() {
        ListFixture list;
        CSympthom* added = AddSymptom(list.host.Analysis(), "Worse\r\nat night", 3);
        list.view.Refresh();
        QCOMPARE(added->m_name, std::string("Worse at night"));
        QCOMPARE(LineTexts(list.Renderer()).last(), QStringLiteral("Worse at night (0 rubrics)"));
    }

    void remediesOfAnExpandedRubricAreTypesetByGrade() {
        QVERIFY(CSymptomListRenderer::GradeFont(2).italic());
        QCOMPARE(CSymptomListRenderer::GradeFont(3).weight(), QFont::Bold);
        QCOMPARE(CSymptomListRenderer::GradeFont(4).weight(), QFont::Bold);
        QCOMPARE(CSymptomListRenderer::GradeFont(1).weight(), QFont::Normal);
        TestHost host;
        CSympthom::CTopic rubric = Rubric("Mind; Fear", {});
        rubric.m_remedies = {{1, 4, "acon. "}, {2, 1, "calc,"}, {3, 2, "ars."}, {4, 3, "phos"}};
        rubric.m_expander = 1;
        Symptom(host.Analysis(), "Fearful", 1, {rubric});
        CSymptomListRenderer renderer;
        renderer.SetAnalysis(&host.Analysis());
        renderer.Layout(400);
        QStringList words;
        for (DrawnItemId id = 0; renderer.BoxOf(id) != nullptr; ++id)
            if (renderer.BoxOf(id)->kind == Kind::Remedy) words << renderer.ItemText(id);
        // As the repertory browser prints them (views/remedy_text.h).
        QCOMPARE(words, (QStringList{"ACON.", "calc.", "Ars.", "Phos."}));
        // A narrow list wraps them onto more lines.
        renderer.Layout(70);
        QVERIFY(renderer.ContentSize().height() > 60);
    }

    // Before the window has its size the list is laid out at width 0; the
    // boxes of a line must still stand side by side, each found at its centre.
    void everyBoxIsFoundAtItsCentreAtAnyWidth() {
        ListFixture list;
        CSympthom::CTopic rubric = Rubric("Mind; Fear", {});
        rubric.m_remedies = {{1, 4, "acon."}, {2, 1, "calc."}, {3, 2, "ars."}};
        rubric.m_expander = 1;
        Symptom(list.host.Analysis(), "Fearful", 1, {rubric});
        CSymptomListRenderer renderer;
        renderer.SetAnalysis(&list.host.Analysis());
        for (int width : {0, 1, 30, 50, 70, 90, 120, 500}) {
            renderer.Layout(width);
            for (DrawnItemId id = 0; renderer.BoxOf(id) != nullptr; ++id) {
                const QRect box = renderer.ItemBox(id);
                if (box.isEmpty()) continue;
                QVERIFY2(renderer.ItemAt(box.center()) == id,
                         qPrintable(QStringLiteral("box %1 at width %2").arg(id).arg(width)));
            }
        }
    }

    void theKeysSelectRenameAndDelete() {
        ListFixture list;
        list.view.setFocus();
        QTest::keyClick(&list.view, Qt::Key_Down);
        QCOMPARE(list.view.Selected().symptom, list.first);
        QCOMPARE(list.view.Selected().topic, -1);
        QTest::keyClick(&list.view, Qt::Key_Down);
        QCOMPARE(list.view.Selected().topic, 0);
        // Delete removes the selected rubric.
        EventRecorder events;
        QTest::keyClick(&list.view, Qt::Key_Delete);
        QCOMPARE(int(list.first->m_topics.size()), 1);
        QCOMPARE(events.Count(EV_UPDATE_ANALYSIS), 1);
        QCOMPARE(list.host.m_marks, 1);
        // The selection stays with the symptom; F2 names it.
        QCOMPARE(list.view.Selected().symptom, list.first);
        QTest::keyClick(&list.view, Qt::Key_F2);
        QVERIFY(list.view.Editor().IsEditing());
        QCOMPARE(list.view.Editor().Symptom(), list.first);
        QTest::keyClick(&list.view.Editor(), Qt::Key_Escape);
        // End and Home; Delete on a symptom's line removes nothing.
        QTest::keyClick(&list.view, Qt::Key_End);
        QCOMPARE(list.view.Selected().symptom, list.last);
        QCOMPARE(list.view.Selected().topic, 0);
        QTest::keyClick(&list.view, Qt::Key_Home);
        QCOMPARE(list.view.Selected().topic, -1);
        QTest::keyClick(&list.view, Qt::Key_Delete);
        QCOMPARE(list.host.m_marks, 1);
    }

    void aRubricOrRemedyWhoseSourceIsGoneLeadsNowhere() {
        // A rubric of the demo repertory resolves; the same rubric naming a
        // repertory that is not loaded does not.
        const std::uint32_t night = DemoRubric({"Mind", "Anxiety", "night"});
        QVERIFY(night != 0);
        TestHost host;
        CSympthom& symptom = host.Analysis().GetFirstSymptom();
        QCOMPARE(AddRubric(night, symptom), AddRubricResult::kAdded);
        const std::optional<analysis_window::RubricLink> link = analysis_window::ResolveRubric(symptom.m_topics[0]);
        QVERIFY(link.has_value());
        QCOMPARE(link->rubric, std::int32_t(night));
        CSympthom::CTopic gone = symptom.m_topics[0];
        gone.m_sourceId.data1 ^= 0xFFFF;
        QVERIFY(!analysis_window::ResolveRubric(gone).has_value());
        symptom.m_topics.push_back(gone);
        // Clicking its text (and a remedy unknown to the catalogue) does nothing.
        CSympthomView view;
        view.SetAnalysis(&host.Analysis());
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.EnsureLayout();
        const DrawnItemId text = view.ListRenderer().LineItem(&symptom, 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.ToViewport(view.ListRenderer().ItemBox(text)).center());
        QVERIFY(!analysis_window::RemedyKnown(-1));
        QVERIFY(!analysis_window::RemedyKnown(1 << 30));
        QCOMPARE(host.m_marks, 0);
    }

    void everyTextOfTheWindowHasARussianLine() {
        CLanguage russian;
        QVERIFY(russian.LoadFile(MERIDANE_DEMO_DIR "/russian.lng"));
        const char* const texts[] = {
            "Symptoms ", "Table ", "Sort by", "Remedy name", "Count/Weight", "Factum", "Weight",
            "Count", "Name", "There aren't topics",
            "There isn't any repertory's topic for calculation",
            "Symptom weight.\nClick to change.", "Weight of the symptom\nClick to change",
            "Symptom synopsis\nClick to change\nEnter to accept changes\nEsc to cancel",
            "No any added rubrics\nopen any repertory and select by right click rubrics",
            "Remove this rubric from analysis", "Inclide/Exclude the topic from calculation",
            "Expand/Collapse rubric", "%s (%d rubrics)", "%s (%d remedies)", "No added rubrics",
            "Unknow", "Unknown rubric", "Unknown Symptom", "Add symptom.\nSymptom weight modifier I",
            "Add symptom.\nSymptom weight modifier II", "Add symptom.\nSymptom weight modifier III",
            "Add symptom.\nSymptom weight modifier IV", "grade x symptom weight", "and %d more",
            "Leaves the top ten when excluded:", "Leaves the top ten when one rubric is excluded",
            "Sorted by %s", "Page %d of %d", "Cannot write %s", "Chart", "Print...",
            "Export as PDF...", "Export as PNG...", "Print the chart of the analysis",
            "Save the chart of the analysis as a PDF document",
            "Save the chart of the analysis as a PNG image", "PDF document (*.pdf)",
            "PNG image (*.png)"};
        for (const char* text : texts) {
            const std::string translated = russian.LocalizeString(text, 1);
            QVERIFY2(translated != text, text);
            // Formats keep their fields in order.
            std::string fields, english;
            for (std::size_t i = 0; i + 1 < translated.size(); ++i)
                if (translated[i] == '%') fields += translated[i + 1];
            for (const char* c = text; c[0] != '\0' && c[1] != '\0'; ++c)
                if (c[0] == '%') english += c[1];
            QCOMPARE(fields, english);
        }
    }

    void aPassageNamesItsArticlesRemedy() {
        TestHost host;
        // The demo materia medica: find it and one of its articles.
        DataSource* source = nullptr;
        for (unsigned i = 0; i < CorvelaInstance().GetDataSourceCount(); ++i)
            if (CorvelaInstance().GetDataSource(i)->GetType() == kSourceMateriaMedica)
                source = CorvelaInstance().GetDataSource(i);
        QVERIFY(source != nullptr);
        Article* article = static_cast<MateriaMedica*>(source)->GetArticle(1);
        QVERIFY(article != nullptr);
        CSympthom& symptom = host.Analysis().GetFirstSymptom();
        AddArticle(article->GetId(), *source->GetGuid(), "restless at night", symptom);
        Remedy* remedy = CorvelaInstance().GetRemedyById(article->GetRemedy());
        QVERIFY(remedy != nullptr);
        const std::string expected = std::string(remedy->GetLongName()) + " [" + source->GetText3() + "]";
        QCOMPARE(analysis_window::ArticleCaption(symptom.m_topics[0]), expected);
        // Not the remedy whose number is the article's identifier.
        QVERIFY(analysis_window::ResolveArticle(symptom.m_topics[0]) == article);
        // Expanded, the passage follows in "... %s ...".
        symptom.m_topics[0].m_expander = 1;
        CSymptomListRenderer renderer;
        renderer.SetAnalysis(&host.Analysis());
        renderer.Layout(400);
        QCOMPARE(renderer.ItemText(renderer.LineItem(&symptom, 0)), QString::fromStdString(expected));
        QCOMPARE(renderer.ItemText(FindKind(renderer, Kind::Passage)), QStringLiteral("... restless at night ..."));
        // A materia medica that is gone: "Unknow".
        symptom.m_topics[0].m_sourceId.data1 ^= 0xFFFF;
        QCOMPARE(analysis_window::ArticleCaption(symptom.m_topics[0]), std::string("Unknow"));
    }
};

QTEST_MAIN(SymptomListTest)
#include "symptom_list_qtest.moc"
