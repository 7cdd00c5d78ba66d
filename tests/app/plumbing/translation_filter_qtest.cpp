#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "plumbing/translation/translation_filter.h"

// The test translator brackets every text, so translating a translation
// would show as double brackets.
class TranslationFilterTest : public QObject {
    Q_OBJECT

private:
    CTranslationFilter* m_filter = nullptr;
    QStringList m_asked;

    // Shows `menu`, lets the test look at it while open, then closes it.
    void OpenAndClose(QMenu* menu) {
        QTimer::singleShot(0, menu, [menu] { menu->close(); });
        menu->exec(QPoint(10, 10));
    }

private Q_SLOTS:
    void init() {
        m_asked.clear();
        m_filter = new CTranslationFilter([this](const QString& text) {
            m_asked << text;
            if (text == QStringLiteral("Vanish")) return QString();
            return QStringLiteral("[%1]").arg(text);
        });
        m_filter->Install();
    }
    void cleanup() { delete m_filter; }

    void dialogTitleAndControlsAreTranslatedOnce() {
        QDialog dialog;
        dialog.setWindowTitle("Attention");
        auto* label = new QLabel("Name", &dialog);
        auto* button = new QPushButton("Open", &dialog);
        auto* group = new QGroupBox("Details", &dialog);
        auto* rich = new QLabel("<b>Bold</b>", &dialog);
        auto* data = new QLabel("John Smith", &dialog);
        CTranslationFilter::ExcludeTextFromTranslation(data);
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w : QList<QWidget*>{label, button, group, rich, data}) layout->addWidget(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("[Attention]"));
        QCOMPARE(label->text(), QStringLiteral("[Name]"));
        QCOMPARE(button->text(), QStringLiteral("[Open]"));
        QCOMPARE(group->title(), QStringLiteral("[Details]"));
        QCOMPARE(rich->text(), QStringLiteral("<b>Bold</b>"));
        QCOMPARE(data->text(), QStringLiteral("John Smith"));

        // Showing again, or translating by hand, never compounds.
        dialog.hide();
        dialog.show();
        m_filter->TranslateWindowTitle(&dialog);
        m_filter->TranslateWidgetText(label);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("[Attention]"));
        QCOMPARE(label->text(), QStringLiteral("[Name]"));

        // A title the program sets later is a new original.
        dialog.hide();
        dialog.setWindowTitle("Question");
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("[Question]"));
    }

    void plainWindowsGetTheirTitleButNotTheirLabels() {
        QWidget window;
        window.setWindowTitle("Meridane Suite");
        auto* label = new QLabel("Smith", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("[Meridane Suite]"));
        QCOMPARE(label->text(), QStringLiteral("Smith"));
    }

    void emptyTranslationEmptiesTheText() {
        QDialog dialog;
        auto* label = new QLabel("Vanish", &dialog);
        dialog.show();
        QCOMPARE(label->text(), QString());
        m_filter->TranslateWidgetText(label);  // the original is remembered
        QCOMPARE(label->text(), QString());
        QCOMPARE(m_asked.count("Vanish"), 2);
    }

    void menusAreTranslatedEveryTimeTheyOpen() {
        QMenu menu;
        QAction* open = menu.addAction("Open");
        menu.addSeparator();
        QMenu* more = menu.addMenu("More");
        QAction* deep = more->addAction("Deep");
        QAction* path = menu.addAction("/cases/a.hom");
        CTranslationFilter::ExcludeFromTranslation(path);

        QStringList seen;
        QTimer::singleShot(0, &menu, [&] {
            seen << open->text() << more->title() << deep->text() << path->text();
            menu.close();
        });
        menu.exec(QPoint(10, 10));
        QCOMPARE(seen, (QStringList{"[Open]", "[More]", "[Deep]", "/cases/a.hom"}));

        const int askedAfterFirst = m_asked.count("Open");
        OpenAndClose(&menu);
        QCOMPARE(open->text(), QStringLiteral("[Open]"));
        QCOMPARE(deep->text(), QStringLiteral("[Deep]"));
        QVERIFY(m_asked.count("Open") > askedAfterFirst);  // looked up again on this opening

        // Texts the program changes between openings are picked up.
        open->setText("Save");
        OpenAndClose(&menu);
        QCOMPARE(open->text(), QStringLiteral("[Save]"));
        QVERIFY(!m_asked.contains("[Open]"));
        QVERIFY(!m_asked.contains("[Save]"));
    }

    void submenusOpenedOnTheirOwnAreTranslated() {
        QMenu menu;
        QMenu* more = menu.addMenu("More");
        QAction* late = nullptr;
        // Entries made while the submenu opens (a recent list) are translated too.
        connect(more, &QMenu::aboutToShow, more, [&] {
            if (!late) late = more->addAction("Late");
        });
        OpenAndClose(more);
        QVERIFY(late);
        OpenAndClose(more);
        QCOMPARE(late->text(), QStringLiteral("[Late]"));
    }

    void comboBoxesKeepDataAndSelection() {
        QDialog dialog;
        auto* combo = new QComboBox(&dialog);
        combo->addItem("Sum of grades", 11);
        combo->addItem("Rubric count", 22);
        combo->addItem(QString(), 33);
        combo->setCurrentIndex(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(combo->itemText(0), QStringLiteral("[Sum of grades]"));
        QCOMPARE(combo->itemText(1), QStringLiteral("[Rubric count]"));
        QCOMPARE(combo->itemText(2), QString());
        QCOMPARE(combo->itemData(0).toInt(), 11);
        QCOMPARE(combo->itemData(1).toInt(), 22);
        QCOMPARE(combo->itemData(2).toInt(), 33);
        QCOMPARE(combo->currentIndex(), 1);

        dialog.hide();
        combo->addItem("Added later", 44);
        dialog.show();
        m_filter->TranslateComboBox(combo);
        QCOMPARE(combo->itemText(0), QStringLiteral("[Sum of grades]"));
        QCOMPARE(combo->itemText(3), QStringLiteral("[Added later]"));
        QCOMPARE(combo->itemData(3).toInt(), 44);
        QCOMPARE(combo->currentIndex(), 1);
    }

    void tooltipsAreTranslatedWhenShown() {
        QWidget window;
        auto* button = new QPushButton("x", &window);
        button->setToolTip("Link to Meridane Suite home page");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 2; ++i) {
            QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), button->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(button, &event);
        }
        QCOMPARE(button->toolTip(), QStringLiteral("[Link to Meridane Suite home page]"));
    }

    void actionButtonsFollowTheirAction() {
        QDialog dialog;
        QAction action("Search");
        auto* tool = new QToolButton(&dialog);
        tool->setDefaultAction(&action);
        dialog.show();
        QCOMPARE(tool->text(), QStringLiteral("Search"));
    }

    void uninstalledFilterLeavesWindowsAlone() {
        m_filter->Uninstall();
        QDialog dialog;
        dialog.setWindowTitle("Attention");
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Attention"));
    }
};

QTEST_MAIN(TranslationFilterTest)
#include "translation_filter_qtest.moc"
