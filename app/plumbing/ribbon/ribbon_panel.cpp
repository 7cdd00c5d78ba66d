#include "plumbing/ribbon/ribbon_panel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "plumbing/ribbon/command_registry.h"

CRibbonPanel::CRibbonPanel(CCommandRegistry& commands, const QString& caption, QWidget* parent)
    : QWidget(parent), m_commands(commands) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 2, 4, 2);
    outer->setSpacing(2);

    m_columns = new QHBoxLayout;
    m_columns->setSpacing(2);
    outer->addLayout(m_columns, 1);

    m_caption = new QLabel(caption, this);
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont small = m_caption->font();
    small.setPointSizeF(small.pointSizeF() > 0 ? small.pointSizeF() * 0.85 : 7.5);
    m_caption->setFont(small);
    m_caption->setForegroundRole(QPalette::PlaceholderText);
    outer->addWidget(m_caption);
}

QString CRibbonPanel::Caption() const {
    return m_caption->text();
}

QToolButton* CRibbonPanel::MakeButton(int id) {
    QAction* action = m_commands.Action(id);
    if (!action) return nullptr;
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    m_buttons.append(button);
    return button;
}

QToolButton* CRibbonPanel::AddLargeButton(int id) {
    QToolButton* button = MakeButton(id);
    if (!button) return nullptr;
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(kLargeIconSize, kLargeIconSize));
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    button->setMinimumWidth(kLargeIconSize + 16);
    m_columns->addWidget(button);
    m_smallColumn = nullptr;
    return button;
}

QToolButton* CRibbonPanel::AddSmallButton(int id) {
    QToolButton* button = MakeButton(id);
    if (!button) return nullptr;
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(kSmallIconSize, kSmallIconSize));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (!m_smallColumn || m_smallInColumn >= kSmallButtonsPerColumn) {
        m_smallColumn = new QVBoxLayout;
        m_smallColumn->setSpacing(0);
        m_smallColumn->addStretch(1);  // keeps the buttons at the top
        m_columns->addLayout(m_smallColumn);
        m_smallInColumn = 0;
    }
    m_smallColumn->insertWidget(m_smallInColumn++, button);
    return button;
}
