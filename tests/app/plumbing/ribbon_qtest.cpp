#include <QAction>
#include <QLayout>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "plumbing/ribbon/application_menu.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/drawn_icons.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/ribbon/ribbon_category.h"
#include "plumbing/ribbon/ribbon_panel.h"

namespace {

enum : int {
    kNew = 57600,
    kOpen = 57601,
    kSave = 33026,
    kSaveAs = 33027,
    kClose = 33028,
    kExit = 57665,
    kVisit = 32851,
    kCheck = 32879,
    kNote = 32880,
    kShowCard = 32777,
    kAbout = 57664,
    kOrrestad = 32847,
};

}  // namespace

class RibbonTest : public QObject {
    Q_OBJECT

private:
    CCommandRegistry* m_commands = nullptr;
    CRibbonBar* m_ribbon = nullptr;

    void Build() {
        m_commands = new CCommandRegistry;
        const QIcon icon = plumbing::LetterIcon(QStringLiteral("M"), QColor(40, 90, 160));
        m_commands->Register(kNew, "New", {}, plumbing::StandardIcon(QStyle::SP_FileIcon));
        m_commands->Register(kOpen, "Open...", {}, plumbing::StandardIcon(QStyle::SP_DirOpenIcon));
        m_commands->Register(kSave, "Save");
        m_commands->Register(kSaveAs, "Save As...");
        m_commands->Register(kClose, "Close");
        m_commands->Register(kExit, "Exit");
        m_commands->Register(kVisit, "Add another visit ", "Adds a visit", icon);
        m_commands->Register(kCheck, "Monitor prescription", {}, icon);
        m_commands->Register(kNote, "Additional case note", {}, icon);
        m_commands->Register(kShowCard, "Show/hide patient card", {}, icon);
        m_commands->Register(kOrrestad, "Orrestad's Repertory", {}, icon);
        m_commands->Register(kAbout, "About", {}, icon);
        // A command nobody carries out is disabled: the application handles all.
        for (int id : m_commands->Ids()) m_commands->SetHandler(id, [] {});

        m_ribbon = new CRibbonBar(*m_commands);
        m_ribbon->SetApplicationButton("File", icon);
        CApplicationMenu* menu = m_ribbon->ApplicationMenu();
        for (int id : {kNew, kOpen, kSave, kSaveAs}) menu->AddCommand(id);
        menu->AddSeparatorLine();
        menu->SetExitCommand(kExit);  // set early on purpose: it must stay at the bottom
        menu->AddCommand(kClose);
        menu->AddRecentDocuments();

        CRibbonCategory* patient = m_ribbon->AddCategory("Patient");
        CRibbonPanel* casePanel = patient->AddPanel("Case");
        casePanel->AddLargeButton(kVisit);
        casePanel->AddSmallButton(kCheck);
        casePanel->AddSmallButton(kNote);
        casePanel->AddSmallButton(kShowCard);
        patient->AddPanel("References")->AddLargeButton(kOrrestad);
        m_ribbon->AddCategory("Info")->AddPanel("Info")->AddLargeButton(kAbout);
        m_ribbon->AddQuickAccessCommand(kNew);
        m_ribbon->AddQuickAccessCommand(kOpen);
        m_ribbon->AddTabRowCommand(kAbout);
        m_ribbon->resize(800, 160);
        m_ribbon->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_ribbon));
    }

    CRibbonPanel* Panel(int category, int panel) const {
        return m_ribbon->Category(category)->Panels().at(panel);
    }

