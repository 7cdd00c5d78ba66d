#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "plumbing/widgets/about_box.h"
#include "plumbing/widgets/dialog_service.h"
#include "plumbing/widgets/hyperlink_label.h"
#include "plumbing/widgets/interface_fonts.h"
#include "plumbing/widgets/scripted_dialog_service.h"

class WidgetsTest : public QObject {
    Q_OBJECT

private:
    QList<QUrl> m_opened;

private Q_SLOTS:
    void init() {
        m_opened.clear();
        CHyperlinkLabel::SetOpener([this](const QUrl& url) {
            m_opened << url;
            return true;
        });
    }
    void cleanup() { CHyperlinkLabel::SetOpener({}); }

    void hyperlinkOpensOnClickAndKey() {
        const QUrl url("https://meridane.example/");
        CHyperlinkLabel link("meridane.example", url, "Link to Meridane Suite home page");
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QCOMPARE(link.toolTip(), QStringLiteral("Link to Meridane Suite home page"));
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QSignalSpy activated(&link, &CHyperlinkLabel::Activated);

        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(m_opened, QList<QUrl>{url});
        QCOMPARE(activated.count(), 1);

        // Pressing and releasing outside the label does not open it.
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(m_opened.size(), 1);
        QTest::mouseClick(&link, Qt::RightButton);
        QCOMPARE(m_opened.size(), 1);

        QTest::keyClick(&link, Qt::Key_Return);
        QCOMPARE(m_opened.size(), 2);
    }

    void aboutBoxNamesTheProduct() {
        CAboutBox about("1.2.3", QUrl("https://meridane.example/"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Meridane Suite"));
        QCOMPARE(about.findChild<QLabel*>("ProductName")->text(), QStringLiteral("Meridane Suite"));
        QCOMPARE(about.findChild<QLabel*>("Version")->text(), QStringLiteral("Version 1.2.3"));
        QVERIFY(about.Link());
        QCOMPARE(about.Link()->Url(), QUrl("https://meridane.example/"));
        about.Link()->Open();
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(!CAboutBox("1", QUrl()).Link());
    }

    void interfaceFontsFollowTheBaseFont() {
        QFont base("Sans", 9);
        base.setBold(true);  // weights come from the set, not the base
        const CInterfaceFonts fonts(base);
        for (const QFont* f : {&fonts.Normal(), &fonts.Bold(), &fonts.Italic(), &fonts.Small10(),
                               &fonts.Small12()}) {
            QCOMPARE(f->families().value(0), QStringLiteral("Tahoma"));
            QCOMPARE(f->styleHint(), QFont::SansSerif);
        }
        QCOMPARE(fonts.Normal().weight(), 400);
        QCOMPARE(fonts.Normal().pointSize(), 9);
        QVERIFY(!fonts.Normal().italic());
        QCOMPARE(fonts.Bold().weight(), 700);
        QCOMPARE(fonts.Italic().weight(), 400);
        QVERIFY(fonts.Italic().italic());
        QCOMPARE(fonts.Small10().pixelSize(), 10);
        QCOMPARE(fonts.Small12().pixelSize(), 12);
        QCOMPARE(fonts.Small12().weight(), 400);
        QCOMPARE(&CInterfaceFonts::Shared(), &CInterfaceFonts::Shared());
    }

    void filtersFromPairs_data() {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("case files") << "Homeopathic case (*.hom)|*.hom|All Files *.*|*.*||"
                                    << QStringList{"Homeopathic case (*.hom)", "All Files *.* (*)"};
        QTest::newRow("wrong patterns in the description")
            << "All Files (*.*)|*.*||" << QStringList{"All Files (*)"};
        QTest::newRow("several patterns")
            << "Texts|*.txt;*.lng||" << QStringList{"Texts (*.txt *.lng)"};
        QTest::newRow("no closing bars") << "Cases|*.hom" << QStringList{"Cases (*.hom)"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("description only") << "Odd|" << QStringList{"Odd (*)"};
    }
    void filtersFromPairs() {
        QFETCH(QString, pairs);
        QFETCH(QStringList, filters);
        QCOMPARE(CDialogService::FiltersFromPairs(pairs), filters);
    }

    void scriptedServiceAnswersInOrderAndRestores() {
        CDialogService* standard = &CDialogService::Current();
        {
            CScriptedDialogService scripted;
            QCOMPARE(&CDialogService::Current(), &scripted);
            scripted.QueueOpen("/tmp/a.hom");
            scripted.QueueAnswer(CDialogService::Answer::No);
            scripted.QueueAnswer(CDialogService::Answer::Yes);
            CDialogService& dialogs = CDialogService::Current();
            CFileDialogRequest request;
            request.caption = "Open";
            QCOMPARE(dialogs.ChooseFileToOpen(nullptr, request), QStringLiteral("/tmp/a.hom"));
            QCOMPARE(dialogs.ChooseFileToOpen(nullptr, request), QString());  // cancelled
            QCOMPARE(dialogs.AskYesNoCancel(nullptr, "Attantion", "?"), CDialogService::Answer::No);
            QVERIFY(dialogs.AskYesNo(nullptr, "Q", "?"));
            QCOMPARE(dialogs.AskYesNoCancel(nullptr, "Attantion", "?"),
                     CDialogService::Answer::Cancel);
            QCOMPARE(dialogs.ChooseFileToSave(nullptr, request), QString());
            dialogs.ShowMessage(nullptr, "Error", "Broken", CDialogService::MessageKind::Error);
            QCOMPARE(scripted.Requests().size(), 7);
            QCOMPARE(scripted.Requests()[0].file.caption, QStringLiteral("Open"));
            QCOMPARE(scripted.Requests()[2].caption, QStringLiteral("Attantion"));
            QCOMPARE(scripted.Requests()[6].messageKind, CDialogService::MessageKind::Error);
        }
        QCOMPARE(&CDialogService::Current(), standard);
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_qtest.moc"
