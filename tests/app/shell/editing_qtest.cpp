// The item editors inside the program: what they write back reaches the
// title, the case file and a reopened editor.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "model/records/case.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/rtf/rtf.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/scripted_dialog_service.h"
#include "shell/case_topics.h"
#include "shell/case_view.h"
#include "shell/case_view_renderer.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell_qtest_support.h"

namespace {

// Types `text` into `widget` one key at a time, letters outside ASCII included.
void Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMeridaneApp> m_app;
    std::unique_ptr<CScriptedDialogService> m_dialogs;
    QString m_path;

    CDocument* Open(CCaseView::TopicKind kind, COneItem* item) {
        m_app->OpenCaseItem(kind, item);
        return m_app->Documents().ActiveDocument();
    }

    // The editor of `document` with the keyboard focus, its cursor at the
    // end of block `line`.
    QTextEdit* FocusedEditor(CDocument* document, int index, int line) {
        QList<QTextEdit*> editors = shell_test::EditorsOf(document);
        if (index >= editors.size()) return nullptr;
        QTextEdit* editor = editors[index];
        editor->setFocus();
        QTextCursor cursor(editor->document()->findBlockByNumber(line));
        cursor.movePosition(QTextCursor::EndOfBlock);
        editor->setTextCursor(cursor);
        return editor;
    }

    CEpisode* SecondEpisode() { return static_cast<CEpisode*>(m_app->CurrentCase()->GetFirstEpisode().GetNext()); }

private Q_SLOTS:
    void init() {
        m_dialogs = std::make_unique<CScriptedDialogService>();
        m_app = std::make_unique<CMeridaneApp>();
        m_app->CreateMainFrame();
        m_path = shell_test::ScratchPath(QStringLiteral("%1.hom").arg(QTest::currentTestFunction()));
        shell_test::WriteCase(*shell_test::SampleCase(), m_path);
        QVERIFY(m_app->OpenCaseFile(m_path));
        m_app->MainFrame()->show();
        QApplication::setActiveWindow(m_app->MainFrame());
        QVERIFY(QTest::qWaitForWindowActive(m_app->MainFrame()));
    }
    void cleanup() {
        m_app.reset();
        m_dialogs.reset();
    }

    void typingANameAndEnterReachesTheTitle() {
        CDocument* card = Open(CCaseView::TopicKind::Patient, nullptr);
        QTextEdit* values = FocusedEditor(card, 1, 0);
        QVERIFY(values != nullptr);
        QTest::keyClicks(values, QStringLiteral("-Smith"));
        QTest::keyClick(values, Qt::Key_Return);
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_name, std::string("Jane Roe-Smith"));
        QCOMPARE(m_app->MainFrame()->windowTitle(), QStringLiteral("Meridane Suite [Jane Roe-Smith*]"));
        QCOMPARE(m_app->MainFrame()->CaseView()->Renderer().At(0).Lines().front().second,
                 QStringLiteral("Jane Roe-Smith"));
    }

    void aLineEditedThenLeftIsWrittenBack() {
        CDocument* card = Open(CCaseView::TopicKind::Patient, nullptr);
        QTextEdit* values = FocusedEditor(card, 1, 1);
        QVERIFY(values != nullptr);
        QTest::keyClicks(values, QStringLiteral(", Leeds"));
        QVERIFY(m_app->IsCaseModified());
        m_app->MainFrame()->CaseView()->setFocus();
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_address, std::string("1 High Street, Leeds"));
    }

    // Save without a dialog still gets the text of the editor that has the
    // keyboard focus; the editor keeps the focus afterwards.
    void saveTakesTheTextOfTheFocusedEditor() {
        CDocument* episode = Open(CCaseView::TopicKind::Episode, SecondEpisode());
        QTextEdit* editor = FocusedEditor(episode, 0, 0);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, QStringLiteral(" Thirst at night."));
        QVERIFY(m_app->SaveCase());
        QVERIFY(shell_test::ReadFile(m_path).find("Thirst at night.") != std::string::npos);
        QVERIFY(!m_app->IsCaseModified());
        QVERIFY(editor->hasFocus());
    }

    // Rich text survives the editor, the file and a reopened editor, code
    // page 1251 letters included.
    void richTextRoundTripsThroughTheFile_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::newRow("episode, latin") << int(CCaseView::TopicKind::Episode) << "Better since Monday";
        QTest::newRow("episode, cyrillic") << int(CCaseView::TopicKind::Episode)
                                           << QString::fromUtf8("Жажда ночью, ёжится");
        QTest::newRow("prescription") << int(CCaseView::TopicKind::Prescription)
                                      << QString::fromUtf8("Sulphur 200C {once} \\ weekly");
    }
    void richTextRoundTripsThroughTheFile() {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        const auto topic = static_cast<CCaseView::TopicKind>(kind);
        COneItem* item = topic == CCaseView::TopicKind::Episode ? static_cast<COneItem*>(SecondEpisode())
                                                                : SecondEpisode()->GetNext();
        QTextEdit* editor = FocusedEditor(Open(topic, item), 0, 0);
        QVERIFY(editor != nullptr);
        editor->selectAll();
        Type(editor, typed);
        QVERIFY(m_app->SaveCase());

        QVERIFY(m_app->NewCase());
        QVERIFY(m_app->OpenCaseFile(m_path));
        COneItem* reopened = m_app->CurrentCase()->GetFirstEpisode().GetNext();
        if (topic == CCaseView::TopicKind::Prescription) reopened = reopened->GetNext();
        const std::string stored = topic == CCaseView::TopicKind::Episode
                                       ? static_cast<CEpisode*>(reopened)->GetDescription()
                                       : static_cast<CPrescription*>(reopened)->GetPrescription();
        QVERIFY(rtf::LooksLikeRtf(stored));
        QCOMPARE(rtf::ToPlainText(stored), typed);
        QTextEdit* again = shell_test::EditorsOf(Open(topic, reopened)).value(0);
        QVERIFY(again != nullptr);
        QCOMPARE(again->toPlainText(), typed);
    }
};

MERIDANE_SHELL_QTEST_MAIN(EditingTest)
#include "editing_qtest.moc"
