// The ribbon across the top of the main window: a quick-access row, the tab
// row (application button, category tabs, extra buttons at the right end) and
// the panels of the current category.  Every button shows an action of the
// command registry, so enabling, disabling and triggering go through the
// registry alone.
#pragma once

#include <QList>
#include <QWidget>

class CApplicationMenu;
class CCommandRegistry;
class CRibbonCategory;
class QHBoxLayout;
class QStackedWidget;
class QTabBar;
class QToolButton;

class CRibbonBar : public QWidget {
    Q_OBJECT
public:
    // `commands` must outlive the ribbon.
    explicit CRibbonBar(CCommandRegistry& commands, QWidget* parent = nullptr);
    ~CRibbonBar() override;

    CCommandRegistry& Commands() const { return m_commands; }

    // The application button at the left of the tab row and its menu.
    QToolButton* ApplicationButton() const { return m_appButton; }
    CApplicationMenu* ApplicationMenu() const { return m_appMenu; }
    void SetApplicationButton(const QString& text, const QIcon& icon = {});

    // Appends a category with its tab; owned by the ribbon.
    CRibbonCategory* AddCategory(const QString& caption);
    int CategoryCount() const { return m_categories.size(); }
    CRibbonCategory* Category(int index) const { return m_categories.value(index); }
    int CurrentCategory() const;
    void SetCurrentCategory(int index);  // out-of-range indexes are ignored
    QTabBar* Tabs() const { return m_tabs; }

    // A small button for command `id` in the quick-access row; null when not registered.
    QToolButton* AddQuickAccessCommand(int id);
    // A button for command `id` at the right end of the tab row; null when not registered.
    QToolButton* AddTabRowCommand(int id);

Q_SIGNALS:
    void CurrentCategoryChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* MakeRowButton(int id, Qt::ToolButtonStyle style);

    CCommandRegistry& m_commands;
    QHBoxLayout* m_quickRow;
    QHBoxLayout* m_tabRow;
    QToolButton* m_appButton;
    CApplicationMenu* m_appMenu;
    QTabBar* m_tabs;
    QStackedWidget* m_pages;
    QList<CRibbonCategory*> m_categories;
};
