// The layout and drawing of the case view, apart from the widget so that a
// test can build the nodes of a case and render them into a QImage.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

#include "shell/case_view.h"

class CCase;
class QPainter;

class CCaseViewRenderer {
public:
    static constexpr int kSpacing = 5;     // between two nodes, and above the first
    static constexpr int kLeftMargin = 6;  // left of the node icons
    static constexpr int kIconSize = 16;
    static constexpr int kTextIndent = kLeftMargin + kIconSize + 6;
    static constexpr int kPadding = 3;  // inside a node's box, around its lines

    static QColor FirstPartColour() { return QColor(0, 0, 0); }
    static QColor SecondPartColour() { return QColor(0, 0, 170); }
    static QColor FocusedTextColour() { return QColor(255, 255, 255); }
    static QColor FocusedBackground() { return QColor(49, 106, 197); }

    // Nodes drawn in `font` (the normal interface face).
    explicit CCaseViewRenderer(const QFont& font);
    ~CCaseViewRenderer();
    CCaseViewRenderer(const CCaseViewRenderer&) = delete;
    CCaseViewRenderer& operator=(const CCaseViewRenderer&) = delete;

    // Rebuilds the nodes from `theCase`: the patient node, then a node for
    // every episode, analysis and prescription along the chain from the first
    // item; items of other classes get none.  Null: no nodes.  The nodes keep
    // pointers into the case; build again before the case changes.
    void Build(CCase* theCase);

    // Gives every node its box for a view `width` pixels wide: from the top,
    // kSpacing pixels apart, one text line per line of the node.
    void Layout(int width);

    // Draws the background and the nodes into `painter` over `area`: black
    // first parts and dark blue second parts, both white on the focus
    // background while `focused`; the node `hover` (-1: none) gets a light
    // box, the node `selected` (-1: none) a framed one.
    void Paint(QPainter& painter, const QRect& area, bool focused, int hover,
               int selected = -1) const;

    // The index of the first node whose box contains `point`; -1 when none.
    int HitTest(const QPoint& point) const;

    int Count() const { return static_cast<int>(m_topics.size()); }
    // The node at `index` (0 <= index < Count()).
    const CCaseView::CTopic& At(int index) const { return *m_topics[index]; }

    // The height the laid-out nodes take, the last spacing included.
    int ContentHeight() const;

private:
    QFont m_font;
    int m_width = 0;
    std::vector<std::unique_ptr<CCaseView::CTopic>> m_topics;
};
