// The drawn view through Qt's accessibility layer: a list (or table) whose
// children are the visible items, with their texts, their screen boxes and a
// press action that clicks them.
#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "drawn_test_renderer.h"
#include "plumbing/drawn/drawn_view.h"

using R = CDrawnTestRenderer;

class DrawnAccessibleTest : public QObject {
    Q_OBJECT

private:
    R m_renderer;
    CDrawnView* m_view = nullptr;

    // The visible rows of the 300-pixel viewport at `top`, each with its four items.
    int VisibleItems(int top) const {
        std::vector<DrawnItemId> items;
        m_renderer.ItemsIn(QRect(QPoint(0, top), m_view->viewport()->size()), &items);
        return static_cast<int>(items.size());
    }

private Q_SLOTS:
    void init() {
        m_view = new CDrawnView;
        m_view->SetRenderer(&m_renderer);
        m_view->resize(400, 300);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
    }
    void cleanup() { delete m_view; }

    void itemsAreChildrenWithTextsAndBoxes() {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_view);
        QVERIFY(list != nullptr);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), VisibleItems(0));
        QAccessibleInterface* first = list->child(0);
        QVERIFY(first != nullptr);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Row 0"));
        QCOMPARE(first->text(QAccessible::Description), QStringLiteral("Expand/Collapse rubric"));
        QCOMPARE(first->role(), QAccessible::ListItem);
        QCOMPARE(list->indexOfChild(first), 0);
        QCOMPARE(first->parent(), list);
        const QRect box = m_renderer.ItemBox(R::Remedy(0, 1));
        QAccessibleInterface* remedy = list->child(2);
        QCOMPARE(remedy->text(QAccessible::Name), QStringLiteral("Remedy 1"));
        QCOMPARE(remedy->rect(), QRect(m_view->viewport()->mapToGlobal(box.topLeft()), box.size()));
        QCOMPARE(list->childAt(remedy->rect().center().x(), remedy->rect().center().y()), remedy);
        QVERIFY(!remedy->state().invisible);

        // Scrolled: the children are the rows now in view.
        m_view->ScrollTo(QPoint(0, R::RowTop(40000)));
        QCOMPARE(list->childCount(), VisibleItems(R::RowTop(40000)));
        QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("Row 40000"));
        QCOMPARE(list->child(list->childCount() - 1)->text(QAccessible::Name).left(7), QStringLiteral("Remedy "));

        m_view->SetAccessibleRole(QAccessible::Table);
        QCOMPARE(list->role(), QAccessible::Table);
        QCOMPARE(list->child(0)->role(), QAccessible::Cell);
    }

    void pressActionClicks() {
        QSignalSpy clicked(m_view, &CDrawnView::ItemClicked);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_view);
        QAccessibleInterface* remedy = list->child(5);  // row 1, its first remedy
        QCOMPARE(remedy->text(QAccessible::Name), R::RemedyName(1, 0));
        QAccessibleActionInterface* actions = remedy->actionInterface();
        QVERIFY(actions != nullptr);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].value<DrawnItemId>(), R::Remedy(1, 0));
        QCOMPARE(clicked[0][1].value<Qt::MouseButton>(), Qt::LeftButton);
        // The third remedy is not clickable: no action.
        QAccessibleInterface* plain = list->child(3);
        QCOMPARE(plain->text(QAccessible::Name), R::RemedyName(0, 2));
        QVERIFY(plain->actionInterface()->actionNames().isEmpty());
        plain->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
    }

    void itemsGoWithTheView() {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_view);
        const QAccessible::Id id = QAccessible::uniqueId(list->child(1));
        QVERIFY(QAccessible::accessibleInterface(id) != nullptr);
        // A new layout drops the old items.
        m_view->Invalidate();
        QVERIFY(QAccessible::accessibleInterface(id) == nullptr);
        const QAccessible::Id again = QAccessible::uniqueId(list->child(1));
        QCOMPARE(list->child(1)->text(QAccessible::Name), QStringLiteral("Remedy 0"));
        delete m_view;
        m_view = nullptr;
        QVERIFY(QAccessible::accessibleInterface(again) == nullptr);
    }
};

QTEST_MAIN(DrawnAccessibleTest)
#include "drawn_accessible_qtest.moc"
