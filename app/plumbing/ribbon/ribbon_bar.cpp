#include "plumbing/ribbon/ribbon_bar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "plumbing/ribbon/application_menu.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/ribbon_category.h"
#include "plumbing/ribbon/ribbon_panel.h"

CRibbonBar::CRibbonBar(CCommandRegistry& commands, QWidget* parent)
    : QWidget(parent), m_commands(commands) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 1);  // room for the bottom line
    outer->setSpacing(0);

    m_quickRow = new QHBoxLayout;
    m_quickRow->setContentsMargins(4, 1, 4, 1);
    m_quickRow->setSpacing(1);
    m_quickRow->addStretch(1);
    outer->addLayout(m_quickRow);

    m_tabRow = new QHBoxLayout;
    m_tabRow->setContentsMargins(2, 0, 4, 0);
    m_tabRow->setSpacing(4);
    m_appMenu = new CApplicationMenu(m_commands, this);
    m_appButton = new QToolButton(this);
    m_appButton->setMenu(m_appMenu);
    m_appButton->setPopupMode(QToolButton::InstantPopup);
    m_appButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_appButton->setAutoRaise(true);
    m_appButton->setFocusPolicy(Qt::NoFocus);
    QFont bold = m_appButton->font();
    bold.setBold(true);
    m_appButton->setFont(bold);
    m_appButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    m_tabRow->addWidget(m_appButton);

    m_tabs = new QTabBar(this);
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabRow->addWidget(m_tabs, 0, Qt::AlignBottom);
    m_tabRow->addStretch(1);
    outer->addLayout(m_tabRow);

    m_pages = new QStackedWidget(this);
    m_pages->setAutoFillBackground(true);
    m_pages->setBackgroundRole(QPalette::Base);
    m_pages->setMinimumHeight(CRibbonPanel::kLargeIconSize + 56);
    outer->addWidget(m_pages);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        Q_EMIT CurrentCategoryChanged(index);
    });
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

CRibbonBar::~CRibbonBar() = default;

void CRibbonBar::SetApplicationButton(const QString& text, const QIcon& icon) {
    m_appButton->setText(text);
    m_appButton->setIcon(icon);
    m_appMenu->setTitle(text);
}

CRibbonCategory* CRibbonBar::AddCategory(const QString& caption) {
    auto* category = new CRibbonCategory(m_commands, caption, m_pages);
    m_categories.append(category);
    m_pages->addWidget(category);
    m_tabs->addTab(caption);
    return category;
}

int CRibbonBar::CurrentCategory() const {
    return m_tabs->currentIndex();
}

void CRibbonBar::SetCurrentCategory(int index) {
    if (index >= 0 && index < m_categories.size()) m_tabs->setCurrentIndex(index);
}

QToolButton* CRibbonBar::MakeRowButton(int id, Qt::ToolButtonStyle style) {
    QAction* action = m_commands.Action(id);
    if (!action) return nullptr;
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(style);
    button->setIconSize(QSize(CRibbonPanel::kSmallIconSize, CRibbonPanel::kSmallIconSize));
    return button;
}

QToolButton* CRibbonBar::AddQuickAccessCommand(int id) {
    QToolButton* button = MakeRowButton(id, Qt::ToolButtonIconOnly);
    if (button) m_quickRow->insertWidget(m_quickRow->count() - 1, button);
    return button;
}

QToolButton* CRibbonBar::AddTabRowCommand(int id) {
    QToolButton* button = MakeRowButton(id, Qt::ToolButtonTextBesideIcon);
    if (button) m_tabRow->addWidget(button);
    return button;
}

void CRibbonBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    // A line above the panels, where the tabs end.
    const int y = m_pages->geometry().top() - 1;
    painter.drawLine(0, y, width(), y);
}
