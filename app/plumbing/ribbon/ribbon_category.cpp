#include "plumbing/ribbon/ribbon_category.h"

#include <QHBoxLayout>
#include <QPainter>

#include "plumbing/ribbon/ribbon_panel.h"

CRibbonCategory::CRibbonCategory(CCommandRegistry& commands, const QString& caption,
                                 QWidget* parent)
    : QWidget(parent), m_commands(commands), m_caption(caption) {
    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(2, 2, 2, 2);
    m_row->setSpacing(0);
    m_row->addStretch(1);
}

CRibbonPanel* CRibbonCategory::AddPanel(const QString& caption) {
    const int beforeStretch = m_row->count() - 1;
    int at = beforeStretch;
    if (!m_panels.isEmpty()) m_row->insertWidget(at++, new CRibbonSeparator(this));
    auto* panel = new CRibbonPanel(m_commands, caption, this);
    m_row->insertWidget(at, panel);
    m_panels.append(panel);
    return panel;
}

CRibbonSeparator::CRibbonSeparator(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void CRibbonSeparator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor line = palette().color(QPalette::Mid);
    line.setAlpha(140);
    const int x = width() / 2;
    painter.setPen(line);
    painter.drawLine(x, 4, x, height() - 5);
}
