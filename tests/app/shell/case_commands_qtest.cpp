// The case commands of the application object through the dialog seam: the
// title, New with its question, Open, Save and Save As, the recent files.
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/records/case.h"
#include "plumbing/ribbon/application_menu.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/widgets/scripted_dialog_service.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell_qtest_support.h"
#include "views/command_ids.h"

using Answer = CDialogService::Answer;

class CaseCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMeridaneApp> m_app;
    std::unique_ptr<CScriptedDialogService> m_dialogs;

    CMainFrame* Frame() const { return m_app->MainFrame(); }

    // A modified new case named `name`.
    void ModifiedCase(const char* name = "Jane Roe") {
        QVERIFY(m_app->NewCase());
        m_app->CurrentCase()->GetPatientInfo().m_name = name;
        m_app->MarkCaseModified();
    }

    QString SampleFile(const QString& name) {
        const QString path = shell_test::ScratchPath(name);
        shell_test::WriteCase(*shell_test::SampleCase(), path);
        return path;
    }

    int CountRequests(const char* kind) const {
        int count = 0;
        for (const auto& request : m_dialogs->Requests()) count += request.kind == QLatin1String(kind);
        return count;
    }

private Q_SLOTS:
    void init() {
        m_dialogs = std::make_unique<CScriptedDialogService>();
        m_app = std::make_unique<CMeridaneApp>();
        m_app->CreateMainFrame();
    }
    void cleanup() {
        m_app.reset();
        m_dialogs.reset();
    }

    void titleFollowsTheCaseAndItsModifiedFlag() {
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite"));
        QVERIFY(m_app->NewCase());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [John Doe]"));
        m_app->MarkCaseModified();
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [John Doe*]"));
        QVERIFY(m_app->Commands().IsEnabled(ID_CASE_SAVE));
        m_dialogs->QueueSave(shell_test::ScratchPath("title.hom"));
        QVERIFY(m_app->SaveCase());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [John Doe]"));
        QVERIFY(!m_app->Commands().IsEnabled(ID_CASE_SAVE));
    }

    void newCaseOnAnUnmodifiedCaseDoesNotAsk() {
        QVERIFY(m_app->NewCase());
        QVERIFY(m_app->NewCase());
        QCOMPARE(CountRequests("yesnocancel"), 0);
    }

    void newCaseCancelKeepsTheCaseAndItsFlag() {
        ModifiedCase();
        CCase* before = m_app->CurrentCase();
        m_dialogs->QueueAnswer(Answer::Cancel);
        QVERIFY(!m_app->NewCase());
        QCOMPARE(m_app->CurrentCase(), before);
        QVERIFY(m_app->IsCaseModified());
        QCOMPARE(m_dialogs->Requests().last().caption, QStringLiteral("Attantion"));
        QVERIFY(m_dialogs->Requests().last().text.startsWith(QString::fromUtf8("Документ был изменнён.")));
    }

    void newCaseNoDropsTheChanges() {
        ModifiedCase();
        m_dialogs->QueueAnswer(Answer::No);
        QVERIFY(m_app->NewCase());
        QVERIFY(!m_app->IsCaseModified());
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_name, std::string("John Doe"));
        QVERIFY(m_app->CasePath().isEmpty());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [John Doe]"));
    }

    void newCaseYesSavesFirst() {
        ModifiedCase("Saved First");
        const QString path = shell_test::ScratchPath("saved_first.hom");
        m_dialogs->QueueAnswer(Answer::Yes);
        m_dialogs->QueueSave(path);
        QVERIFY(m_app->NewCase());
        QVERIFY(shell_test::ReadFile(path).find("Name \"Saved First\"") != std::string::npos);
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_name, std::string("John Doe"));
    }

    // Yes with the save dialog cancelled must not lose the changes.
    void newCaseYesWithoutASaveKeepsTheCase() {
        ModifiedCase("Not Saved");
        CCase* before = m_app->CurrentCase();
        m_dialogs->QueueAnswer(Answer::Yes);  // the save dialog is then cancelled
        QVERIFY(!m_app->NewCase());
        QCOMPARE(m_app->CurrentCase(), before);
        QVERIFY(m_app->IsCaseModified());
    }

    // Close asks like New, and leaves no case: the case commands go grey.
    void closeAsksAndLeavesNoCase() {
        QVERIFY(!m_app->Commands().IsEnabled(ID_CASE_CLOSE));
        ModifiedCase();
        QVERIFY(m_app->Commands().IsEnabled(ID_CASE_CLOSE));
        m_dialogs->QueueAnswer(Answer::Cancel);
        m_app->Commands().Run(ID_CASE_CLOSE);
        QVERIFY(m_app->CurrentCase() != nullptr);
        QVERIFY(m_app->IsCaseModified());
        m_dialogs->QueueAnswer(Answer::No);
        m_app->Commands().Run(ID_CASE_CLOSE);
        QVERIFY(m_app->CurrentCase() == nullptr);
        QVERIFY(!m_app->IsCaseModified());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite"));
        for (int id : {ID_CASE_CLOSE, ID_CASE_SAVE, ID_CASE_SAVE_AS, ID_ADD_NEW_ANALYSIS})
            QVERIFY(!m_app->Commands().IsEnabled(id));
        QCOMPARE(CountRequests("yesnocancel"), 2);
    }

    void openUsesTheCaseFilterAndAddsTheRecentFile() {
        QVERIFY(m_app->NewCase());
        const QString path = SampleFile("opened.hom");
        m_dialogs->QueueOpen(path);
        m_app->ChooseAndOpenCase();
        const auto& request = m_dialogs->Requests().first().file;
        QCOMPARE(m_dialogs->Requests().first().caption, QStringLiteral("Open"));
        QCOMPARE(request.filters,
                 QStringList({QStringLiteral("All Files (*)"), QStringLiteral("Homeopathic case (*.hom)")}));
        QCOMPARE(request.selectedFilter, 1);
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_name, std::string("Jane Roe"));
        QCOMPARE(m_app->CasePath(), path);
        QVERIFY(!m_app->IsCaseModified());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [Jane Roe]"));
        QCOMPARE(m_app->RecentFiles().Paths().value(0), path);
        QCOMPARE(Frame()->Ribbon()->ApplicationMenu()->RecentDocuments().value(0), path);
    }

    void openCancelledChangesNothing() {
        ModifiedCase();
        CCase* before = m_app->CurrentCase();
        m_app->ChooseAndOpenCase();
        QCOMPARE(m_app->CurrentCase(), before);
        QVERIFY(m_app->IsCaseModified());
    }

    // A file that cannot be read or parsed keeps the open case and is named
    // in the message; it does not join the recent files.
    void openingABrokenFileKeepsTheCase_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("not a tree") << QByteArray("PatientInfo { Name \"x\"") << true;
        QTest::newRow("unknown item type")
            << QByteArray("Meridane_Suite_Software_Project\n{\n Case_Episodes\n {\n  Next_Item\n  {\n"
                          "   CNothing\n   {\n   }\n  }\n }\n}\n")
            << true;
    }
    void openingABrokenFileKeepsTheCase() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        ModifiedCase("Kept");
        CCase* before = m_app->CurrentCase();
        const QString path = shell_test::ScratchPath(QStringLiteral("broken_%1.hom").arg(QTest::currentDataTag()).replace(' ', '_'));
        QFile::remove(path);
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QStringList recentBefore = m_app->RecentFiles().Paths();
        QVERIFY(!m_app->OpenCaseFile(path));
        QCOMPARE(m_app->CurrentCase(), before);
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_name, std::string("Kept"));
        QVERIFY(m_app->IsCaseModified());
        QCOMPARE(m_app->RecentFiles().Paths(), recentBefore);
        QCOMPARE(CountRequests("yesnocancel"), 0);
        QCOMPARE(m_dialogs->Requests().last().kind, QStringLiteral("message"));
        QVERIFY(m_dialogs->Requests().last().text.contains(path));
    }

    // Opening a file over a modified case asks first; Cancel keeps the case.
    void openingOverAModifiedCaseAsks() {
        const QString path = SampleFile("over_modified.hom");
        ModifiedCase("Unsaved");
        CCase* before = m_app->CurrentCase();
        m_dialogs->QueueAnswer(Answer::Cancel);
        QVERIFY(!m_app->OpenCaseFile(path));
        QCOMPARE(m_app->CurrentCase(), before);
        m_dialogs->QueueAnswer(Answer::No);
        QVERIFY(m_app->OpenCaseFile(path));
        QCOMPARE(m_app->CurrentCase()->GetPatientInfo().m_name, std::string("Jane Roe"));
    }

    void saveAsProposesTheCutPatientName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("slash") << "Smith/John" << "Smith";
        QTest::newRow("hash") << "Brown#2" << "Brown";
        QTest::newRow("percent") << "Ann%" << "Ann";
        QTest::newRow("semicolon") << "Lee; Tom" << "Lee";
        QTest::newRow("backslash") << "Doe\\Jane" << "Doe";
        QTest::newRow("empty before the cut") << "/John" << "untitled";
        QTest::newRow("nothing to cut") << "Mary Major" << "Mary Major";
    }
    void saveAsProposesTheCutPatientName() {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QVERIFY(m_app->NewCase());
        m_app->CurrentCase()->GetPatientInfo().m_name = name.toStdString();
        QVERIFY(!m_app->SaveCaseAs());  // cancelled
        const auto& request = m_dialogs->Requests().last();
        QCOMPARE(request.kind, QStringLiteral("save"));
        QCOMPARE(request.caption, QStringLiteral("Save As"));
        QCOMPARE(QFileInfo(request.file.initialPath).fileName(), proposed);
        QCOMPARE(request.file.defaultSuffix, QStringLiteral("hom"));
        QCOMPARE(request.file.filters.value(0), QStringLiteral("Homeopathic case (*.hom)"));
        QCOMPARE(request.file.filters.value(1), QStringLiteral("All Files *.* (*)"));
    }

    void saveWritesToTheCasePathWithoutADialog() {
        const QString path = SampleFile("resaved.hom");
        QVERIFY(m_app->OpenCaseFile(path));
        m_app->AddEpisode("Note");
        QVERIFY(m_app->IsCaseModified());
        QVERIFY(m_app->SaveCase());
        QCOMPARE(CountRequests("save"), 0);
        QVERIFY(!m_app->IsCaseModified());
        QVERIFY(shell_test::ReadFile(path).find("Name \"Note\"") != std::string::npos);
    }

    void saveOnAReadOnlyFileAsksForAName() {
        const QString path = SampleFile("read_only.hom");
        QVERIFY(m_app->OpenCaseFile(path));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        m_app->MarkCaseModified();
        const bool saved = m_app->SaveCase();  // cancelled dialog
        ::chmod(QFile::encodeName(path).constData(), 0644);
        if (::geteuid() == 0) QSKIP("root writes read-only files");
        QVERIFY(!saved);
        QCOMPARE(CountRequests("save"), 1);
        QVERIFY(m_app->IsCaseModified());
    }

    // A failed write shows why, keeps the modified flag and the previous file.
    void aFailedSaveKeepsTheFlagAndTheFile() {
        const QString path = SampleFile("kept.hom");
        const std::string before = shell_test::ReadFile(path);
        QVERIFY(m_app->OpenCaseFile(path));
        m_app->AddEpisode("New Episode");
        const QString blocker = shell_test::ScratchPath("a_file");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        m_dialogs->QueueSave(blocker + QStringLiteral("/inside.hom"));  // a folder that is a file
        QVERIFY(!m_app->SaveCaseAs());
        QCOMPARE(m_dialogs->Requests().last().kind, QStringLiteral("message"));
        QVERIFY(m_dialogs->Requests().last().text.contains(QStringLiteral("inside.hom")));
        QVERIFY(m_app->IsCaseModified());
        QCOMPARE(m_app->CasePath(), path);
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [Jane Roe*]"));
        QCOMPARE(shell_test::ReadFile(path), before);
    }

    void recentFilesKeepFifteenNewestFirst() {
        QVERIFY(m_app->NewCase());
        QStringList paths;
        for (int i = 0; i < 17; ++i) {
            paths.prepend(SampleFile(QStringLiteral("recent%1.hom").arg(i)));
            QVERIFY(m_app->OpenCaseFile(paths.first()));
        }
        QVERIFY(m_app->OpenCaseFile(paths[5]));  // moves to the top, no duplicate
        QStringList expected = paths.mid(0, 15);
        expected.removeAll(paths[5]);
        expected.prepend(paths[5]);
        QCOMPARE(m_app->RecentFiles().Paths(), expected);
        QCOMPARE(CRecentFiles().Paths(), expected);  // as stored in the profile
        QCOMPARE(Frame()->Ribbon()->ApplicationMenu()->RecentDocuments(), expected);
    }

    void choosingARecentDocumentOpensIt() {
        QVERIFY(m_app->NewCase());
        const QString path = SampleFile("chosen.hom");
        Q_EMIT Frame()->Ribbon()->ApplicationMenu()->RecentDocumentChosen(path);
        QCOMPARE(m_app->CasePath(), path);
    }

    void aDroppedFileIsOpened() {
        QVERIFY(m_app->NewCase());
        const QString path = SampleFile("dropped.hom");
        Frame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Frame()));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        // As the window system delivers a drag: enter, then drop.
        const QPoint inside = Frame()->centralWidget()->geometry().center();
        QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame()->windowHandle(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame()->windowHandle(), &drop);
        QCOMPARE(m_app->CasePath(), path);
    }

    void closingWithAModifiedCaseAsks() {
        ModifiedCase();
        Frame()->show();
        m_dialogs->QueueAnswer(Answer::Cancel);
        QVERIFY(!Frame()->close());
        QVERIFY(Frame()->isVisible());
        m_dialogs->QueueAnswer(Answer::No);
        QVERIFY(Frame()->close());
    }

    // The item commands store English names whatever the language, in
    // chain order, and mark the case modified.
    void itemCommandsAppendInOrder() {
        QVERIFY(m_app->NewCase());
        CCommandRegistry& commands = m_app->Commands();
        for (int id : {ID_ADD_NEW_EPISODE, ID_ADD_NEW_EPISODE_CHECK, ID_ADD_NEW_EPISODE_NOTE,
                       ID_ADD_NEW_EPISODE_PHONE, ID_ADD_NEW_PRESCRIPTION, ID_ADD_NEW_ANALYSIS}) {
            commands.Action(id)->trigger();
        }
        QStringList names;
        for (COneItem* item = m_app->CurrentCase()->GetFirstEpisode().GetNext(); item != nullptr;
             item = item->GetNext()) {
            names << QString::fromStdString(item->GetName());
        }
        QCOMPARE(names, QStringList({"New Episode", "Check Prescription", "Note", "Phone conversation",
                                     "Prescription", "Analysis"}));
        QVERIFY(m_app->IsCaseModified());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Meridane Suite [John Doe*]"));
    }

    // The references open their windows; the views' commands wait for a
    // window that carries them out, Close for a case.
    void commandsOfTheWindowsAreBound() {
        for (int id : {ID_OPEN_REPERTORY_ORRESTAD, ID_OPEN_REPERTORY_HALDEN, ID_OPEN_MATERIA_MEDICA,
                       ID_SEARCH}) {
            QVERIFY2(m_app->Commands().Action(id) != nullptr, "registered");
            QVERIFY(m_app->Commands().IsEnabled(id));
        }
        for (int id : {ID_CASE_CLOSE, ID_ADD_SYMPTHOM1, ID_ADD_SYMPTHOM4})
            QVERIFY(!m_app->Commands().IsEnabled(id));
    }

    void webCommandsOpenTheConfiguredPages() {
        QList<QUrl> opened;
        CMeridaneApp::SetUrlOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        m_app->Commands().Action(ID_ONLIDE_HOME)->trigger();
        m_app->Commands().Action(ID_ONLINE_PODCASTS)->trigger();
        m_app->Commands().Action(ID_ONLINE_HELP_AND_TOTORIAL)->trigger();
        CMeridaneApp::SetUrlOpener({});
        QCOMPARE(opened.size(), 3);
        QCOMPARE(opened[0].toString(), QString::fromLatin1(CProgramSettings::kDefaultHomePage));
        QCOMPARE(opened[2].toString(), QString::fromLatin1(CProgramSettings::kDefaultHelpCentre));
    }
};

MERIDANE_SHELL_QTEST_MAIN(CaseCommandsTest)
#include "case_commands_qtest.moc"
