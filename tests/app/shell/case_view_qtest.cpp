// The case view: its nodes and their texts, drawing, hit testing, hover, the
// "Open topic" menu, repainting on the event bus, and opening the windows of
// its nodes through the application.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/records/case.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/widgets/interface_fonts.h"
#include "shell/case_topics.h"
#include "shell/case_view.h"
#include "shell/case_view_renderer.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell/patient_bar.h"
#include "shell_qtest_support.h"
#include "views/case_host.h"
#include "views/command_ids.h"
#include "views/document_slots.h"

Q_DECLARE_METATYPE(CCaseView::TopicKind)
Q_DECLARE_METATYPE(COneItem*)

namespace {

// A host holding a case, installed while it lives.
class FakeHost : public CCaseHost {
public:
    explicit FakeHost(std::unique_ptr<CCase> theCase) : m_case(std::move(theCase)) {
        m_previous = Current();
        SetCurrent(this);
    }
    ~FakeHost() override { SetCurrent(m_previous); }
    CCase* CurrentCase() override { return m_case.get(); }
    bool IsCaseModified() const override { return m_modified; }
    void MarkCaseModified() override { m_modified = true; }

private:
    std::unique_ptr<CCase> m_case;
    CCaseHost* m_previous = nullptr;
    bool m_modified = false;
};

using Line = CCaseView::CTopic::Line;

QList<QPair<QString, QString>> LinesOf(const CCaseView::CTopic& topic) {
    QList<QPair<QString, QString>> lines;
    for (const Line& line : topic.Lines()) lines.append({line.first, line.second});
    return lines;
}

// Pixels of the dark blue of the names (allowing for antialiasing).
int NamePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 120 && c.red() < 40 && c.green() < 40) ++count;
        }
    }
    return count;
}

QImage Render(CCase* theCase, bool focused) {
    CCaseViewRenderer renderer(CInterfaceFonts::Shared().Normal());
    renderer.Build(theCase);
    renderer.Layout(300);
    QImage image(300, std::max(renderer.ContentHeight(), 10), QImage::Format_RGB32);
    QPainter painter(&image);
    renderer.Paint(painter, image.rect(), focused, -1);
    return image;
}

}  // namespace

class CaseViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qRegisterMetaType<CCaseView::TopicKind>();
        qRegisterMetaType<COneItem*>();
    }

    void nodesFollowTheChainWithTheirTexts() {
        std::unique_ptr<CCase> theCase = shell_test::SampleCase();
        CCaseViewRenderer renderer(CInterfaceFonts::Shared().Normal());
        renderer.Build(theCase.get());
        QCOMPARE(renderer.Count(), 5);

        const CCaseView::CTopic& patient = renderer.At(0);
        QCOMPARE(patient.Kind(), CCaseView::TopicKind::Patient);
        QVERIFY(patient.Item() == nullptr);
        const QList<QPair<QString, QString>> expected{{"", "Jane Roe"},
                                                      {"Date of birth: ", "May 1, 1980"},
                                                      {"Address: ", "1 High Street"},
                                                      {"W&H: ", "170 cm, 60 kg"},
                                                      {"", "Left-handed"}};
        QCOMPARE(LinesOf(patient), expected);

        COneItem* first = &theCase->GetFirstEpisode();
        const CCaseView::TopicKind kinds[] = {CCaseView::TopicKind::Episode, CCaseView::TopicKind::Episode,
                                              CCaseView::TopicKind::Prescription,
                                              CCaseView::TopicKind::Analysis};
        COneItem* item = first;
        for (int i = 1; i < 5; ++i, item = item->GetNext()) {
            QCOMPARE(renderer.At(i).Kind(), kinds[i - 1]);
            QCOMPARE(renderer.At(i).Item(), item);
            QCOMPARE(renderer.At(i).Lines().front().first,
                     QString::fromStdString(item->GetTime()) + QLatin1Char(':'));
            QCOMPARE(renderer.At(i).Lines().front().second, QString::fromStdString(item->GetName()));
        }
        QCOMPARE(renderer.At(4).Lines().size(), std::size_t(2));
        QCOMPARE(renderer.At(4).Lines()[1].first, QStringLiteral("2 symptoms, 3 rubrics"));
    }

    void optionalPatientLinesAreLeftOutWhenEmpty_data() {
        QTest::addColumn<QString>("married");
        QTest::addColumn<QString>("heightAndWeight");
        QTest::addColumn<QString>("peculiarities");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("all empty") << "" << "" << "" << QStringList{"", "Date of birth: ", "Address: "};
        QTest::newRow("married only") << "yes" << "" << ""
                                      << QStringList{"", "Date of birth: ", "Address: ", "Married: "};
        QTest::newRow("all filled") << "yes" << "1" << "p"
                                    << QStringList{"", "Date of birth: ", "Address: ", "Married: ", "W&H: ", ""};
    }
    void optionalPatientLinesAreLeftOutWhenEmpty() {
        QFETCH(QString, married);
        QFETCH(QString, heightAndWeight);
        QFETCH(QString, peculiarities);
        QFETCH(QStringList, labels);
        CCase theCase;
        theCase.GetPatientInfo().m_married = married.toStdString();
        theCase.GetPatientInfo().m_heightAndWeight = heightAndWeight.toStdString();
        theCase.GetPatientInfo().m_peculiarityes = peculiarities.toStdString();
        CCaseViewRenderer renderer(CInterfaceFonts::Shared().Normal());
        renderer.Build(&theCase);
        QStringList shown;
        for (const Line& line : renderer.At(0).Lines()) shown << line.first;
        QCOMPARE(shown, labels);
    }

    void itemsOfOtherClassesGetNoNode() {
        CCase theCase;
        theCase.GetFirstEpisode().Append(new COneItem);
        theCase.AddAnalysis();
        theCase.AddAnalysis()->GetFirstSymptom().m_topics.resize(4);
        CCaseViewRenderer renderer(CInterfaceFonts::Shared().Normal());
        renderer.Build(&theCase);
        QCOMPARE(renderer.Count(), 4);  // patient, first episode, two analyses
        QCOMPARE(renderer.At(2).Lines()[1].first, QStringLiteral("1 symptoms, 0 rubrics"));
        QCOMPARE(renderer.At(3).Lines()[1].first, QStringLiteral("1 symptoms, 4 rubrics"));
        renderer.Build(nullptr);
        QCOMPARE(renderer.Count(), 0);
    }

    void nodesStandFivePixelsApart() {
        std::unique_ptr<CCase> theCase = shell_test::SampleCase();
        CCaseViewRenderer renderer(CInterfaceFonts::Shared().Normal());
        renderer.Build(theCase.get());
        renderer.Layout(250);
        QCOMPARE(renderer.At(0).Box().top(), 5);
        for (int i = 1; i < renderer.Count(); ++i) {
            QCOMPARE(renderer.At(i).Box().top() - renderer.At(i - 1).Box().bottom() - 1, 5);
            QVERIFY(renderer.At(i).Box().right() < 250);
        }
        QCOMPARE(renderer.HitTest(renderer.At(3).Box().center()), 3);
        QCOMPARE(renderer.HitTest(QPoint(100, renderer.ContentHeight() + 20)), -1);
        QCOMPARE(renderer.HitTest(QPoint(100, 2)), -1);  // the spacing above the first node
    }

    void namesAreDarkBlueUnlessTheViewHasTheFocus() {
        std::unique_ptr<CCase> theCase = shell_test::SampleCase();
        const QImage plain = Render(theCase.get(), false);
        const QImage focused = Render(theCase.get(), true);
        QVERIFY(NamePixels(plain) > 20);
        QCOMPARE(NamePixels(focused), 0);
        QCOMPARE(focused.pixelColor(2, 2), CCaseViewRenderer::FocusedBackground());
        int white = 0;
        for (int x = 0; x < focused.width(); ++x) {
            for (int y = 0; y < focused.height(); ++y) white += focused.pixelColor(x, y) == Qt::white;
        }
        QVERIFY(white > 20);
    }

    void clickingANodeChoosesIt() {
        FakeHost host(shell_test::SampleCase());
        CCaseView view;
        view.resize(300, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy chosen(&view, &CCaseView::TopicChosen);
        const QRect box = view.Renderer().At(2).Box();
        QTest::mouseClick(&view, Qt::LeftButton, {}, box.center());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].value<CCaseView::TopicKind>(), CCaseView::TopicKind::Episode);
        QCOMPARE(chosen[0][1].value<COneItem*>(), host.CurrentCase()->GetFirstEpisode().GetNext());
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(150, 390));  // below every node
        QCOMPARE(chosen.count(), 1);
    }

    void theKeyboardMovesASelectionAndEnterOpensIt() {
        FakeHost host(shell_test::SampleCase());
        CCaseView view;
        view.resize(300, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy chosen(&view, &CCaseView::TopicChosen);
        QCOMPARE(view.SelectedIndex(), -1);
        QTest::keyClick(&view, Qt::Key_Return);  // nothing selected: nothing opens
        QCOMPARE(chosen.count(), 0);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.SelectedIndex(), 0);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.SelectedIndex(), 4);
        QTest::keyClick(&view, Qt::Key_Down);  // stays on the last node
        QCOMPARE(view.SelectedIndex(), 4);
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(view.SelectedIndex(), 2);
        QTest::keyClick(&view, Qt::Key_Enter);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].value<CCaseView::TopicKind>(), CCaseView::TopicKind::Episode);
        QCOMPARE(chosen[0][1].value<COneItem*>(), host.CurrentCase()->GetFirstEpisode().GetNext());
        QTest::keyClick(&view, Qt::Key_Home);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen[1][0].value<CCaseView::TopicKind>(), CCaseView::TopicKind::Patient);
    }

    void theSelectedNodeIsVisible() {
        std::unique_ptr<CCase> theCase = shell_test::SampleCase();
        CCaseViewRenderer renderer(CInterfaceFonts::Shared().Normal());
        renderer.Build(theCase.get());
        renderer.Layout(300);
        const QPoint inside = renderer.At(3).Box().topLeft() + QPoint(2, 2);
        for (bool focused : {false, true}) {
            QImage plain(300, renderer.ContentHeight(), QImage::Format_RGB32);
            QImage selected = plain;
            {
                QPainter painter(&plain);
                renderer.Paint(painter, plain.rect(), focused, -1, -1);
            }
            {
                QPainter painter(&selected);
                renderer.Paint(painter, selected.rect(), focused, -1, 3);
            }
            QVERIFY(plain.pixelColor(inside) != selected.pixelColor(inside));
        }
    }

    void theRightButtonMenuOpensTheNode() {
        FakeHost host(shell_test::SampleCase());
        CCaseView view;
        view.resize(300, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy chosen(&view, &CCaseView::TopicChosen);
        QString entry;
        QTimer::singleShot(0, [&entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr || menu->actions().size() != 1) return;
            entry = menu->actions().first()->text();
            menu->setActiveAction(menu->actions().first());
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::mouseClick(&view, Qt::RightButton, {}, view.Renderer().At(0).Box().center());
        QCOMPARE(entry, QStringLiteral("Open topic"));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].value<CCaseView::TopicKind>(), CCaseView::TopicKind::Patient);
    }

    void hoverFollowsTheMouse() {
        FakeHost host(shell_test::SampleCase());
        CCaseView view;
        view.resize(300, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::mouseMove(&view, view.Renderer().At(1).Box().center());
        QTRY_COMPARE(view.HoverIndex(), 1);
        QTest::mouseMove(&view, QPoint(150, 395));
        QTRY_COMPARE(view.HoverIndex(), -1);
        QTest::mouseMove(&view, view.Renderer().At(3).Box().center());
        QTRY_COMPARE(view.HoverIndex(), 3);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&view, &leave);
        QCOMPARE(view.HoverIndex(), -1);
    }

    // The nodes are kept until an event tells the view that the case changed.
    void theViewRebuildsOnTheCaseEvents_data() {
        QTest::addColumn<unsigned>("code");
        QTest::addColumn<int>("nodes");
        QTest::newRow("analysis changed") << EV_UPDATE_ANALYSIS << 6;
        QTest::newRow("case modified") << EV_CASE_MODIFIED << 6;
        QTest::newRow("materia medica changed") << EV_UPDATE_MATERIA_MEDICA << 5;
    }
    void theViewRebuildsOnTheCaseEvents() {
        QFETCH(unsigned, code);
        QFETCH(int, nodes);
        FakeHost host(shell_test::SampleCase());
        CCaseView view;
        view.resize(300, 400);
        QCOMPARE(view.Renderer().Count(), 5);
        host.CurrentCase()->AddPrescription();
        QCOMPARE(view.Renderer().Count(), 5);
        BroadcastEvent(code);
        QCOMPARE(view.Renderer().Count(), nodes);
    }

    // Clicking a node opens its window once and brings it forward afterwards.
    void aNodeOpensItsWindowOnce() {
        CMeridaneApp app;
        app.CreateMainFrame();
        const QString path = shell_test::ScratchPath("nodes.hom");
        shell_test::WriteCase(*shell_test::SampleCase(), path);
        QVERIFY(app.OpenCaseFile(path));
        CCaseView* view = app.MainFrame()->CaseView();
        app.MainFrame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.MainFrame()));
        CDocManager& documents = app.Documents();

        auto click = [view](int node) {
            QTest::mouseClick(view, Qt::LeftButton, {}, view->Renderer().At(node).Box().center());
        };
        click(0);
        QCOMPARE(documents.Documents(kPatientInfoSlot).size(), 1);
        CDocument* card = documents.ActiveDocument();
        QVERIFY(card != nullptr);
        click(1);
        QCOMPARE(documents.Documents(kEpisodeSlot).size(), 1);
        CDocument* episode = documents.ActiveDocument();
        QVERIFY(episode != card);
        QCOMPARE(episode->Item(), static_cast<void*>(&app.CurrentCase()->GetFirstEpisode()));
        click(0);
        QCOMPARE(documents.Documents(kPatientInfoSlot).size(), 1);
        QCOMPARE(documents.ActiveDocument(), card);
        click(3);
        QCOMPARE(documents.Documents(kPrescriptionSlot).size(), 1);
        click(4);
        QCOMPARE(documents.Documents(kAnalysisSlot).size(), 1);
        CDocument* analysis = documents.ActiveDocument();
        QCOMPARE(analysis->ItemAs<CAnalysis>(), app.CurrentCase()->GetAnalyses().front());
        click(0);
        click(4);  // brought forward, not opened again
        QCOMPARE(documents.Documents(kAnalysisSlot).size(), 1);
        QCOMPARE(documents.ActiveDocument(), analysis);
        QCOMPARE(documents.AllDocuments().size(), 4);

        // New closes the windows of the case.
        QVERIFY(app.NewCase());
        QCOMPARE(documents.AllDocuments().size(), 0);
    }

    void hidingAndShowingThePatientCardKeepsTheView() {
        CMeridaneApp app;
        app.CreateMainFrame();
        QVERIFY(app.NewCase());
        app.MainFrame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.MainFrame()));
        CCaseView* view = app.MainFrame()->CaseView();
        const int nodes = view->Renderer().Count();
        app.Commands().Action(ID_SHOW_HIDE_PATIENT_CASE)->trigger();
        QVERIFY(!app.MainFrame()->PatientBar()->isVisible());
        app.Commands().Action(ID_SHOW_HIDE_PATIENT_CASE)->trigger();
        QVERIFY(app.MainFrame()->PatientBar()->isVisible());
        QCOMPARE(app.MainFrame()->CaseView(), view);
        QCOMPARE(view->Renderer().Count(), nodes);
        QCOMPARE(CCaseView::Instance(), view);
    }

    void f5MovesTheFocusToTheCaseView() {
        CMeridaneApp app;
        app.CreateMainFrame();
        QVERIFY(app.NewCase());
        app.MainFrame()->show();
        QApplication::setActiveWindow(app.MainFrame());
        QVERIFY(QTest::qWaitForWindowActive(app.MainFrame()));
        app.MainFrame()->PatientBar()->hide();
        QTest::keyClick(app.MainFrame(), Qt::Key_F5);
        QVERIFY(app.MainFrame()->PatientBar()->isVisible());
        QTRY_VERIFY(app.MainFrame()->CaseView()->hasFocus());
    }

    // One broadcast reaches the frame and the view in the order they joined;
    // a receiver behind them may broadcast again from its handler.
    void theBusCallsInOrderAndMayBeReentered() {
        CMeridaneApp app;
        app.CreateMainFrame();
        QVERIFY(app.NewCase());
        CMainFrame* frame = app.MainFrame();
        QStringList seen;
        struct Later : event_client {
            std::function<void(unsigned)> handler;
            void OnEvent(unsigned code, std::uintptr_t, std::uintptr_t, std::uintptr_t) override {
                handler(code);
            }
        } later;
        later.handler = [&](unsigned code) {
            seen << QStringLiteral("%1 %2").arg(code, 0, 16).arg(frame->windowTitle());
            if (code == EV_UPDATE_ANALYSIS) {
                app.CurrentCase()->GetPatientInfo().m_name = "Renamed";
                app.MarkCaseModified();  // broadcasts EV_CASE_MODIFIED from inside
            }
        };
        app.CurrentCase()->AddAnalysis();
        BroadcastEvent(EV_UPDATE_ANALYSIS);
        QCOMPARE(seen, QStringList({"80fe Meridane Suite [John Doe]",
                                    "8101 Meridane Suite [Renamed*]"}));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Meridane Suite [Renamed*]"));
        QCOMPARE(frame->CaseView()->Renderer().Count(), 3);
        QCOMPARE(frame->CaseView()->Renderer().At(0).Lines().front().second, QStringLiteral("Renamed"));
    }
};

MERIDANE_SHELL_QTEST_MAIN(CaseViewTest)
#include "case_view_qtest.moc"
