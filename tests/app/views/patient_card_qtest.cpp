// The patient card window: opened through the program's template, its two
// panes, and how edits of the values pane reach the card (Enter, Delete,
// Backspace, focus loss, closing the window).
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "model/records/patient_info.h"
#include "plumbing/rtf/rtf.h"
#include "views/editors/patient_info_doc.h"
#include "views/editors/patient_pad_view.h"
#include "views/editors/patient_text_view.h"

using namespace editors_test;

class PatientCardTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_host;
    std::unique_ptr<EditorWindows> m_windows;

    CDocument* OpenCard() {
        return m_windows->Manager().OpenOrActivate(kPatientInfoSlot,
                                                   &m_host->Case().GetPatientInfo());
    }
    CPatientPadView* OpenCardView() { return FirstView<CPatientPadView>(OpenCard()); }
    CPatientInfo& Card() { return m_host->Case().GetPatientInfo(); }

private Q_SLOTS:
    void initTestCase() { UseScratchHome(); }
    void init() {
        m_host = std::make_unique<FakeCaseHost>();
        m_windows = std::make_unique<EditorWindows>();
    }
    void cleanup() {
        m_windows.reset();
        m_host.reset();
    }

    void opensWithTwoPanesBesideEachOther() {
        CDocument* document = OpenCard();
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(), QString("Patient Info"));
        QCOMPARE(document->Item(), static_cast<void*>(&Card()));
        auto* pad = FirstView<CPatientPadView>(document);
        QVERIFY(pad != nullptr);
        m_windows->Area().show();
        document->Frames().front()->resize(640, 420);
        QApplication::sendPostedEvents();
        QVERIFY(pad->width() > 190 && pad->height() > 0);

        CPatientTextView* labels = pad->LabelsPane();
        CPatientTextView* values = pad->ValuesPane();
        QVERIFY(labels != nullptr && values != nullptr);
        QCOMPARE(labels->geometry(), QRect(0, 0, 187, pad->height()));
        QCOMPARE(values->geometry(), QRect(190, 0, pad->width() - 190, pad->height()));
        QVERIFY(labels->isReadOnly());
        QVERIFY(!labels->IsWriteBack());
        QVERIFY(!values->isReadOnly());
        QVERIFY(values->IsWriteBack());
        QCOMPARE(labels->palette().color(QPalette::Base), QColor(240, 240, 240));
        QCOMPARE(values->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(values->palette().color(QPalette::Text), QColor(20, 20, 20));
        QCOMPARE(values->document()->documentMargin(), 5.0);

        const QStringList lines = BlockTexts(*values->document());
        QCOMPARE(lines.value(0), QString("John Doe"));
        QCOMPARE(lines.value(2), QString("1914"));
        QCOMPARE(BlockTexts(*labels->document()).value(10), QString("Other:"));
    }

    void secondOpenBringsTheSameWindowForward() {
        CDocument* first = OpenCard();
        CDocument* second = OpenCard();
        QCOMPARE(second, first);
        QCOMPARE(m_windows->Manager().Documents(kPatientInfoSlot).size(), 1);
    }

    void openingWithoutACaseFails() {
        m_host->CloseCase();
        QVERIFY(m_windows->Manager().OpenNew(kPatientInfoSlot) == nullptr);
        QVERIFY(m_windows->Manager().Documents(kPatientInfoSlot).isEmpty());
    }

    void editKeysWriteTheLinesBack_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Delete") << int(Qt::Key_Delete);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
    }
    void editKeysWriteTheLinesBack() {
        QFETCH(int, key);
        CPatientTextView* values = OpenCardView()->ValuesPane();
        // A change made without keys stays in the pane until a key writes it back.
        MoveToEndOfBlock(*values, 0);
        values->textCursor().insertText("xyz");
        QCOMPARE(Card().m_name, std::string("John Doe"));
        QVERIFY(Card().m_description.empty());

        EventRecorder events;
        QTest::keyClick(values, Qt::Key(key));
        QVERIFY(Card().m_name.rfind("John Doe", 0) == 0);
        QVERIFY(rtf::LooksLikeRtf(Card().m_description));
        QCOMPARE(m_host->m_marks, 1);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 2);  // the mark, then the write-back's own
    }

    void typingANameAndEnterUpdatesName() {
        CPatientTextView* values = OpenCardView()->ValuesPane();
        QTextCursor line0(values->document()->firstBlock());
        line0.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        values->setTextCursor(line0);
        EventRecorder events;
        QTest::keyClicks(values, "Jane Roe");
        QCOMPARE(Card().m_name, std::string("John Doe"));  // letters alone do not write back
        QTest::keyClick(values, Qt::Key_Return);
        QCOMPARE(Card().m_name, std::string("Jane Roe"));
        QCOMPARE(m_host->m_marks, 9);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 10);
    }

    void focusLossWritesBackWithoutMarking() {
        CPatientPadView* pad = OpenCardView();
        CPatientTextView* values = pad->ValuesPane();
        MoveToEndOfBlock(*values, 3);
        values->textCursor().insertText("gardener");
        EventRecorder events;
        LoseFocus(*values);
        QCOMPARE(Card().m_occupation, std::string("gardener"));
        QVERIFY(!Card().m_description.empty());
        QCOMPARE(m_host->m_marks, 0);
        QVERIFY(events.m_codes.empty());

        // The labels pane never writes back.
        Card().m_description.clear();
        LoseFocus(*pad->LabelsPane());
        QVERIFY(Card().m_description.empty());
    }

    void afterTheFirstWriteBackTheDescriptionIsShown() {
        CPatientTextView* values = OpenCardView()->ValuesPane();
        MoveToEndOfBlock(*values, 10);
        values->textCursor().insertText("likes tea");
        LoseFocus(*values);
        m_windows->Manager().CloseAll({kPatientInfoSlot});

        Card().m_name = "Changed elsewhere";  // not on the pane any more
        values = OpenCardView()->ValuesPane();
        const QStringList lines = BlockTexts(*values->document());
        QCOMPARE(lines.value(0), QString("John Doe"));
        QCOMPARE(lines.value(10), QString("likes tea"));
    }

    void closingTheWindowKeepsWhatWasTyped() {
        CDocument* document = OpenCard();
        CPatientTextView* values = FirstView<CPatientPadView>(document)->ValuesPane();
        MoveToEndOfBlock(*values, 4);
        values->textCursor().insertText("single");
        delete document->Frames().front();  // the frame's close button
        QVERIFY(m_windows->Manager().Documents(kPatientInfoSlot).isEmpty());
        QCOMPARE(Card().m_married, std::string("single"));
    }

    void aCardOfAReplacedCaseIsNotWritten() {
        CPatientTextView* values = OpenCardView()->ValuesPane();
        MoveToEndOfBlock(*values, 0);
        values->textCursor().insertText(" junior");
        m_host->CloseCase();  // the card is gone; the window must not touch it
        QTest::keyClick(values, Qt::Key_Return);
        LoseFocus(*values);
        m_windows.reset();
    }

    void keysMarkTheCaseExceptArrows_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("marks");
        QTest::newRow("letter") << int(Qt::Key_A) << 1;
        QTest::newRow("space") << int(Qt::Key_Space) << 1;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 1;
        QTest::newRow("home") << int(Qt::Key_Home) << 1;
        QTest::newRow("left") << int(Qt::Key_Left) << 0;
        QTest::newRow("right") << int(Qt::Key_Right) << 0;
        QTest::newRow("up") << int(Qt::Key_Up) << 0;
        QTest::newRow("down") << int(Qt::Key_Down) << 0;
    }
    void keysMarkTheCaseExceptArrows() {
        QFETCH(int, key);
        QFETCH(int, marks);
        CPatientTextView* values = OpenCardView()->ValuesPane();
        MoveToEndOfBlock(*values, 1);
        EventRecorder events;
        QTest::keyClick(values, Qt::Key(key));
        QCOMPARE(m_host->m_marks, marks);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), marks);
        QCOMPARE(m_host->m_modified, marks > 0);
    }
};

QTEST_MAIN(PatientCardTest)
#include "patient_card_qtest.moc"
