// The editors' texts under a translating language: the card labels (whole
// texts, escaped into the pane), the symptom menu (markup and whole text) and
// the window titles.
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <fstream>

#include "editor_test_support.h"
#include "model/lang/language.h"
#include "plumbing/rtf/rtf.h"
#include "views/editors/card_panes.h"
#include "views/editors/symptom_menu.h"

using namespace editors_test;

namespace {

std::string LanguageFile() {
    std::string text =
        "Language\r\n{\r\n    CodePage_ \"1251\"\r\n    Language \"test\"\r\n"
        "    Dictionary\r\n    {\r\n";
    auto add = [&text](const char* original, const char* translated) {
        text += std::string("        Item\r\n        {\r\n            Original \"") + original +
                "\"\r\n            Translated \"" + translated +
                "\"\r\n            Locked \"0\"\r\n        }\r\n";
    };
    add("Add the symptom to:", "\xc4\xee\xe1\xe0\xe2\xe8\xf2\xfc \xe2:");  // "Добавить в:"
    add("Add to a New Analysis", "New \\\\{one\\\\} & more");
    add("Color of eyes", "\xc3\xeb\xe0\xe7\xe0 \\\\{eyes\\\\} \\\\ x");  // "Глаза {eyes} \\ x"
    add("Patient Info", "Card");
    add("Analysis", "%d %s");
    return text + "    }\r\n}\r\n";
}

}  // namespace

class LocalizedEditorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        const std::string path = UseScratchHome() + "/test.lng";
        std::ofstream(path, std::ios::binary) << LanguageFile();
        QVERIFY(CLanguage::Get().LoadFile(path));
    }

    void labelsAreTranslatedAndEscaped() {
        QTextDocument labels;
        rtf::Load(labels, editors::LabelsPaneRtf(editors::PatientCardLabels()));
        QCOMPARE(labels.findBlockByNumber(6).text(), QString::fromUtf8("Глаза {eyes} \\ x:"));
        QCOMPARE(labels.findBlockByNumber(7).text(), QString("Complexion:"));
        QCOMPARE(labels.blockCount(), 12);
    }

    void menuEntriesAreTranslated() {
        FakeCaseHost host;
        CAnalysis* analysis = host.Case().AddAnalysis();  // named "%d %s"
        analysis->SetTime("T");
        QMenu menu;
        editors::FillSymptomMenu(menu, host.Case());
        const QList<QAction*> entries = menu.actions();
        QCOMPARE(entries.size(), 3);
        // The analysis's name is text, whatever it holds.
        QCOMPARE(entries[0]->text(), QString::fromUtf8("Добавить в: [T] %d %s"));
        QCOMPARE(entries[2]->text(), QString("New {one} && more"));
    }

    void patientCardTitleIsTranslated() {
        FakeCaseHost host;
        EditorWindows windows;
        CDocument* card = windows.Manager().OpenNew(kPatientInfoSlot);
        QVERIFY(card != nullptr);
        QCOMPARE(card->Title(), QString("Card"));
    }
};

QTEST_MAIN(LocalizedEditorsTest)
#include "localized_editors_qtest.moc"