private Q_SLOTS:
    void init() { Build(); }
    void cleanup() {
        delete m_ribbon;
        delete m_commands;
    }

    void buttonsShowTheRegisteredActions() {
        const QList<QToolButton*> buttons = Panel(0, 0)->Buttons();
        QCOMPARE(buttons.size(), 4);
        const int ids[] = {kVisit, kCheck, kNote, kShowCard};
        for (int i = 0; i < 4; ++i) {
            QAction* action = buttons[i]->defaultAction();
            QCOMPARE(action, m_commands->Action(ids[i]));
            QCOMPARE(action->data().toInt(), ids[i]);
            QCOMPARE(CCommandRegistry::IdOf(action), ids[i]);
        }
        QCOMPARE(buttons[0]->text(), QStringLiteral("Add another visit "));
        QCOMPARE(buttons[0]->toolTip(), QStringLiteral("Adds a visit"));
        QCOMPARE(buttons[1]->toolTip(), QStringLiteral("Monitor prescription"));
        QCOMPARE(buttons[0]->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(buttons[1]->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(Panel(0, 0)->Caption(), QStringLiteral("Case"));
        QCOMPARE(m_ribbon->Category(0)->Caption(), QStringLiteral("Patient"));
    }

    void smallButtonsStackThreeToAColumn() {
        const QList<QToolButton*> buttons = Panel(0, 0)->Buttons();
        QCOMPARE(buttons[1]->x(), buttons[2]->x());
        QCOMPARE(buttons[2]->x(), buttons[3]->x());
        QVERIFY(buttons[1]->y() < buttons[2]->y());
        QVERIFY(buttons[2]->y() < buttons[3]->y());
        QVERIFY(buttons[0]->x() + buttons[0]->width() <= buttons[1]->x());
        // A fourth small button opens a new column.
        m_commands->Register(1, "Fourth");
        QToolButton* fourth = Panel(0, 0)->AddSmallButton(1);
        QCoreApplication::sendPostedEvents();
        QTRY_VERIFY2(fourth->x() > buttons[3]->x(),
                     qPrintable(QStringLiteral("%1 %2").arg(fourth->x()).arg(buttons[3]->x())));
    }

    void disabledCommandsShowDisabledEverywhere() {
        QToolButton* quick = nullptr;
        for (QToolButton* b : m_ribbon->findChildren<QToolButton*>()) {
            if (b->defaultAction() == m_commands->Action(kNew)) quick = b;
        }
        QVERIFY(quick);
        m_commands->SetEnabled(kVisit, false);
        m_commands->SetEnabled(kNew, false);
        QVERIFY(!Panel(0, 0)->Buttons()[0]->isEnabled());
        QVERIFY(!quick->isEnabled());
        QVERIFY(!m_commands->IsEnabled(kVisit));
        QVERIFY(Panel(0, 0)->Buttons()[1]->isEnabled());
        m_commands->SetEnabled(kVisit, true);
        QVERIFY(Panel(0, 0)->Buttons()[0]->isEnabled());
        m_commands->SetEnabled(4242, false);  // unknown ids are ignored
        QVERIFY(!m_commands->IsEnabled(4242));
    }

    void clickingRunsTheCommandOnce() {
        int handled = 0;
        m_commands->SetHandler(kVisit, [&handled] { ++handled; });
        QSignalSpy triggered(m_commands, &CCommandRegistry::CommandTriggered);
        QTest::mouseClick(Panel(0, 0)->Buttons()[0], Qt::LeftButton);
        QCOMPARE(handled, 1);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(triggered.at(0).at(0).toInt(), kVisit);

        m_commands->SetEnabled(kVisit, false);
        QTest::mouseClick(Panel(0, 0)->Buttons()[0], Qt::LeftButton);
        QCOMPARE(handled, 1);  // a disabled command does not run
        m_commands->SetHandler(kVisit, {});
        m_commands->SetEnabled(kVisit, true);
        QVERIFY(!Panel(0, 0)->Buttons()[0]->isEnabled());  // nobody carries it out
        QTest::mouseClick(Panel(0, 0)->Buttons()[0], Qt::LeftButton);
        QCOMPARE(handled, 1);
        QCOMPARE(triggered.count(), 1);
    }

    void tabsSwitchCategories() {
        QCOMPARE(m_ribbon->CategoryCount(), 2);
        QCOMPARE(m_ribbon->CurrentCategory(), 0);
        QToolButton* about = Panel(1, 0)->Buttons()[0];
        QVERIFY(Panel(0, 0)->isVisible());
        QVERIFY(!about->isVisible());
        QSignalSpy changed(m_ribbon, &CRibbonBar::CurrentCategoryChanged);
        QTabBar* tabs = m_ribbon->Tabs();
        QCOMPARE(tabs->tabText(1), QStringLiteral("Info"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(m_ribbon->CurrentCategory(), 1);
        QCOMPARE(changed.count(), 1);
        QVERIFY(about->isVisible());
        QVERIFY(!Panel(0, 0)->isVisible());
        m_ribbon->SetCurrentCategory(7);  // ignored
        QCOMPARE(m_ribbon->CurrentCategory(), 1);
        m_ribbon->SetCurrentCategory(0);
        QVERIFY(Panel(0, 0)->isVisible());
    }

    void rowButtonsCarryTheirCommands() {
        QList<int> quick;
        QToolButton* aboutOnTabRow = nullptr;
        for (QToolButton* b : m_ribbon->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
            const int id = CCommandRegistry::IdOf(b->defaultAction());
            if (id == kNew || id == kOpen) quick.append(id);
            if (id == kAbout) aboutOnTabRow = b;
        }
        QCOMPARE(quick, (QList<int>{kNew, kOpen}));
        QVERIFY(aboutOnTabRow);
        // At the right end of the tab row: right of the tabs.
        const QTabBar* tabs = m_ribbon->Tabs();
        QVERIFY(aboutOnTabRow->x() > tabs->x() + tabs->width());
        QVERIFY(aboutOnTabRow->isVisible());
    }

    void applicationMenuKeepsItsOrder() {
        CApplicationMenu* menu = m_ribbon->ApplicationMenu();
        QCOMPARE(m_ribbon->ApplicationButton()->text(), QStringLiteral("File"));
        QCOMPARE(m_ribbon->ApplicationButton()->menu(), menu);
        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{"New", "Open...", "Save", "Save As...", "-", "Close",
                                     "Recent Documents", "-", "Exit"}));
        QCOMPARE(CCommandRegistry::IdOf(menu->actions().last()), kExit);
    }

    void recentDocumentsListAndChoice() {
        CApplicationMenu* menu = m_ribbon->ApplicationMenu();
        QMenu* recent = menu->AddRecentDocuments();
        QCOMPARE(menu->AddRecentDocuments(), recent);  // only one sub-list
        QVERIFY(!recent->isEnabled());
        menu->SetRecentDocuments({"/cases/smith.hom", "/cases/R&D.hom"});
        QVERIFY(recent->isEnabled());
        const QList<QAction*> entries = recent->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), QStringLiteral("&1 smith.hom"));
        QCOMPARE(entries[1]->text(), QStringLiteral("&2 R&&D.hom"));
        QCOMPARE(entries[0]->data().toString(), QStringLiteral("/cases/smith.hom"));
        QCOMPARE(entries[1]->toolTip(), QStringLiteral("/cases/R&D.hom"));

        QSignalSpy chosen(menu, &CApplicationMenu::RecentDocumentChosen);
        entries[1]->trigger();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("/cases/R&D.hom"));

        menu->SetRecentDocuments({});
        QVERIFY(recent->actions().isEmpty());
        QVERIFY(!recent->isEnabled());
    }

    void unknownCommandsAddNothing() {
        const int before = Panel(0, 1)->Buttons().size();
        QVERIFY(!Panel(0, 1)->AddLargeButton(999));
        QVERIFY(!Panel(0, 1)->AddSmallButton(999));
        QVERIFY(!m_ribbon->AddQuickAccessCommand(999));
        QVERIFY(!m_ribbon->AddTabRowCommand(999));
        QVERIFY(!m_ribbon->ApplicationMenu()->AddCommand(999));
        QCOMPARE(Panel(0, 1)->Buttons().size(), before);
        QVERIFY(!m_commands->Action(999));
        QCOMPARE(CCommandRegistry::IdOf(nullptr), -1);
    }

    void registeringAgainUpdatesTheSameAction() {
        QAction* first = m_commands->Action(kNote);
        QAction* again = m_commands->Register(kNote, "Note", "A note");
        QCOMPARE(again, first);
        QCOMPARE(Panel(0, 0)->Buttons()[2]->text(), QStringLiteral("Note"));
        QCOMPARE(m_commands->Ids().count(kNote), 1);
        QCOMPARE(m_commands->Ids().first(), int(kNew));
    }
};

QTEST_MAIN(RibbonTest)
#include "ribbon_qtest.moc"
