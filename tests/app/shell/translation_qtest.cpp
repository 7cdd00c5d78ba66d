// The automatic translation of the interface through a language file: window
// titles, menus each time they open, combo boxes; and the Russian language
// file of the demo data, which must know every text the program shows.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <set>

#include "model/lang/language.h"
#include "model/lang/language_data.h"
#include "plumbing/ribbon/application_menu.h"
#include "plumbing/text/code_page.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/widgets/about_box.h"
#include "plumbing/widgets/scripted_dialog_service.h"
#include "model/records/case.h"
#include "shell/case_topics.h"
#include "shell/case_view.h"
#include "shell/case_view_renderer.h"
#include "shell/interface_translation.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell/patient_bar.h"
#include "shell_qtest_support.h"

namespace {

// A language file in code page 1251 with the given entries.
QString WriteLanguage(const QString& name,
                      const QList<std::tuple<const char*, const char*, int>>& entries) {
    QByteArray text = "Language\r\n{\r\nCodePage_ \"1251\"\r\n    Language \"test\"\r\n    Dictionary\r\n    {\r\n";
    for (const auto& [original, translated, locked] : entries) {
        text += QByteArray("        Item\r\n        {\r\n            Original \"") + original +
                "\"\r\n            Translated \"" +
                QByteArray::fromStdString(plumbing::EncodeCp1251(QString::fromUtf8(translated))) +
                "\"\r\n            Locked \"" + QByteArray::number(locked) + "\"\r\n        }\r\n";
    }
    text += "    }\r\n}\r\n";
    const QString path = shell_test::ScratchPath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
}

// Lets the events of shown windows run.
void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        const QString path = WriteLanguage(
            QStringLiteral("test.lng"),
            {{"Open", "Открыть", 0}, {"Exit", "Выход", 0}, {"Red", "Красный", 0},
             {"Green", "Зелёный", 1}, {"Patient Card", "Карта пациента", 0}});
        QVERIFY(CLanguage::Get().LoadFile(QFile::encodeName(path).toStdString()));
        InstallInterfaceTranslation(qApp);
    }

    void aWindowTitleIsTranslatedWhenShown() {
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Open"));
        dialog.show();
        Settle();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Открыть"));
        dialog.hide();
        dialog.show();
        Settle();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Открыть"));  // not translated twice
    }

    void aMenuIsTranslatedEachTimeItOpens() {
        QMenu menu;
        QAction* exit = menu.addAction(QStringLiteral("Exit"));
        QAction* unknown = menu.addAction(QStringLiteral("Unknown entry"));
        for (int round = 0; round < 2; ++round) {
            QTimer::singleShot(0, &menu, &QMenu::close);
            menu.exec(QPoint(10, 10));
            QCOMPARE(exit->text(), QString::fromUtf8("Выход"));
            QCOMPARE(unknown->text(), QStringLiteral("Unknown entry"));
            exit->setText(QStringLiteral("Exit"));  // a text set later is translated again
        }
    }

    void aComboBoxKeepsItsDataAndSelection() {
        QComboBox combo;
        combo.addItem(QStringLiteral("Red"), 7);
        combo.addItem(QStringLiteral("Green"), 8);
        combo.setCurrentIndex(1);
        combo.show();
        Settle();
        QCOMPARE(combo.itemText(0), QString::fromUtf8("Красный"));
        QCOMPARE(combo.itemText(1), QStringLiteral("Green"));  // locked: the original
        QCOMPARE(combo.itemData(0).toInt(), 7);
        QCOMPARE(combo.currentIndex(), 1);
    }

    void theProgramsCaptionsComeTranslated() {
        CMeridaneApp app;
        app.CreateMainFrame();
        QVERIFY(app.NewCase());
        app.MainFrame()->show();
        Settle();
        QCOMPARE(app.MainFrame()->PatientBar()->windowTitle(), QString::fromUtf8("Карта пациента"));
        // The title shows the patient's name, never a translation of it.
        QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Meridane Suite [John Doe]"));
    }

    // Every text the program asks for so far is in data/demo/russian.lng: the
    // dictionary does not grow while the windows are shown and used.
    void theRussianFileKnowsEveryText() {
        QVERIFY(CLanguage::Get().LoadFile(MERIDANE_DEMO_DIR "/russian.lng"));
        QCOMPARE(CLanguage::Get().GetData().GetCodePage(), 1251);
        const std::size_t known = CLanguage::Get().GetData().GetDictionary().size();
        {
            CScriptedDialogService dialogs;
            CMeridaneApp app;
            app.CreateMainFrame();
            const QString path = shell_test::ScratchPath("russian.hom");
            shell_test::WriteCase(*shell_test::SampleCase(), path);
            QVERIFY(app.OpenCaseFile(path));
            app.MainFrame()->show();
            Settle();
            CApplicationMenu* menu = app.MainFrame()->Ribbon()->ApplicationMenu();
            QTimer::singleShot(0, menu, &QMenu::close);
            menu->exec(QPoint(10, 10));
            CCaseView* view = app.MainFrame()->CaseView();
            for (int i = 0; i < view->Renderer().Count(); ++i) {
                view->ChooseAt(view->Renderer().At(i).Box().center());
                Settle();
            }
            app.AddAnalysis();
            app.MarkCaseModified();
            dialogs.QueueAnswer(CDialogService::Answer::Cancel);
            QVERIFY(!app.NewCase());
            app.SaveCaseAs();
            app.ChooseAndOpenCase();
            app.OpenCaseFile(shell_test::ScratchPath("missing.hom"));
            app.SaveCaseAs();
            CAboutBox about(QStringLiteral(MERIDANE_VERSION_TEXT), QUrl(), app.MainFrame());
            about.show();
            Settle();
            app.NewCase();
        }
        QStringList missing;
        const auto& dictionary = CLanguage::Get().GetData().GetDictionary();
        for (std::size_t i = known; i < dictionary.size(); ++i) {
            missing << plumbing::DecodeCodePage(dictionary[i].GetOriginal());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }
};

MERIDANE_SHELL_QTEST_MAIN(TranslationTest)
#include "translation_qtest.moc"
