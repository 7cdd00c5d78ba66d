#include "plumbing/drawn/scroll_link.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kHorizontal = 0;
constexpr int kVertical = 1;

QScrollBar* BarOf(QAbstractScrollArea* pane, int direction) {
    return direction == kHorizontal ? pane->horizontalScrollBar() : pane->verticalScrollBar();
}

Qt::Orientation OrientationOf(int direction) {
    return direction == kHorizontal ? Qt::Horizontal : Qt::Vertical;
}

}  // namespace

CScrollLink::CScrollLink(Qt::Orientations directions, QObject* parent)
    : QObject(parent), m_directions(directions) {}

CScrollLink::~CScrollLink() = default;

void CScrollLink::Add(QAbstractScrollArea* pane, BarMode mode) {
    if (pane == nullptr) return;
    for (const Pane& linked : m_panes)
        if (linked.pane == pane) return;
    m_panes.push_back({pane, pane, {}});
    Pane& added = m_panes.back();
    for (int direction : {kHorizontal, kVertical}) {
        if (!(m_directions & OrientationOf(direction))) continue;
        if (mode == HideScrollBars) {
            if (direction == kHorizontal)
                pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            else
                pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        Connect(added, direction);
    }
    connect(pane, &QObject::destroyed, this, &CScrollLink::Forget);
    // Take the common range and the position of the panes linked before.
    for (int direction : {kHorizontal, kVertical}) {
        QScrollBar* bar = added.bars[direction].bar;
        if (bar == nullptr) continue;
        RangeChanged(bar, direction, bar->maximum());
        QScrollBar* first = m_panes.front().bars[direction].bar;
        if (first != nullptr && first != bar) {
            m_moving = true;
            bar->setValue(first->value());
            m_moving = false;
        }
    }
}

void CScrollLink::Connect(Pane& pane, int direction) {
    QScrollBar* bar = BarOf(pane.pane, direction);
    pane.bars[direction].bar = bar;
    pane.bars[direction].ownMaximum = bar->maximum();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar, direction](int value) { Follow(bar, direction, value); });
    connect(bar, &QScrollBar::rangeChanged, this,
            [this, bar, direction](int, int maximum) { RangeChanged(bar, direction, maximum); });
}

void CScrollLink::Remove(QAbstractScrollArea* pane) {
    const auto found = std::find_if(m_panes.begin(), m_panes.end(),
                                    [pane](const Pane& linked) { return linked.pane == pane; });
    if (found == m_panes.end()) return;
    for (const Bar& bar : found->bars)
        if (bar.bar != nullptr) disconnect(bar.bar, nullptr, this, nullptr);
    disconnect(pane, nullptr, this, nullptr);
    m_panes.erase(found);
}

void CScrollLink::Forget(QObject* pane) {
    std::erase_if(m_panes, [pane](const Pane& linked) { return linked.pane.isNull() || linked.identity == pane; });
}

void CScrollLink::Follow(QScrollBar* source, int direction, int value) {
    if (m_moving) return;
    m_moving = true;
    for (Pane& pane : m_panes) {
        QScrollBar* bar = pane.bars[direction].bar;
        if (bar != nullptr && bar != source) bar->setValue(value);
    }
    m_moving = false;
}

void CScrollLink::RangeChanged(QScrollBar* source, int direction, int maximum) {
    if (m_moving) return;
    // A change the pane made itself: remember its own maximum, then give every
    // pane the largest.
    int common = 0;
    for (Pane& pane : m_panes) {
        Bar& bar = pane.bars[direction];
        if (bar.bar == source) bar.ownMaximum = maximum;
        if (bar.bar != nullptr) common = std::max(common, bar.ownMaximum);
    }
    m_moving = true;
    for (Pane& pane : m_panes) {
        QScrollBar* bar = pane.bars[direction].bar;
        if (bar != nullptr && bar->maximum() != common) bar->setRange(0, common);
    }
    m_moving = false;
}
