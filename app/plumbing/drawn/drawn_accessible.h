// The accessibility of drawn views: the view as a list (or table) whose
// children are the items visible in its viewport, each with its text, its
// screen rectangle and, when clickable, a press action.  Installed as a factory
// of Qt's accessibility layer by the first CDrawnView.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include "plumbing/drawn/drawn_view.h"

// Installs the factory once; later calls do nothing.
void InstallDrawnAccessibility();

class CDrawnViewAccessible : public QAccessibleWidget {
public:
    explicit CDrawnViewAccessible(CDrawnView* view);

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    CDrawnView* View() const;
};

// One item of a view.  Objects of this class are registered with Qt's
// accessibility cache and deleted by the view when its items change.
class CDrawnItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CDrawnItemAccessible(CDrawnView* view, DrawnItemId item);

    DrawnItemId Item() const { return m_item; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool Clickable() const;

    QPointer<CDrawnView> m_view;
    DrawnItemId m_item;
};
