// The document windows inside the program: the nine templates in their
// order, the application as their window host, and the commands that follow
// the active window (the analysis window opened from the case view carries
// out its buttons; without it they are off).
#include <QAction>
#include <QStatusBar>
#include <QTest>

#include "model/records/case.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/doc_template.h"
#include "plumbing/ribbon/command_registry.h"
#include "shell/case_view.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell_qtest_support.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/window_host.h"

class WindowsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<CMeridaneApp> m_app;

    CDocManager& Documents() { return m_app->Documents(); }

private Q_SLOTS:
    void init() {
        m_app = std::make_unique<CMeridaneApp>();
        m_app->CreateMainFrame();
        QVERIFY(m_app->NewCase());
        m_app->MainFrame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_app->MainFrame()));
    }
    void cleanup() { m_app.reset(); }

    void nineTemplatesInTheirOrder() {
        QStringList classes;
        QList<int> slots;
        for (CDocTemplate* t : Documents().Templates()) {
            classes << t->ClassName();
            slots << Documents().SlotOf(t);
        }
        QCOMPARE(classes,
                 (QStringList{"CCaseMultiDocTemplate", "CRepertoryMultiDocTemplate",
                              "CAnalysisMultiDocTemplate", "CEpisodeMultiDocTemplate",
                              "CPrescriptionMultiDocTemplate", "CSearchMultiDocTemplate",
                              "CMateriaMedicaMultiDocTemplate", "CPatientInfoMultiDocTemplate",
                              "CPractitionerMultiDocTemplate"}));
        QCOMPARE(slots, (QList<int>{1, 2, 0, 3, 4, 5, 6, 7, 8}));
    }

    void theApplicationHostsTheWindows() {
        QCOMPARE(CWindowHost::Current(), static_cast<CWindowHost*>(m_app.get()));
        QCOMPARE(m_app->MainWindow(), static_cast<QWidget*>(m_app->MainFrame()));
        m_app->ShowStatusMessage("Added to: Thirst");
        QCOMPARE(m_app->MainFrame()->statusBar()->currentMessage(), QString("Added to: Thirst"));
        m_app->Commands().Action(ID_SEARCH)->trigger();
        QCOMPARE(Documents().ActiveDocument()->Title(), QString("Search"));
    }

    void theActiveAnalysisWindowReceivesItsButtons() {
        CCommandRegistry& commands = m_app->Commands();
        QVERIFY(!commands.IsEnabled(ID_ADD_SYMPTHOM1));
        CAnalysis* analysis = m_app->CurrentCase()->AddAnalysis();
        m_app->OpenCaseItem(CCaseView::TopicKind::Analysis, analysis);
        CDocument* window = Documents().ActiveDocument();
        QVERIFY(window != nullptr);
        QCOMPARE(window->ItemAs<CAnalysis>(), analysis);
        QVERIFY(commands.IsEnabled(ID_ADD_SYMPTHOM1));

        commands.Action(ID_ADD_SYMPTHOM1)->trigger();
        QCOMPARE(analysis->GetSymptomCount(), 2);
        QVERIFY(m_app->IsCaseModified());
        QVERIFY(m_app->MainFrame()->windowTitle().endsWith("*]"));

        // The patient card in front: its view has no such command.
        m_app->OpenCaseItem(CCaseView::TopicKind::Patient, nullptr);
        QVERIFY(!commands.IsEnabled(ID_ADD_SYMPTHOM1));
        m_app->OpenCaseItem(CCaseView::TopicKind::Analysis, analysis);
        QCOMPARE(Documents().ActiveDocument(), window);
        QVERIFY(commands.IsEnabled(ID_ADD_SYMPTHOM2));
    }

    void aNewCaseClosesTheAnalysisWindows() {
        CAnalysis* analysis = m_app->CurrentCase()->AddAnalysis();
        m_app->OpenCaseItem(CCaseView::TopicKind::Analysis, analysis);
        QCOMPARE(Documents().Documents(kAnalysisSlot).size(), 1);
        QVERIFY(m_app->NewCase());  // not modified: no question
        QVERIFY(Documents().Documents(kAnalysisSlot).isEmpty());
        QVERIFY(!m_app->Commands().IsEnabled(ID_ADD_SYMPTHOM1));
    }
};

MERIDANE_SHELL_QTEST_MAIN(WindowsTest)
#include "windows_qtest.moc"
