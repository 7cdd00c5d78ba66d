// The repertory browser as a window: binding, every key of its table, the
// mouse, the search strip, opening a repertory (twice, unknown, at a rubric),
// the "Add to" menu and Ctrl+Enter into the open case, the Repertories menu.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "analysis/analysis_operations.h"
#include "demo_home.h"
#include "editor_test_support.h"
#include "model/core/program_settings.h"
#include "model/events/event_codes.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/widgets/dialog_service.h"
#include "repertory_test_support.h"
#include "views/add_to/last_target.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/repertory/repertory_doc.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_renderer.h"
#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/repertory/repertory_view.h"
#include "views/repertory/repertory_window.h"
#include "views/window_host.h"

using CTopicInfo = CRepertoryView::CTopicInfo;
using editors_test::EventRecorder;
using editors_test::FakeCaseHost;
using repertory_test::Rubric;

namespace {

// The program around the windows: an MDI area with the repertory template,
// the commands, the settings of the demo home, a status bar that records.
class FakeWindowHost final : public CWindowHost {
public:
    FakeWindowHost() : m_documents(&m_area) {
        m_area.resize(1000, 700);
        m_area.show();
        for (int id :
             {ID_OPEN_REPERTORY_ORRESTAD, ID_OPEN_REPERTORY_HALDEN, ID_OPEN_REPERTORY_LIST})
            m_commands.Register(id, QString::number(id));
        RegisterRepertoryWindow(*this);
        SetCurrent(this);
    }
    virtual ~FakeWindowHost() {
        m_documents.CloseAll({kRepertorySlot});
        SetCurrent(nullptr);
    }
    CDocManager& Documents() override { return m_documents; }
    CCommandRegistry& Commands() override { return m_commands; }
    const CProgramSettings& Settings() const override { return m_settings; }
    void ShowStatusMessage(const QString& text) override { m_status.append(text); }
    CDialogService& Dialogs() override { return CDialogService::Current(); }
    QWidget* MainWindow() override { return &m_area; }

    QStringList m_status;

private:
    QMdiArea m_area;
    CDocManager m_documents;
    CCommandRegistry m_commands;
    CProgramSettings m_settings;
};

CRepertoryPadView* PadOf(CDocument* document) {
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    return dynamic_cast<CRepertoryPadView*>(document->Frames().front()->widget());
}

QString Text(CTopicInfo* node) {
    return node != nullptr ? QString::fromLatin1(node->GetTopic()->GetText()) : QString();
}

// A menu runner that chooses the entry whose text starts with `label`
// (searching submenus too) and records the labels it saw.
struct MenuChooser {
    QString label;
    QStringList seen;
    int runs = 0;

    QAction* Find(QMenu& menu) {
        QAction* found = nullptr;
        for (QAction* action : menu.actions()) {
            seen.append(action->text());
            if (action->menu() != nullptr) {
                if (QAction* inner = Find(*action->menu()); found == nullptr) found = inner;
            } else if (found == nullptr && !label.isEmpty() && action->text().startsWith(label)) {
                found = action;
            }
        }
        return found;
    }
    add_to::MenuRunner Runner() {
        return [this](QMenu& menu, const QPoint&) {
            ++runs;
            return Find(menu);
        };
    }
};

}  // namespace

class RepertoryViewTest : public QObject {
    Q_OBJECT
private:
    Repertory* m_test = nullptr;
    std::unique_ptr<FakeWindowHost> m_host;
    CRepertoryPadView* m_pad = nullptr;
    CRepertoryView* m_view = nullptr;

    CTopicInfo* Node(std::initializer_list<const char*> path) {
        Topic* topic = Rubric(*m_test, path);
        return topic != nullptr ? m_view->Root()->Find(topic->GetId()) : nullptr;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_view, static_cast<Qt::Key>(key), modifiers);
    }
    QPoint CentreOf(DrawnItemId item) {
        m_view->EnsureLayout();
        return m_view->ToViewport(m_view->Renderer().ItemBox(item)).center();
    }

