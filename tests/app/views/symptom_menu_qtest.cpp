// Adding selected text as a symptom: what the menu offers for the analyses of
// the case, what each entry does to the records and the bus, and how the
// text views raise it (right button release, context-menu key).
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "analysis/analysis_operations.h"
#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "views/editors/patient_text_view.h"
#include "views/editors/symptom_menu.h"
#include "views/window_texts.h"

using namespace editors;
using namespace editors_test;

namespace {

QStringList EntryTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts.append(action->isSeparator() ? QString("---") : action->text());
    return texts;
}

QAction* Entry(QMenu& menu, int index) {
    return menu.actions().value(index);
}

}  // namespace

class SymptomMenuTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_host;
    std::unique_ptr<CPatientTextView> m_view;
    int m_beeps = 0;
    int m_menus = 0;
    QPoint m_menuAt;
    QStringList m_offered;
    // Which entry the next menu answers with: its index, or -1 to cancel.
    int m_choose = -1;

    CCase& Case() { return m_host->Case(); }

    void Select(int from, int to) {
        QTextCursor cursor(m_view->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        m_view->setTextCursor(cursor);
    }

private Q_SLOTS:
    void initTestCase() { UseScratchHome(); }
    void init() {
        m_host = std::make_unique<FakeCaseHost>();
        m_view = std::make_unique<CPatientTextView>();
        m_view->setPlainText("Burning pains\nworse at night");
        m_beeps = m_menus = 0;
        m_offered.clear();
        m_choose = -1;
        m_view->SetBeeper([this] { ++m_beeps; });
        m_view->SetMenuRunner([this](QMenu& menu, const QPoint& at) {
            ++m_menus;
            m_menuAt = at;
            m_offered = EntryTexts(menu);
            return m_choose >= 0 ? Entry(menu, m_choose) : nullptr;
        });
    }
    void cleanup() {
        m_view.reset();
        m_host.reset();
    }

    void analysesAreOfferedFromTheLastBack() {
        QMenu none;
        FillSymptomMenu(none, Case());
        QCOMPARE(EntryTexts(none), QStringList{"Add to a New Analysis"});  // and no separator

        CAnalysis* first = Case().AddAnalysis();
        Case().AddEpisode("Note");
        CAnalysis* second = Case().AddAnalysis();
        first->SetTime("May 01, 2023 10:00");
        second->SetName("Acute & chronic");
        second->SetTime("June 02, 2023 11:30");
        QMenu menu;
        FillSymptomMenu(menu, Case());
        QCOMPARE(EntryTexts(menu),
                 (QStringList{"Add the symptom to: [June 02, 2023 11:30] Acute && chronic",
                              "Add the symptom to: [May 01, 2023 10:00] Analysis", "---",
                              "Add to a New Analysis"}));
    }

    void shortSelectionsOnlyBeep_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("menu");
        QTest::newRow("nothing") << 0 << false;
        QTest::newRow("two") << 2 << false;
        QTest::newRow("three") << 3 << false;
        QTest::newRow("four") << 4 << true;
    }
    void shortSelectionsOnlyBeep() {
        QFETCH(int, length);
        QFETCH(bool, menu);
        Select(0, length);
        EventRecorder events;
        m_view->OfferSelectionAsSymptom(QPoint(10, 10));
        QCOMPARE(m_beeps, menu ? 0 : 1);
        QCOMPARE(m_menus, menu ? 1 : 0);
        QVERIFY(events.m_codes.empty());
        QVERIFY(Case().GetAnalyses().empty());
    }

    void choosingAnAnalysisAppendsACleanedSymptom() {
        CAnalysis* older = Case().AddAnalysis();
        CAnalysis* newer = Case().AddAnalysis();
        Select(8, 19);  // "pains\nworse" across the paragraph break
        m_choose = 1;   // the second entry: the older analysis
        EventRecorder events;
        m_view->OfferSelectionAsSymptom(QPoint(5, 5));
        QCOMPARE(older->GetSymptomCount(), 2);
        QCOMPARE(newer->GetSymptomCount(), 1);
        QCOMPARE(older->GetFirstSymptom().GetLast()->m_name, std::string("pains worse"));
        QCOMPARE(older->GetFirstSymptom().GetLast()->m_weight, 1);
        QCOMPARE(m_host->m_marks, 1);
        QCOMPARE(events.m_codes, (std::vector<unsigned>{EV_CASE_MODIFIED, EV_UPDATE_ANALYSIS}));
    }

    void choosingANewAnalysisNamesItsFirstSymptom() {
        Select(8, 19);
        m_choose = 0;  // no analysis yet: the only entry
        EventRecorder events;
        m_view->OfferSelectionAsSymptom(QPoint(5, 5));
        const std::vector<CAnalysis*> analyses = Case().GetAnalyses();
        QCOMPARE(analyses.size(), std::size_t(1));
        QCOMPARE(analyses[0]->GetSymptomCount(), 1);
        QCOMPARE(analyses[0]->GetFirstSymptom().m_name, std::string("pains\nworse"));
        QCOMPARE(Case().GetLastItem(), static_cast<COneItem*>(analyses[0]));
        QCOMPARE(events.m_codes, (std::vector<unsigned>{EV_CASE_MODIFIED, EV_UPDATE_ANALYSIS}));
    }

    void cancellingChangesNothing() {
        CAnalysis* analysis = Case().AddAnalysis();
        Select(0, 7);
        EventRecorder events;
        m_view->OfferSelectionAsSymptom(QPoint(5, 5));
        QCOMPARE(m_menus, 1);
        QCOMPARE(analysis->GetSymptomCount(), 1);
        QCOMPARE(Case().GetAnalyses().size(), std::size_t(1));
        QCOMPARE(m_host->m_marks, 0);
        QVERIFY(events.m_codes.empty());
    }

    void anEntryOfARemovedAnalysisChangesNothing() {
        CAnalysis* analysis = Case().AddAnalysis();
        QMenu menu;
        FillSymptomMenu(menu, Case());
        QVERIFY(analysis->Unlink());
        EventRecorder events;
        QVERIFY(!ApplySymptomMenuChoice(Entry(menu, 0), Case(), "Burning"));
        QVERIFY(!ApplySymptomMenuChoice(Entry(menu, 1), Case(), "Burning"));  // the separator
        QVERIFY(events.m_codes.empty());
        QVERIFY(Case().GetAnalyses().empty());
    }

    void rightButtonReleaseOffersTheMenuAtTheMouse() {
        m_view->resize(300, 200);
        Select(0, 7);
        const QPoint at(40, 12);
        QTest::mouseRelease(m_view->viewport(), Qt::RightButton, {}, at);
        QCOMPARE(m_menus, 1);
        QCOMPARE(m_menuAt, m_view->viewport()->mapToGlobal(at));
        QCOMPARE(m_view->textCursor().selectedText(), QString("Burning"));
    }

    void contextMenuKeyOffersTheMenuAtTheSelection() {
        m_view->resize(300, 200);
        Select(0, 7);
        QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
        QApplication::sendEvent(m_view->viewport(), &byKey);
        QCOMPARE(m_menus, 1);
        QTextCursor end = m_view->textCursor();
        end.setPosition(7);
        QCOMPARE(m_menuAt, m_view->viewport()->mapToGlobal(m_view->cursorRect(end).bottomLeft()));

        // The mouse's context menu request shows nothing: the release does.
        QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(m_view->viewport(), &byMouse);
        QCOMPARE(m_menus, 1);
    }

    void withoutACaseNothingIsOffered() {
        m_host->CloseCase();
        Select(0, 7);
        m_view->OfferSelectionAsSymptom(QPoint(5, 5));
        QCOMPARE(m_menus, 0);
    }

    void translatedFormatsAreNotInterpreted_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("two texts") << QByteArray("[%s] %s") << QByteArray("[T] N");
        QTest::newRow("numbers stay") << QByteArray("%d [%s] %n%s") << QByteArray("%d [T] %nN");
        QTest::newRow("percent") << QByteArray("100%% [%s]") << QByteArray("100% [T]");
        QTest::newRow("too many") << QByteArray("%s %s %s") << QByteArray("T N ");
    }
    void translatedFormatsAreNotInterpreted() {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(views::FormatTexts(format.toStdString(), {"T", "N"})),
                 expected);
    }
};

QTEST_MAIN(SymptomMenuTest)
#include "symptom_menu_qtest.moc"
