// The patient card, episode, prescription and practitioner windows opened
// through the program's templates: what they show, and when an edit reaches
// the record (edit keys, focus loss, closing) with which broadcasts.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "plumbing/rtf/rtf.h"
#include "views/editors/patient_info_doc.h"
#include "views/editors/patient_pad_view.h"
#include "views/editors/patient_text_view.h"
#include "views/editors/prescription_edit_view.h"
#include "views/editors/prescription_view.h"

using namespace editors_test;

class ItemWindowsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_host;
    std::unique_ptr<EditorWindows> m_windows;

    CCase& Case() { return m_host->Case(); }
    CPatientInfo& Card() { return Case().GetPatientInfo(); }
    template <class Record>
    CDocument* Open(int slot, Record* item) {
        return m_windows->Manager().OpenOrActivate(slot, item);
    }
    template <class Record>
    CPatientPadView* OpenPad(int slot, Record* item) {
        return FirstView<CPatientPadView>(Open(slot, item));
    }
    CPrescriptionEditView* OpenPrescription(CPrescription* prescription) {
        return FirstView<CPrescriptionView>(Open(kPrescriptionSlot, prescription))->EditView();
    }
    static void SelectBlock(CCaseTextEdit& edit, int block) {
        QTextCursor cursor(edit.document()->findBlockByNumber(block));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
    }

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

    void cardWindowHasTwoPanesBesideEachOther() {
        CDocument* document = Open(kPatientInfoSlot, &Card());
        QCOMPARE(document->Title(), QString("Patient Info"));
        QCOMPARE(document->Item(), static_cast<void*>(&Card()));
        auto* pad = FirstView<CPatientPadView>(document);
        m_windows->Area().show();
        document->Frames().front()->resize(640, 420);
        QApplication::sendPostedEvents();
        CPatientTextView* labels = pad->LabelsPane();
        CPatientTextView* values = pad->ValuesPane();
        QCOMPARE(labels->geometry(), QRect(0, 0, 187, pad->height()));
        QCOMPARE(values->geometry(), QRect(190, 0, pad->width() - 190, pad->height()));
        QVERIFY(labels->isReadOnly() && !labels->IsWriteBack());
        QVERIFY(!values->isReadOnly() && values->IsWriteBack() && values->IsWriteBackOnEditKeys());
        QCOMPARE(labels->palette().color(QPalette::Base), QColor(240, 240, 240));
        QCOMPARE(values->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(values->palette().color(QPalette::Text), QColor(20, 20, 20));
        QCOMPARE(values->document()->documentMargin(), 5.0);
        QCOMPARE(BlockTexts(*values->document()).mid(0, 3),
                 (QStringList{"John Doe", "Unknown", "1914"}));
        // Every label stands level with its value, long labels and values included.
        Card().m_address = std::string(300, 'x');
        Card().m_description.clear();
        auto* fresh = new CPatientPadView(*static_cast<CPatientInfoDoc*>(document), nullptr);
        fresh->resize(640, 420);
        fresh->show();
        QApplication::sendPostedEvents();
        QTextDocument* left = fresh->LabelsPane()->document();
        QTextDocument* right = fresh->ValuesPane()->document();
        for (int line = 0; line < 10; ++line) {
            const qreal labelTop =
                left->documentLayout()->blockBoundingRect(left->findBlockByNumber(line)).top();
            const qreal valueTop =
                right->documentLayout()->blockBoundingRect(right->findBlockByNumber(line)).top();
            QVERIFY2(qAbs(labelTop - valueTop) < 1.0, qPrintable(QString("line %1").arg(line)));
        }
        delete fresh;
    }

    void itemWindowsTakeTheirRecordFromTheHandOver() {
        CEpisode* episode = Case().AddEpisode("Phone conversation");
        CPrescription* prescription = Case().AddPrescription();
        CDocument* episodeDoc = Open(kEpisodeSlot, episode);
        QCOMPARE(episodeDoc->Title(),
                 "Phone conversation: " + QString::fromStdString(episode->GetTime()));
        auto* pad = FirstView<CPatientPadView>(episodeDoc);
        QVERIFY(pad->LabelsPane() == nullptr);
        QVERIFY(pad->ValuesPane()->IsWriteBack() && !pad->ValuesPane()->IsWriteBackOnEditKeys());
        QCOMPARE(BlockTexts(*pad->ValuesPane()->document()), QStringList{"Type your text here"});

        CDocument* prescriptionDoc = Open(kPrescriptionSlot, prescription);
        QCOMPARE(prescriptionDoc->Title(),
                 "Prescription: " + QString::fromStdString(prescription->GetTime()));
        QCOMPARE(BlockTexts(*OpenPrescription(prescription)->document()),
                 QStringList{"No prescription"});
        QCOMPARE(m_windows->Manager().Documents(kPrescriptionSlot).size(), 1);  // brought forward

        // Another frame of an open document edits the same record.
        QVERIFY(m_windows->Manager().OpenAnotherFrame(episodeDoc) != nullptr);
        QCOMPARE(episodeDoc->Item(), static_cast<void*>(episode));
    }

    void aWrongHandOverOpensNothing() {
        CPrescription* prescription = Case().AddPrescription();
        CEpisode stray("Not in the case");
        int unrelated = 0;
        CDocManager& manager = m_windows->Manager();
        QVERIFY(manager.OpenNew(kEpisodeSlot, {}, prescription) == nullptr);
        QVERIFY(manager.OpenNew(kEpisodeSlot, {}, &stray) == nullptr);
        QVERIFY(manager.OpenNew(kEpisodeSlot) == nullptr);
        QVERIFY(manager.OpenNew(kPrescriptionSlot, {}, &Case().GetFirstEpisode()) == nullptr);
        QVERIFY(manager.OpenNew(kPatientInfoSlot, {}, &unrelated) == nullptr);
        m_host->CloseCase();
        QVERIFY(manager.OpenNew(kPatientInfoSlot) == nullptr);
        QVERIFY(manager.AllDocuments().isEmpty());
    }

    void cardEditKeysWriteTheLinesBack_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("Return") << int(Qt::Key_Return) << QByteArray("Jane Roe");
        QTest::newRow("Enter") << int(Qt::Key_Enter) << QByteArray("Jane Roe");
        QTest::newRow("Delete") << int(Qt::Key_Delete) << QByteArray("Jane RoeUnknown");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QByteArray("Jane Ro");
    }
    void cardEditKeysWriteTheLinesBack() {
        QFETCH(int, key);
        QFETCH(QByteArray, name);
        CPatientTextView* values = OpenPad(kPatientInfoSlot, &Card())->ValuesPane();
        SelectBlock(*values, 0);
        EventRecorder events;
        QTest::keyClicks(values, "Jane Roe");
        QCOMPARE(Card().m_name, std::string("John Doe"));  // letters alone do not write back
        QTest::keyClick(values, Qt::Key(key));
        QCOMPARE(Card().m_name, name.toStdString());
        QVERIFY(rtf::LooksLikeRtf(Card().m_description));
        QCOMPARE(m_host->m_marks, 9);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 10);  // the edit key's second broadcast
    }

    void cardFocusLossWritesBackAndTheDescriptionIsShownFromThen() {
        CPatientPadView* pad = OpenPad(kPatientInfoSlot, &Card());
        LoseFocus(*pad->LabelsPane());
        QVERIFY(Card().m_description.empty());  // the labels pane never writes back

        CPatientTextView* values = pad->ValuesPane();
        MoveToEndOfBlock(*values, 3);
        values->textCursor().insertText("gardener");
        MoveToEndOfBlock(*values, 10);
        values->textCursor().insertText("likes tea");
        EventRecorder events;
        LoseFocus(*values);
        QCOMPARE(Card().m_occupation, std::string("gardener"));
        QCOMPARE(m_host->m_marks, 0);
        QVERIFY(events.m_codes.empty());

        m_windows->Manager().CloseAll({kPatientInfoSlot});
        Card().m_name = "Changed elsewhere";
        values = OpenPad(kPatientInfoSlot, &Card())->ValuesPane();
        QCOMPARE(BlockTexts(*values->document()).value(0), QString("John Doe"));
        QCOMPARE(BlockTexts(*values->document()).value(10), QString("likes tea"));
    }

    void closingAWindowKeepsWhatWasTyped() {
        CPatientTextView* values = OpenPad(kPatientInfoSlot, &Card())->ValuesPane();
        MoveToEndOfBlock(*values, 4);
        values->textCursor().insertText("single");
        CPrescription* prescription = Case().AddPrescription();
        OpenPrescription(prescription)->textCursor().insertText("Typed ");
        for (CDocument* document : m_windows->Manager().AllDocuments())
            delete document->Frames().front();  // the frames' close buttons
        QCOMPARE(Card().m_married, std::string("single"));
        QVERIFY(rtf::ToPlainText(prescription->GetPrescription()).contains("Typed "));
    }

    void recordsThatAreGoneAreNotWritten() {
        CEpisode* episode = Case().AddEpisode("Note");
        CPrescription* prescription = Case().AddPrescription();
        CPatientTextView* episodeText = OpenPad(kEpisodeSlot, episode)->ValuesPane();
        CPrescriptionEditView* prescriptionText = OpenPrescription(prescription);
        CPatientTextView* values = OpenPad(kPatientInfoSlot, &Card())->ValuesPane();
        for (CCaseTextEdit* edit :
             std::initializer_list<CCaseTextEdit*>{episodeText, prescriptionText, values})
            edit->textCursor().insertText("typed");
        QVERIFY(prescription->Unlink());
        QVERIFY(episode->Unlink());
        QTest::keyClick(prescriptionText, Qt::Key_Return);
        LoseFocus(*episodeText);
        m_host->CloseCase();
        QTest::keyClick(values, Qt::Key_Return);
        m_windows.reset();  // closing writes nothing into the deleted records either
    }

    void recordTextsSurviveTheEditors_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("episode") << QByteArray(
            CEpisode::DescriptionTemplate("Type your text here").c_str());
        QTest::newRow("prescription")
            << QByteArray(CPrescription::PrescriptionTemplate("No prescription").c_str());
        QTest::newRow("card template") << QByteArray(CPatientInfo().GetCardTemplate().c_str());
        QTest::newRow("cyrillic, braces, bold") << QByteArray(
            "{\\rtf1\\ansi\\pard \\'c3\\'ee\\'eb\\'ee\\'e2\\'e0 \\{x\\}\\par \\b bold\\b0\\par}");
    }
    void recordTextsSurviveTheEditors() {
        QFETCH(QByteArray, rtf);
        CEpisode* episode = Case().AddEpisode("Note");
        CPrescription* prescription = Case().AddPrescription();
        episode->SetDescription(rtf.toStdString());
        prescription->SetPrescription(rtf.toStdString());
        QTextDocument expected;
        rtf::Load(expected, rtf.toStdString());
        LoseFocus(*OpenPad(kEpisodeSlot, episode)->ValuesPane());
        LoseFocus(*OpenPrescription(prescription));
        for (const std::string& stored :
             {episode->GetDescription(), prescription->GetPrescription()}) {
            QTextDocument again;
            rtf::Load(again, stored);
            QCOMPARE(BlockTexts(again), BlockTexts(expected));
            for (QTextBlock a = again.begin(), e = expected.begin(); a.isValid();
                 a = a.next(), e = e.next()) {
                if (a.text().isEmpty()) continue;
                const QTextCharFormat got = a.begin().fragment().charFormat();
                const QTextCharFormat want = e.begin().fragment().charFormat();
                QCOMPARE(got.fontWeight(), want.fontWeight());
                QCOMPARE(got.fontPointSize(), want.fontPointSize());
                QCOMPARE(got.foreground().color(), want.foreground().color());
            }
        }
    }

    void episodeWritesBackOnFocusLossOnly() {
        CEpisode* episode = Case().AddEpisode("New Episode");
        const std::string before = episode->GetDescription();
        CPatientTextView* text = OpenPad(kEpisodeSlot, episode)->ValuesPane();
        text->selectAll();
        EventRecorder events;
        QTest::keyClicks(text, "Fever");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(episode->GetDescription(), before);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 7);  // one per key, no second broadcast
        LoseFocus(*text);
        QCOMPARE(rtf::ToPlainText(episode->GetDescription()), QString("Fever"));
    }

    void prescriptionKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("writesBack");
        QTest::addColumn<int>("broadcasts");
        QTest::newRow("Return") << int(Qt::Key_Return) << true << 2;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << true << 2;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << true << 2;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true << 2;
        QTest::newRow("letter") << int(Qt::Key_Q) << false << 1;
        QTest::newRow("F5") << int(Qt::Key_F5) << false << 1;
        QTest::newRow("Left") << int(Qt::Key_Left) << false << 0;
        QTest::newRow("Right") << int(Qt::Key_Right) << false << 0;
        QTest::newRow("Up") << int(Qt::Key_Up) << false << 0;
        QTest::newRow("Down") << int(Qt::Key_Down) << false << 0;
    }
    void prescriptionKeys() {
        QFETCH(int, key);
        QFETCH(bool, writesBack);
        QFETCH(int, broadcasts);
        CPrescription* prescription = Case().AddPrescription();
        const std::string before = prescription->GetPrescription();
        CPrescriptionEditView* edit = OpenPrescription(prescription);
        edit->selectAll();
        edit->textCursor().insertText("Sulphur 200C");
        edit->moveCursor(QTextCursor::Start);
        EventRecorder events;
        QTest::keyClick(edit, Qt::Key(key));
        QCOMPARE(events.Count(EV_CASE_MODIFIED), broadcasts);
        QCOMPARE(m_host->m_marks, broadcasts > 0 ? 1 : 0);
        if (writesBack)
            QVERIFY(rtf::ToPlainText(prescription->GetPrescription()).contains("ulphur 200C"));
        else
            QCOMPARE(prescription->GetPrescription(), before);
    }

    void practitionerWindowEditsAnItemsPractitioner() {
        CPrescription* prescription = Case().AddPrescription();
        CDocument* document = m_windows->Manager().OpenNew(kPractitionerSlot);
        QCOMPARE(document->Title(), QString("Practitioner"));
        QCOMPARE(document->Item(), static_cast<void*>(&prescription->GetPractitioner()));
        auto* pad = FirstView<CPatientPadView>(document);
        QCOMPARE(BlockTexts(*pad->LabelsPane()->document()),
                 (QStringList{"Name:", "Title:", "Address:", "Phone:", "Other:", ""}));
        CPatientTextView* values = pad->ValuesPane();
        SelectBlock(*values, 0);
        QTest::keyClicks(values, "Dr. Hale");
        QTest::keyClick(values, Qt::Key_Return);
        QCOMPARE(prescription->GetPractitioner().m_name, std::string("Dr. Hale"));

        CEpisode& first = Case().GetFirstEpisode();
        CDocument* other = Open(kPractitionerSlot, &first.GetPractitioner());
        QCOMPARE(other->Item(), static_cast<void*>(&first.GetPractitioner()));
    }
};

QTEST_MAIN(ItemWindowsTest)
#include "item_windows_qtest.moc"