private Q_SLOTS:
    void initTestCase() {
        m_test = repertory_test::FindRepertory(views_test::BrowserTestRepertory());
        QVERIFY(m_test != nullptr);
    }
    void init() {
        add_to::ForgetTarget();
        m_host = std::make_unique<FakeWindowHost>();
        m_pad = PadOf(OpenRepertoryDocument(views_test::BrowserTestRepertory(), -1));
        QVERIFY(m_pad != nullptr);
        m_view = &m_pad->RubricView();
        m_pad->window()->show();
        m_view->setFocus();
    }
    void cleanup() {
        m_host.reset();
        m_pad = nullptr;
        m_view = nullptr;
    }

    void bindsByNameAndTitlesTheDocument() {
        QCOMPARE(m_view->BoundRepertory(), m_test);
        QCOMPARE(m_view->SelectedNode(), m_view->Root());
        CDocument* document = m_host->Documents().ActiveDocument();
        QCOMPARE(document->Title(), QStringLiteral("Browser tests : Repertory"));
        QVERIFY(!document->IsModified());
        QCOMPARE(static_cast<CRepertoryDoc*>(document)->Name(), std::string("REP_BROWSER_TEST"));

        CRepertoryView loose;
        QVERIFY(!loose.Bind("NO_SUCH_SOURCE"));
        QVERIFY(loose.Root() == nullptr);
        QVERIFY(!loose.Bind("DEMO_MM_EN_NOT_A_REPERTORY"));
        const Guid materiaId = views_test::DemoMateriaMedica();
        DataSource* materia = CorvelaInstance().FindDataSource(&materiaId);
        QVERIFY(materia != nullptr);
        QVERIFY(!loose.Bind(materia->GetName()));
        QVERIFY(loose.ContentSize().isEmpty());
    }

    void openingTwiceActivatesTheOpenWindow() {
        CDocument* first = m_host->Documents().ActiveDocument();
        CDocument* other = OpenRepertoryDocument(views_test::DemoEnglishRepertory(), -1);
        QVERIFY(other != first);
        QCOMPARE(OpenRepertoryDocument(views_test::BrowserTestRepertory(), -1), first);
        QCOMPARE(m_host->Documents().Documents(kRepertorySlot).size(), 2);
        QCOMPARE(m_host->Documents().ActiveDocument(), first);
    }

    void anUnknownSourceGivesAnEmptyUnknownAutorWindow() {
        Guid nowhere;
        nowhere.data1 = 0x12345678;
        CDocument* document = OpenRepertoryDocument(nowhere, 5);
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(), QStringLiteral("Unknown Autor : Repertory"));
        CRepertoryPadView* pad = PadOf(document);
        QVERIFY(pad->RubricView().BoundRepertory() == nullptr);
        QCOMPARE(pad->RubricView().ContentSize(), QSize());
        QCOMPARE(OpenRepertoryDocument(nowhere, -1), document);
    }

    void openingAtARubricExpandsItsPath() {
        Topic* waking =
            Rubric(*m_test, {"Head", "Pain", "forehead", "right", "morning", "waking, on"});
        QVERIFY(waking != nullptr);
        QCOMPARE(OpenRepertoryDocument(views_test::BrowserTestRepertory(),
                                       static_cast<std::int32_t>(waking->GetId())),
                 m_host->Documents().ActiveDocument());
        CTopicInfo* node = m_view->SelectedNode();
        QVERIFY(node != nullptr);
        QCOMPARE(node->GetTopic(), waking);
        QCOMPARE(node->Level(), 7);
        for (CTopicInfo* step = node; step != nullptr; step = step->Parent())
            QVERIFY(step->IsExpanded());
        // In view.
        const QRect box = m_view->Renderer().ItemBox(m_view->SelectedItem());
        QVERIFY(m_view->VisibleContent().contains(box.topLeft()));
        // Another repertory's rubric, or a number beyond the tree: nothing.
        QVERIFY(!m_view->SelectRubric(MakeItemId(m_test->GetPosition() + 1, 3)));
        QVERIFY(!m_view->SelectRubric(MakeItemId(m_test->GetPosition(), 999)));
        QCOMPARE(m_view->SelectedNode(), node);
    }

    void keysMoveTheSelectionInReadingOrder() {
        Key(Qt::Key_Home);
        QCOMPARE(m_view->SelectedNode(), m_view->Root());
        Key(Qt::Key_Down);
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Mind"));
        Key(Qt::Key_Return);  // expand Mind
        QVERIFY(m_view->SelectedNode()->IsExpanded());
        Key(Qt::Key_Right);
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Anxiety"));
        Key(Qt::Key_Space);  // expand Anxiety: its remedies come next
        Key(Qt::Key_Down);
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Anxiety"));
        QCOMPARE(m_view->SelectedRemedy(), 0);
        Key(Qt::Key_Right);
        QCOMPARE(m_view->SelectedRemedy(), 1);
        Key(Qt::Key_Left);  // a remedy: back one item
        QCOMPARE(m_view->SelectedRemedy(), 0);
        Key(Qt::Key_Up);
        QCOMPARE(m_view->SelectedRemedy(), -1);
        Key(Qt::Key_Left);  // a heading: its parent
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Mind"));
        Key(Qt::Key_PageDown);  // Anxiety, five steps on: its fifth remedy
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Anxiety"));
        QCOMPARE(m_view->SelectedRemedy(), 3);
        Key(Qt::Key_PageUp);
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Mind"));
        Key(Qt::Key_End);
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Sleep"));
        Key(Qt::Key_Down);  // stays at the end
        QCOMPARE(Text(m_view->SelectedNode()), QStringLiteral("Sleep"));
        Key(Qt::Key_Home);
        Key(Qt::Key_Up);  // stays at the top
        QCOMPARE(m_view->SelectedNode(), m_view->Root());
        Key(Qt::Key_Return);  // the root stays expanded
        QVERIFY(m_view->Root()->IsExpanded());
        // Collapsing the rubric of a selected remedy selects its heading.
        CTopicInfo* anxiety = Node({"Mind", "Anxiety"});
        m_view->Select(anxiety, 4);
        Key(Qt::Key_Enter);
        QVERIFY(!anxiety->IsExpanded());
        QCOMPARE(m_view->SelectedRemedy(), -1);
    }

    void keysForTheSearchAndTheMenu() {
        QSignalSpy focus(m_view, &CRepertoryView::FocusSearch);
        QSignalSpy search(m_view, &CRepertoryView::SearchKey);
        Key(Qt::Key_Tab);
        QCOMPARE(focus.count(), 1);
        Key(Qt::Key_F3);
        Key(Qt::Key_F4);
        QCOMPARE(search.count(), 2);
        QCOMPARE(search.at(1).at(0).toInt(), static_cast<int>(Qt::Key_F4));

        MenuChooser chooser;
        m_view->SetMenuRunner(chooser.Runner());
        Key(Qt::Key_Menu);
        QCOMPARE(chooser.runs, 1);
        QTest::keyPress(m_view, Qt::Key_Alt);
        QTest::keyRelease(m_view, Qt::Key_Alt);
        QCOMPARE(chooser.runs, 2);
        // Alt with another key stays a shortcut.
        QTest::keyPress(m_view, Qt::Key_Alt);
        QTest::keyClick(m_view, Qt::Key_X, Qt::AltModifier);
        QTest::keyRelease(m_view, Qt::Key_Alt);
        QCOMPARE(chooser.runs, 2);
    }

    void tabMovesTheFocusBetweenEditAndRubrics() {
        m_view->setFocus();
        QApplication::setActiveWindow(m_pad->window());
        Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &m_pad->SearchView().Edit());
        QTest::keyClick(&m_pad->SearchView().Edit(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_view);
    }

    void mouseSelectsAndToggles() {
        CTopicInfo* mind = Node({"Mind"});
        const DrawnItemId item = m_view->Renderer().ItemOf(mind);
        const QRect box = m_view->ToViewport(m_view->Renderer().ItemBox(item));
        const QPoint text(box.right() - 5, box.center().y());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, text);
        QCOMPARE(m_view->SelectedNode(), mind);
        QVERIFY(!mind->IsExpanded());
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, text);
        QVERIFY(mind->IsExpanded());
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, text);
        QVERIFY(!mind->IsExpanded());
        // A click on the glyph toggles at once.
        const QPoint glyph(box.left() + 4, box.center().y());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, glyph);
        QVERIFY(mind->IsExpanded());
        // A click on a remedy selects it.
        CTopicInfo* anxiety = Node({"Mind", "Anxiety"});
        anxiety->SetExpanded(true);
        m_view->Invalidate();
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          CentreOf(m_view->Renderer().ItemOf(anxiety, 2)));
        QCOMPARE(m_view->SelectedNode(), anxiety);
        QCOMPARE(m_view->SelectedRemedy(), 2);
        QCOMPARE(m_view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    }

    void searchStrip() {
        CRepertoryPadView* pad =
            PadOf(OpenRepertoryDocument(views_test::DemoEnglishRepertory(), -1));
        CRepertorySearchView& strip = pad->SearchView();
        CRepertoryView& view = pad->RubricView();
        int beeps = 0;
        strip.SetBeeper([&beeps] { ++beeps; });
        QCOMPARE(strip.Hint(), QStringLiteral("[Enter] - start search, [F3] - find next, [Tab] - "
                                              "jump to repertory and back, [Esc] - stop search"));
        QCOMPARE(strip.height(), CRepertorySearchView::kHeight);

        CQueryBox& edit = strip.Edit();
        edit.setFocus();
        QTest::keyClicks(&edit, QStringLiteral("an"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(beeps, 1);
        QVERIFY(!strip.Search().IsRunning());

        QTest::keyClicks(&edit, QStringLiteral("x"));
        QTest::keyClick(&edit, Qt::Key_Return);
        const CRepertorySearch& search = strip.Search();
        QVERIFY(search.Count() > 2);
        // Hits of this repertory only, the first selected.
        Repertory* demo = view.BoundRepertory();
        for (std::uint32_t hit : search.Hits())
            QCOMPARE(static_cast<int>(ItemPosition(hit)), demo->GetPosition());
        QCOMPARE(view.SelectedNode()->Id(), search.Hits().front());
        const QString count = QString::number(search.Count());
        QCOMPARE(strip.Status(), QStringLiteral("anx (1 of %1)").arg(count));
        for (CTopicInfo* step = view.SelectedNode(); step != nullptr; step = step->Parent())
            QVERIFY(step->IsExpanded());

        QTest::keyClick(&edit, Qt::Key_F3);
        QCOMPARE(strip.Status(), QStringLiteral("anx (2 of %1)").arg(count));
        QCOMPARE(view.SelectedNode()->Id(), search.Hits()[1]);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(search.Position(), 2);
        QTest::keyClick(&edit, Qt::Key_F4);
        QTest::keyClick(&edit, Qt::Key_F4);
        QCOMPARE(search.Position(), 0);
        QCOMPARE(beeps, 1);
        QTest::keyClick(&edit, Qt::Key_F4);  // before the first
        QCOMPARE(beeps, 2);
        QCOMPARE(search.Position(), 0);
        // After the last hit: the first again, with a beep.
        for (int i = 1; i < search.Count(); ++i) strip.FindNext();
        QCOMPARE(search.Position(), search.Count() - 1);
        QCOMPARE(beeps, 2);
        QTest::keyClick(&edit, Qt::Key_F3);
        QCOMPARE(search.Position(), 0);
        QCOMPARE(beeps, 3);
        // F3 in the rubric view steps too.
        QTest::keyClick(&view, Qt::Key_F3);
        QCOMPARE(search.Position(), 1);

        // Esc stops; so does any other key, which then types.
        QTest::keyClick(&edit, Qt::Key_Escape);
        QVERIFY(!search.IsRunning());
        QVERIFY(strip.Status().isEmpty());
        QTest::keyClick(&edit, Qt::Key_Return);
        QVERIFY(search.IsRunning());
        QTest::keyClick(&edit, Qt::Key_I);
        QVERIFY(!search.IsRunning());
        QCOMPARE(edit.Text(), QStringLiteral("anxi"));

        // So does a text changed without a key.
        QTest::keyClick(&edit, Qt::Key_Return);
        QVERIFY(search.IsRunning());
        edit.SetText(QStringLiteral("anxiety"));
        QVERIFY(!search.IsRunning());

        // Nothing found: the selection stays.
        CTopicInfo* before = view.SelectedNode();
        edit.SetText(QStringLiteral("xyzzyq"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QVERIFY(!search.IsRunning());
        QCOMPARE(view.SelectedNode(), before);
        QCOMPARE(strip.Status(), QStringLiteral("xyzzyq (0 of 0)"));
        // The query colours follow the repertory.
        QCOMPARE(edit.ColourAt(0), QColor(128, 0, 0));
    }

    void addToMenuPutsTheRubricIntoTheCase() {
        FakeCaseHost cases;
        EventRecorder events;
        CAnalysis* analysis = NewAnalysis(cases.Case());
        analysis->GetFirstSymptom().m_name = "Restless";
        CTopicInfo* anxiety = Node({"Mind", "Anxiety"});
        m_view->SelectRubric(anxiety->Id());

        MenuChooser chooser;
        chooser.label = QStringLiteral("Add to: Restless");
        m_view->SetMenuRunner(chooser.Runner());
        const QPoint at = CentreOf(m_view->Renderer().ItemOf(anxiety));
        QContextMenuEvent right(QContextMenuEvent::Mouse, at, m_view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(m_view->viewport(), &right);
        QCOMPARE(chooser.runs, 1);
        QVERIFY(chooser.seen.contains(QStringLiteral("Add to New Analysis")));
        QCOMPARE(analysis->GetFirstSymptom().m_topics.size(), std::size_t{1});
        QCOMPARE(analysis->GetFirstSymptom().m_topics.front().GetItemId(), anxiety->Id());
        QCOMPARE(cases.m_marks, 1);
        QCOMPARE(events.Count(EV_UPDATE_ANALYSIS), 1);
        QCOMPARE(m_host->m_status.back(), QStringLiteral("Added to: Restless"));

        // Ctrl+Enter on another rubric: the same symptom, at once.
        CTopicInfo* fear = Node({"Mind", "Fear"});
        m_view->Select(fear);
        Key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(chooser.runs, 1);
        QCOMPARE(analysis->GetFirstSymptom().m_topics.size(), std::size_t{2});
        QCOMPARE(m_host->m_status.back(), QStringLiteral("Added to: Restless"));
        // Again: refused, and said so.
        Key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(analysis->GetFirstSymptom().m_topics.size(), std::size_t{2});
        QCOMPARE(m_host->m_status.back(), QStringLiteral("The rubric is already in this analysis"));
        QVERIFY(!fear->IsExpanded());  // Ctrl+Enter does not toggle

        // "Add to a new sympthom" of that analysis.
        chooser.label = QStringLiteral("Add to a new sympthom");
        m_view->Select(Node({"Mind", "Anxiety", "night"}));
        Key(Qt::Key_Menu);
        CSympthom* fresh = analysis->GetFirstSymptom().GetNext();
        QVERIFY(fresh != nullptr);
        QCOMPARE(fresh->m_name, std::string("Unknown Symptom"));
        QCOMPARE(fresh->m_topics.size(), std::size_t{1});

        // "Add to New Analysis" from the menu key.
        chooser.label = QStringLiteral("Add to New Analysis");
        m_view->Select(Node({"Head", "Pain"}));
        Key(Qt::Key_Menu);
        QCOMPARE(cases.Case().GetAnalyses().size(), std::size_t{2});
        QCOMPARE(cases.Case().GetAnalyses()[1]->GetFirstSymptom().m_topics.size(), std::size_t{1});
    }

    void ctrlEnterWithoutATargetOpensTheMenu() {
        FakeCaseHost cases;
        MenuChooser chooser;
        m_view->SetMenuRunner(chooser.Runner());
        m_view->Select(Node({"Mind"}));
        Key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(chooser.runs, 1);
        QVERIFY(chooser.seen.contains(QStringLiteral("Add to: New Unknown Symptom")));
    }

    void repertoriesMenuListsEveryRepertory() {
        QMenu menu;
        FillRepertoriesMenu(menu);
        int repertories = 0;
        Corvela& engine = CorvelaInstance();
        for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i)
            repertories += engine.GetDataSource(i)->GetType() == kSourceRepertory ? 1 : 0;
        QCOMPARE(menu.actions().size(), repertories);
        QAction* test = nullptr;
        for (QAction* action : menu.actions())
            if (action->text() == QStringLiteral("browser tests")) test = action;
        QVERIFY(test != nullptr);
        QCOMPARE(test->toolTip(), QStringLiteral("Browser Test Repertory"));
        m_host->Documents().CloseAll({kRepertorySlot});
        test->trigger();
        QCOMPARE(m_host->Documents().Documents(kRepertorySlot).size(), 1);
        QVERIFY(m_host->Commands().IsEnabled(ID_OPEN_REPERTORY_LIST));
        m_pad = nullptr;
        m_view = nullptr;
    }
};

int main(int argc, char** argv) {
    repertory_test::PrepareHome();
    QApplication application(argc, argv);
    RepertoryViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "repertory_view_qtest.moc"
