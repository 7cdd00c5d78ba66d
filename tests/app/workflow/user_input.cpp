#include "user_input.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/ribbon/ribbon_category.h"

namespace workflow {
namespace {

// How long a menu may take to open before the chooser gives up.
constexpr int kMenuWaitMs = 5000;

QString EntryText(const QAction& action) {
    QString text = action.text();
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

// The entries of `menu` as the user reads them.
QStringList EntryTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator()) texts << EntryText(*action);
    return texts;
}

void CloseOpenMenus() {
    for (int guard = 0; guard < 8; ++guard) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        menu->close();
    }
}

int CategoryIndexOf(CRibbonBar& ribbon, QWidget* button) {
    for (int i = 0; i < ribbon.CategoryCount(); ++i)
        if (ribbon.Category(i)->isAncestorOf(button)) return i;
    return -1;
}

}  // namespace

bool ClickRibbonCommand(CRibbonBar& ribbon, int id, QString* why) {
    QAction* action = ribbon.Commands().Action(id);
    QToolButton* found = nullptr;
    for (QToolButton* button : ribbon.findChildren<QToolButton*>()) {
        if (action != nullptr && button->defaultAction() == action) {
            found = button;
            break;
        }
    }
    if (found == nullptr) {
        *why = QStringLiteral("the ribbon has no button for command %1").arg(id);
        return false;
    }
    const int category = CategoryIndexOf(ribbon, found);
    if (category >= 0 && category != ribbon.CurrentCategory()) {
        QTabBar* tabs = ribbon.Tabs();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(category).center());
    }
    if (!found->isVisible() || !found->isEnabled()) {
        *why = QStringLiteral("the button \"%1\" is hidden or disabled").arg(EntryText(*action));
        return false;
    }
    QTest::mouseClick(found, Qt::LeftButton);
    return true;
}

bool ChooseInComboBox(QComboBox& box, const QString& text, QString* why) {
    const int index = box.findText(text);
    if (index < 0) {
        *why = QStringLiteral("no entry \"%1\" in the list").arg(text);
        return false;
    }
    QTest::mouseClick(&box, Qt::LeftButton);
    QAbstractItemView* list = box.view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, kMenuWaitMs)) {
        *why = QStringLiteral("the list did not open");
        return false;
    }
    // The list ignores a release just after it opened (so that the click
    // that opened it chooses nothing): the mouse points at the entry, which
    // becomes the current one, and Enter chooses it.
    const QModelIndex wanted = list->model()->index(index, box.modelColumn());
    QTest::mouseMove(list->viewport(), list->visualRect(wanted).center());
    for (int step = 0; step < box.count() && list->currentIndex() != wanted; ++step)
        QTest::keyClick(list, list->currentIndex().row() < index ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    if (!QTest::qWaitFor([list] { return !list->isVisible(); }, kMenuWaitMs)) {
        *why = QStringLiteral("the list stayed open");
        return false;
    }
    return true;
}

void RightClick(QWidget* viewport, const QPoint& point) {
    QTest::mousePress(viewport, Qt::RightButton, {}, point);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
    QApplication::sendEvent(viewport, &menu);
    QTest::mouseRelease(viewport, Qt::RightButton, {}, point);
}

bool ReactivateAfterMenu(QWidget* window) {
    window->activateWindow();
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) && QApplication::activeWindow() == window;
}

CMenuChooser::CMenuChooser(const QStringList& patterns) {
    for (const QString& pattern : patterns) m_patterns << QRegularExpression(pattern);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &CMenuChooser::Poll);
    m_timer.start();
    m_waited.start();
}

CMenuChooser::~CMenuChooser() = default;

QString CMenuChooser::Outcome() const {
    if (Done()) return QStringLiteral("done");
    if (!m_error.isEmpty()) return m_error;
    return QStringLiteral("no menu opened for \"%1\"").arg(m_patterns.value(m_level).pattern());
}

void CMenuChooser::Poll() {
    if (Done() || !m_error.isEmpty()) {
        m_timer.stop();
        return;
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || !menu->isVisible() || menu == m_handled) {
        if (m_waited.elapsed() > kMenuWaitMs) Abandon(Outcome());
        return;
    }
    const QRegularExpression& pattern = m_patterns[m_level];
    QAction* entry = nullptr;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && pattern.match(EntryText(*action)).hasMatch()) {
            entry = action;
            break;
        }
    }
    if (entry == nullptr || !entry->isEnabled()) {
        Abandon(QStringLiteral("no enabled entry matching \"%1\" in the menu [%2]")
                    .arg(pattern.pattern(), EntryTexts(*menu).join(QStringLiteral(" | "))));
        return;
    }
    const QPoint centre = menu->actionGeometry(entry).center();
    m_handled = menu;
    ++m_level;
    m_waited.restart();
    QTest::mouseMove(menu, centre);
    QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
}

void CMenuChooser::Abandon(const QString& why) {
    m_error = why;
    m_timer.stop();
    CloseOpenMenus();
}

}  // namespace workflow
