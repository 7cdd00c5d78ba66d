// Commands for the active window: the command registry runs the active view's
// handler before the application's, and the enabled states follow the active
// MDI child, the application's state and what the view says.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"
#include "plumbing/documents/view_commands.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/command_target.h"

namespace {

enum : int {
    kAddSymptom1 = 32854,  // handled by the analysis view only
    kSave = 57603,         // handled by the analysis view, nothing at application level
    kNewCase = 57600,      // the application's
    kClose = 33028,        // nobody's
};
enum Slot { kAnalysis = 0, kSearch = 5 };

// A view that carries out the symptom command and the save command.
class AnalysisLikeView : public QLabel, public CCommandTarget {
public:
    explicit AnalysisLikeView(QWidget* parent) : QLabel(parent) {}
    bool Handles(int id) const override { return id == kAddSymptom1 || id == kSave; }
    void Run(int id) override { m_ran.push_back(id); }
    bool IsEnabled(int id) const override { return !m_disabled.count(id); }

    void Disable(int id) {
        m_disabled.insert(id);
        CommandStatesChanged();
    }

    std::vector<int> m_ran;
    std::set<int> m_disabled;
};

}  // namespace

class ViewCommandsTest : public QObject {
    Q_OBJECT

private:
    QMdiArea* m_area = nullptr;
    CDocManager* m_manager = nullptr;
    CCommandRegistry* m_commands = nullptr;
    int m_appRuns = 0;

