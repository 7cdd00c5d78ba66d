// The four document windows as their folders register them: templates in
// their slots, the commands they bind, and the entry points the other
// windows call (open or bring forward, titles, the configuration read at
// each use), with the analysis window's own commands routed to it.
#include <QAction>
#include <QTest>

#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "plumbing/documents/doc_template.h"
#include "views/analysis/analysis_window.h"
#include "views/command_ids.h"
#include "views/materia/materia_window.h"
#include "views/repertory/repertory_doc.h"
#include "views/repertory/repertory_window.h"
#include "views/search/search_window.h"

using namespace editors_test;

namespace {

Guid Id(const char* text) {
    Guid id;
    ParseGuid(text, &id);
    return id;
}

const Guid kDemo = Id("44F01C90-0055-4CD8-981E-B131F40DFEA2");     // REP_DEMO
const Guid kDemoRu = Id("AD260680-218C-4265-8463-5C37BE6F4BCE");   // REP_DEMO_RU
const Guid kNowhere = Id("01234567-89AB-CDEF-0123-456789ABCDEF");  // no source

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_case;
    std::unique_ptr<FakeWindowHost> m_host;

    CDocManager& Documents() { return m_host->Documents(); }
    CCommandRegistry& Commands() { return m_host->Commands(); }

private Q_SLOTS:
    void initTestCase() { UseDemoHome(); }
    void init() {
        WriteProgramIni("");
        m_case = std::make_unique<FakeCaseHost>();
        m_host = std::make_unique<FakeWindowHost>();
        RegisterRepertoryWindow(*m_host);
        RegisterAnalysisWindow(*m_host);
        RegisterSearchWindow(*m_host);
        RegisterMateriaMedicaWindow(*m_host);
        m_host->Area().show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_host->Area()));
    }
    void cleanup() {
        m_host.reset();
        m_case.reset();
    }

    void eachFolderFillsItsSlot() {
        const struct {
            int slot;
            const char* className;
        } expected[] = {{kRepertorySlot, "CRepertoryMultiDocTemplate"},
                        {kAnalysisSlot, "CAnalysisMultiDocTemplate"},
                        {kSearchSlot, "CSearchMultiDocTemplate"},
                        {kMateriaMedicaSlot, "CMateriaMedicaMultiDocTemplate"}};
        for (const auto& e : expected) {
            QVERIFY(Documents().Template(e.slot) != nullptr);
            QCOMPARE(Documents().Template(e.slot)->ClassName(), QString(e.className));
        }
        for (int id : {ID_OPEN_REPERTORY_ORRESTAD, ID_OPEN_REPERTORY_HALDEN, ID_OPEN_MATERIA_MEDICA,
                       ID_SEARCH})
            QVERIFY(Commands().IsEnabled(id));
        // The analysis window's buttons are registered, for the analysis view.
        QCOMPARE(Commands().Action(ID_ADD_SYMPTHOM3)->text(), QString("III"));
        QCOMPARE(Commands().Action(ID_ADD_SYMPTHOM4)->toolTip(),
                 QString("Add symptom.\nSymptom weight modifier IV"));
        QVERIFY(!Commands().IsEnabled(ID_ADD_SYMPTHOM1));
    }

    void sourceTitles() {
        QCOMPARE(GetSourceTitle(kDemo), std::string("REP_DEMO"));
        QCOMPARE(GetSourceTitle(kDemoRu), std::string("REP_DEMO_RU"));
        QCOMPARE(GetSourceTitle(kNowhere), std::string("Unknown Autor"));
    }

    // The source name a repertory document was opened for; its title follows
    // from it ("%s : Repertory").
    static QString NameOf(CDocument* document) {
        auto* repertory = dynamic_cast<CRepertoryDoc*>(document);
        if (repertory == nullptr) return {};
        if (document->Title() != CRepertoryDoc::TitleFor(repertory->Name())) return QString("?");
        return QString::fromStdString(repertory->Name());
    }

    void aRepertoryOpensOnceByTitle() {
        CDocument* demo = OpenRepertoryDocument(kDemo, -1);
        QVERIFY(demo != nullptr);
        QCOMPARE(NameOf(demo), QString("REP_DEMO"));
        QCOMPARE(demo->Title(), QString("Meridane team : Repertory"));
        CDocument* russian = OpenRepertoryDocument(kDemoRu, RubricId("REP_DEMO_RU", {}));
        QVERIFY(russian != demo);
        QCOMPARE(OpenRepertoryDocument(kDemo, -1), demo);
        QCOMPARE(Documents().ActiveDocument(), demo);
        QCOMPARE(Documents().Documents(kRepertorySlot).size(), 2);

        QCOMPARE(OpenRepertoryDocument(kNowhere, -1)->Title(),
                 QString("Unknown Autor : Repertory"));
        QCOMPARE(Documents().Documents(kRepertorySlot).size(), 3);
        QVERIFY(QApplication::overrideCursor() == nullptr);  // the wait cursor is gone
    }

    void repertoryCommandsReadTheConfigurationAtEachUse() {
        // No configuration: the defaults, which are the demo repertories.
        Commands().Action(ID_OPEN_REPERTORY_HALDEN)->trigger();
        QCOMPARE(NameOf(Documents().ActiveDocument()), QString("REP_DEMO"));
        Commands().Action(ID_OPEN_REPERTORY_ORRESTAD)->trigger();
        QCOMPARE(NameOf(Documents().ActiveDocument()), QString("REP_DEMO_RU"));

        WriteProgramIni("[Sources]\nRepertoryOrre=44F01C90-0055-4CD8-981E-B131F40DFEA2\n");
        Commands().Action(ID_OPEN_REPERTORY_ORRESTAD)->trigger();
        QCOMPARE(NameOf(Documents().ActiveDocument()), QString("REP_DEMO"));
        WriteProgramIni("[Sources]\nRepertoryOrre=01234567-89AB-CDEF-0123-456789ABCDEF\n");
        Commands().Action(ID_OPEN_REPERTORY_ORRESTAD)->trigger();
        QCOMPARE(NameOf(Documents().ActiveDocument()), QString("Unknown Autor"));
        QCOMPARE(Documents().Documents(kRepertorySlot).size(), 3);
    }

    void theSearchWindowIsOne() {
        Commands().Action(ID_SEARCH)->trigger();
        CDocument* search = Documents().ActiveDocument();
        QVERIFY(search != nullptr);
        QCOMPARE(search->Title(), QString("Search"));
        OpenRepertoryDocument(kDemo, -1);
        QCOMPARE(OpenSearchWindow(), search);
        QCOMPARE(Documents().ActiveDocument(), search);
        QCOMPARE(Documents().Documents(kSearchSlot).size(), 1);
    }

    void aRemedyOpensInTheMateriaMedica() {
        Commands().Action(ID_OPEN_MATERIA_MEDICA)->trigger();
        CDocument* materia = Documents().ActiveDocument();
        QVERIFY(materia != nullptr);
        QVERIFY2(materia->Title().startsWith("[") && materia->Title().endsWith("] MM_DEMO"),
                 qPrintable(materia->Title()));
        QCOMPARE(Documents().Template(kMateriaMedicaSlot)->Documents().size(), 1);

        OpenSearchWindow();
        QCOMPARE(OpenRemedy(0), materia);  // the open window shows the next remedy
        QCOMPARE(Documents().ActiveDocument(), materia);
        QCOMPARE(Documents().Documents(kMateriaMedicaSlot).size(), 1);
        QCOMPARE(OpenRemedy(0, kNowhere)->Title().right(2), QString("] "));
    }

    void theAnalysisWindowOpensOncePerAnalysis() {
        CAnalysis* analysis = m_case->Case().AddAnalysis();
        analysis->SetTime("May 01, 2024 10:00");
        CDocument* window = OpenAnalysisWindow(*analysis);
        QVERIFY(window != nullptr);
        QCOMPARE(window->ItemAs<CAnalysis>(), analysis);
        QCOMPARE(window->Title(), QString("Analysis: May 01, 2024 10:00"));
        OpenSearchWindow();
        QCOMPARE(OpenAnalysisWindow(*analysis), window);
        QCOMPARE(Documents().ActiveDocument(), window);

        CAnalysis* other = m_case->Case().AddAnalysis();
        QVERIFY(OpenAnalysisWindow(*other) != window);
        QCOMPARE(Documents().Documents(kAnalysisSlot).size(), 2);

        // Not an analysis of the current case.
        CAnalysis stray;
        QVERIFY(!OpenAnalysisWindow(stray));
        QCOMPARE(Documents().Documents(kAnalysisSlot).size(), 2);
    }

    void theActiveAnalysisWindowCarriesOutItsButtons() {
        CAnalysis* analysis = m_case->Case().AddAnalysis();
        QVERIFY(!Commands().IsEnabled(ID_ADD_SYMPTHOM1));  // no analysis window
        CDocument* window = OpenAnalysisWindow(*analysis);
        for (int id : {ID_ADD_SYMPTHOM1, ID_ADD_SYMPTHOM2, ID_ADD_SYMPTHOM3, ID_ADD_SYMPTHOM4})
            QVERIFY(Commands().IsEnabled(id));

        EventRecorder events;
        Commands().Action(ID_ADD_SYMPTHOM3)->trigger();
        QCOMPARE(analysis->GetSymptomCount(), 2);
        QCOMPARE(analysis->GetSymptom(1)->m_weight, 3);
        QCOMPARE(analysis->GetSymptom(1)->m_name, std::string("Unknown Symptom"));
        QCOMPARE(events.m_codes, (std::vector<unsigned>{EV_UPDATE_ANALYSIS, EV_CASE_MODIFIED}));
        QCOMPARE(m_case->m_marks, 1);

        // Another window active: the buttons are off.
        OpenSearchWindow();
        QVERIFY(!Commands().IsEnabled(ID_ADD_SYMPTHOM1));
        QVERIFY(!Commands().Run(ID_ADD_SYMPTHOM1));
        Documents().Activate(window);
        QVERIFY(Commands().Run(ID_ADD_SYMPTHOM1));
        QCOMPARE(analysis->GetSymptom(2)->m_weight, 1);
    }

    void withoutAHostNothingOpens() {
        m_host.reset();
        QVERIFY(!OpenRepertoryDocument(kDemo, -1));
        QVERIFY(!OpenSearchWindow());
        QVERIFY(!OpenRemedy(1));
        QVERIFY(!OpenAnalysisWindow(*m_case->Case().AddAnalysis()));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_qtest.moc"
