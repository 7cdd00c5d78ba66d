// The episode, prescription and practitioner windows: opening them through
// the program's templates with the record handed over, their titles, the
// round trip of the records' own rich texts through the editors, and when an
// edit reaches the record.
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "plumbing/rtf/rtf.h"
#include "views/editors/episode_doc.h"
#include "views/editors/patient_pad_view.h"
#include "views/editors/patient_text_view.h"
#include "views/editors/prescription_doc.h"
#include "views/editors/prescription_edit_view.h"
#include "views/editors/prescription_view.h"

using namespace editors_test;

class ItemEditorsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeCaseHost> m_host;
    std::unique_ptr<EditorWindows> m_windows;

    CDocument* Open(int slot, void* item) {
        return m_windows->Manager().OpenOrActivate(slot, item);
    }
    CPatientTextView* OpenEpisode(CEpisode* episode) {
        auto* pad = FirstView<CPatientPadView>(Open(kEpisodeSlot, episode));
        return pad != nullptr ? pad->ValuesPane() : nullptr;
    }
    CPrescriptionEditView* OpenPrescription(CPrescription* prescription) {
        auto* view = FirstView<CPrescriptionView>(Open(kPrescriptionSlot, prescription));
        return view != nullptr ? view->EditView() : nullptr;
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

    void episodeWindowShowsItsDescription() {
        CEpisode* episode = m_host->Case().AddEpisode("Phone conversation");
        CDocument* document = Open(kEpisodeSlot, episode);
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(),
                 QString("Phone conversation: ") + QString::fromStdString(episode->GetTime()));
        QCOMPARE(document->Item(), static_cast<void*>(episode));
        auto* pad = FirstView<CPatientPadView>(document);
        QVERIFY(pad->LabelsPane() == nullptr);
        CPatientTextView* text = pad->ValuesPane();
        QVERIFY(text->IsWriteBack());
        QVERIFY(!text->IsWriteBackOnEditKeys());
        QCOMPARE(BlockTexts(*text->document()), QStringList{"Type your text here"});

        m_windows->Area().show();
        document->Frames().front()->resize(500, 300);
        QApplication::sendPostedEvents();
        QCOMPARE(text->geometry(), pad->rect());
    }

    void prescriptionWindowShowsItsText() {
        CPrescription* prescription = m_host->Case().AddPrescription();
        CDocument* document = Open(kPrescriptionSlot, prescription);
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(),
                 QString("Prescription: ") + QString::fromStdString(prescription->GetTime()));
        CPrescriptionEditView* edit = FirstView<CPrescriptionView>(document)->EditView();
        QVERIFY(edit->IsWriteBack() && edit->IsWriteBackOnEditKeys());
        QCOMPARE(BlockTexts(*edit->document()), QStringList{"No prescription"});
    }

    void openingTheSameItemAgainBringsItForward() {
        CEpisode* episode = m_host->Case().AddEpisode("Note");
        CDocument* first = Open(kEpisodeSlot, episode);
        QCOMPARE(Open(kEpisodeSlot, episode), first);
        QCOMPARE(first->Frames().size(), 1);
        // Another frame of the same document edits the same record.
        QVERIFY(m_windows->Manager().OpenAnotherFrame(first) != nullptr);
        QCOMPARE(first->Frames().size(), 2);
    }

    void aWrongHandOverOpensNothing() {
        CPrescription* prescription = m_host->Case().AddPrescription();
        CEpisode stray("Not in the case");
        int unrelated = 0;
        CDocManager& manager = m_windows->Manager();
        QVERIFY(manager.OpenNew(kEpisodeSlot, {}, prescription) == nullptr);
        QVERIFY(manager.OpenNew(kEpisodeSlot, {}, &stray) == nullptr);
        QVERIFY(manager.OpenNew(kEpisodeSlot) == nullptr);
        QVERIFY(manager.OpenNew(kPrescriptionSlot, {}, &m_host->Case().GetFirstEpisode()) == nullptr);
        QVERIFY(manager.OpenNew(kPatientInfoSlot, {}, &unrelated) == nullptr);
        m_host->CloseCase();
        QVERIFY(manager.OpenNew(kPrescriptionSlot, {}, &unrelated) == nullptr);
        QVERIFY(manager.AllDocuments().isEmpty());
    }

    void recordTextsSurviveTheEditors_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("episode") << QByteArray(CEpisode::DescriptionTemplate("Type your text here").c_str());
        QTest::newRow("prescription")
            << QByteArray(CPrescription::PrescriptionTemplate("No prescription").c_str());
        QTest::newRow("card template") << QByteArray(CPatientInfo().GetCardTemplate().c_str());
        QTest::newRow("cyrillic, braces, two paragraphs")
            << QByteArray("{\\rtf1\\ansi\\pard \\'c3\\'ee\\'eb\\'ee\\'e2\\'e0 \\{x\\}\\par \\b bold\\b0\\par}");
    }
    void recordTextsSurviveTheEditors() {
        QFETCH(QByteArray, rtf);
        CEpisode* episode = m_host->Case().AddEpisode("Note");
        CPrescription* prescription = m_host->Case().AddPrescription();
        episode->SetDescription(rtf.toStdString());
        prescription->SetPrescription(rtf.toStdString());
        QTextDocument expected;
        rtf::Load(expected, rtf.toStdString());

        CPatientTextView* episodeText = OpenEpisode(episode);
        CPrescriptionEditView* prescriptionText = OpenPrescription(prescription);
        QCOMPARE(BlockTexts(*episodeText->document()), BlockTexts(expected));
        LoseFocus(*episodeText);
        LoseFocus(*prescriptionText);
        m_windows->Manager().CloseAll({kEpisodeSlot, kPrescriptionSlot});

        // Written back by the editors and shown again: the same lines, the
        // same formats.
        for (const std::string& stored : {episode->GetDescription(), prescription->GetPrescription()}) {
            QVERIFY(rtf::LooksLikeRtf(stored));
            QTextDocument again;
            rtf::Load(again, stored);
            QCOMPARE(BlockTexts(again), BlockTexts(expected));
            for (QTextBlock a = again.begin(), e = expected.begin(); a.isValid() && e.isValid();
                 a = a.next(), e = e.next()) {
                if (a.text().isEmpty()) continue;
                const QTextCharFormat got = a.begin().fragment().charFormat();
                const QTextCharFormat want = e.begin().fragment().charFormat();
                QCOMPARE(got.fontWeight(), want.fontWeight());
                QCOMPARE(got.fontPointSize(), want.fontPointSize());
                QCOMPARE(got.foreground().color(), want.foreground().color());
            }
        }
        QCOMPARE(m_host->m_marks, 0);
    }

    void episodeWritesBackOnFocusLossOnly() {
        CEpisode* episode = m_host->Case().AddEpisode("New Episode");
        const std::string before = episode->GetDescription();
        CPatientTextView* text = OpenEpisode(episode);
        text->selectAll();
        EventRecorder events;
        QTest::keyClicks(text, "Fever");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(episode->GetDescription(), before);
        QCOMPARE(m_host->m_marks, 7);
        QCOMPARE(events.Count(EV_CASE_MODIFIED), 7);  // no second broadcast in an episode
        LoseFocus(*text);
        QCOMPARE(rtf::ToPlainText(episode->GetDescription()), QString("Fever"));
    }

    void prescriptionWritesBackOnEditKeys_data() {
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
        QTest::newRow("Down") << int(Qt::Key_Down) << false << 0;
    }
    void prescriptionWritesBackOnEditKeys() {
        QFETCH(int, key);
        QFETCH(bool, writesBack);
        QFETCH(int, broadcasts);
        CPrescription* prescription = m_host->Case().AddPrescription();
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

    void aRemovedItemIsNotWritten() {
        CEpisode* episode = m_host->Case().AddEpisode("Note");
        CPrescription* prescription = m_host->Case().AddPrescription();
        CPatientTextView* episodeText = OpenEpisode(episode);
        CPrescriptionEditView* prescriptionText = OpenPrescription(prescription);
        episodeText->textCursor().insertText("typed");
        prescriptionText->textCursor().insertText("typed");
        QVERIFY(prescription->Unlink());
        QVERIFY(episode->Unlink());
        // Keys, focus loss and closing must leave the deleted records alone.
        QTest::keyClick(prescriptionText, Qt::Key_Return);
        LoseFocus(*episodeText);
        m_windows.reset();
    }

    void practitionerWindowEditsTheLastItemsPractitioner() {
        m_host->Case().AddEpisode("Note");
        CPrescription* prescription = m_host->Case().AddPrescription();
        CDocument* document = m_windows->Manager().OpenNew(kPractitionerSlot);
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(), QString("Practitioner"));
        QCOMPARE(document->Item(), static_cast<void*>(&prescription->GetPractitioner()));
        auto* pad = FirstView<CPatientPadView>(document);
        QCOMPARE(BlockTexts(*pad->LabelsPane()->document()).value(1), QString("Title:"));
        CPatientTextView* values = pad->ValuesPane();
        QCOMPARE(BlockTexts(*values->document()).value(0), QString("none"));

        QTextCursor line0(values->document()->firstBlock());
        line0.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        values->setTextCursor(line0);
        QTest::keyClicks(values, "Dr. Hale");
        QTest::keyClick(values, Qt::Key_Return);
        QCOMPARE(prescription->GetPractitioner().m_name, std::string("Dr. Hale"));

        // Handing over an item (or its record) opens that item's practitioner.
        CEpisode& first = m_host->Case().GetFirstEpisode();
        CDocument* other = Open(kPractitionerSlot, &first.GetPractitioner());
        QVERIFY(other != nullptr && other != document);
        QCOMPARE(other->Item(), static_cast<void*>(&first.GetPractitioner()));
    }
};

QTEST_MAIN(ItemEditorsTest)
#include "item_editors_qtest.moc"