    static AnalysisLikeView* ViewOf(CDocument* document) {
        return dynamic_cast<AnalysisLikeView*>(document->Frames().front()->widget());
    }

private Q_SLOTS:
    void init() {
        m_appRuns = 0;
        m_area = new QMdiArea;
        m_area->resize(640, 480);
        m_manager = new CDocManager(m_area);
        m_manager->AddTemplate(kAnalysis,
                               std::make_unique<CDocTemplate>(
                                   "CAnalysisMultiDocTemplate", [] { return new CDocument; },
                                   [](CDocument&, CChildFrame& frame) -> QWidget* {
                                       return new AnalysisLikeView(&frame);
                                   }));
        m_manager->AddTemplate(kSearch, std::make_unique<CDocTemplate>(
                                            "CSearchMultiDocTemplate", [] { return new CDocument; },
                                            [](CDocument&, CChildFrame& frame) -> QWidget* {
                                                return new QLabel(&frame);
                                            }));
        m_commands = new CCommandRegistry;
        for (int id : {kAddSymptom1, kSave, kNewCase, kClose}) m_commands->Register(id, "c");
        m_commands->SetHandler(kNewCase, [this] { ++m_appRuns; });
        RouteCommandsToActiveView(*m_area, *m_commands);
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area));
    }
    void cleanup() {
        delete m_manager;
        delete m_area;
        delete m_commands;
    }

    void withoutAnActiveViewOnlyTheApplicationsCommandsRun() {
        QVERIFY(!m_commands->ActiveTarget());
        QVERIFY(!m_commands->IsEnabled(kAddSymptom1));
        QVERIFY(!m_commands->IsEnabled(kSave));
        QVERIFY(!m_commands->IsEnabled(kClose));
        QVERIFY(m_commands->IsEnabled(kNewCase));
        QVERIFY(!m_commands->Run(kAddSymptom1));
        QVERIFY(m_commands->Run(kNewCase));
        QCOMPARE(m_appRuns, 1);
    }

    void theActiveViewReceivesItsCommands() {
        CDocument* analysis = m_manager->OpenNew(kAnalysis);
        AnalysisLikeView* view = ViewOf(analysis);
        QCOMPARE(m_commands->ActiveTarget(), static_cast<CCommandTarget*>(view));
        QVERIFY(m_commands->IsEnabled(kAddSymptom1));
        QVERIFY(m_commands->IsEnabled(kNewCase));
        QVERIFY(!m_commands->IsEnabled(kClose));

        QSignalSpy triggered(m_commands, &CCommandRegistry::CommandTriggered);
        m_commands->Action(kAddSymptom1)->trigger();
        m_commands->Action(kNewCase)->trigger();
        QCOMPARE(view->m_ran, std::vector<int>{kAddSymptom1});
        QCOMPARE(m_appRuns, 1);
        QCOMPARE(triggered.count(), 2);
    }

    void theViewComesBeforeTheApplication() {
        int appSaves = 0;
        m_commands->SetHandler(kSave, [&appSaves] { ++appSaves; });
        CDocument* analysis = m_manager->OpenNew(kAnalysis);
        QVERIFY(m_commands->Run(kSave));
        QCOMPARE(ViewOf(analysis)->m_ran, std::vector<int>{kSave});
        QCOMPARE(appSaves, 0);

        m_manager->OpenNew(kSearch);  // a view without commands of its own
        QVERIFY(!m_commands->ActiveTarget());
        QVERIFY(m_commands->Run(kSave));
        QCOMPARE(appSaves, 1);
        QVERIFY(!m_commands->IsEnabled(kAddSymptom1));
    }

    void statesFollowTheActiveWindow() {
        CDocument* first = m_manager->OpenNew(kAnalysis);
        CDocument* search = m_manager->OpenNew(kSearch);
        QVERIFY(!m_commands->IsEnabled(kAddSymptom1));
        m_manager->Activate(first);
        QVERIFY(m_commands->IsEnabled(kAddSymptom1));

        // The view says its state changed.
        ViewOf(first)->Disable(kAddSymptom1);
        QVERIFY(!m_commands->IsEnabled(kAddSymptom1));
        QVERIFY(!m_commands->Run(kAddSymptom1));
        QVERIFY(ViewOf(first)->m_ran.empty());
        QVERIFY(m_commands->IsEnabled(kSave));

        // A view that is not active tells nobody; its state is read again
        // when it becomes active.
        m_manager->Activate(search);
        ViewOf(first)->Disable(kSave);
        ViewOf(first)->m_disabled.erase(kAddSymptom1);
        m_manager->Activate(first);
        QVERIFY(!m_commands->IsEnabled(kSave));
        QVERIFY(m_commands->IsEnabled(kAddSymptom1));
    }

    void closingTheActiveViewLeavesNoTarget() {
        QPointer<CDocument> analysis = m_manager->OpenNew(kAnalysis);
        QVERIFY(m_commands->ActiveTarget());
        m_manager->Close(analysis);
        QVERIFY(!analysis);
        QVERIFY(!m_commands->ActiveTarget());
        QVERIFY(!m_commands->IsEnabled(kAddSymptom1));
        QVERIFY(!m_commands->Run(kAddSymptom1));
    }

    void theApplicationsStateStillCounts() {
        m_commands->SetEnabled(kNewCase, false);
        QVERIFY(!m_commands->IsEnabled(kNewCase));
        QVERIFY(!m_commands->Run(kNewCase));
        m_commands->SetEnabled(kNewCase, true);
        m_commands->SetHandler(kNewCase, {});  // nobody handles it any more
        QVERIFY(!m_commands->IsEnabled(kNewCase));
        QCOMPARE(m_appRuns, 0);
    }

    void aTargetOutlivesItsRegistry() {
        CDocument* analysis = m_manager->OpenNew(kAnalysis);
        AnalysisLikeView* view = ViewOf(analysis);
        QCOMPARE(view->ActiveIn(), m_commands);
        delete m_commands;
        m_commands = nullptr;
        QVERIFY(!view->ActiveIn());
        view->Disable(kSave);  // nothing to tell, nothing breaks
        delete m_manager;      // the view goes without a registry to leave
        m_manager = nullptr;
    }
};

QTEST_MAIN(ViewCommandsTest)
#include "view_commands_qtest.moc"
