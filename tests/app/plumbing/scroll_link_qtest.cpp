// Panes scrolled in step: a chart's grid with a remedy column on its left and a
// title row above it, each pane moving the others, without feedback.
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "drawn_test_renderer.h"
#include "plumbing/drawn/drawn_view.h"
#include "plumbing/drawn/scroll_link.h"

namespace {

// A renderer as wide as a chart: the test rows, `width` pixels wide.
class CWideRenderer : public CDrawnTestRenderer {
public:
    CWideRenderer(int rows, int width, int height = -1) : CDrawnTestRenderer(rows), m_width(width), m_height(height) {}
    QSize ContentSize() const override {
        const QSize rows = CDrawnTestRenderer::ContentSize();
        return QSize(m_width, m_height < 0 ? rows.height() : m_height);
    }

private:
    int m_width;
    int m_height;
};

}  // namespace

class ScrollLinkTest : public QObject {
    Q_OBJECT

private:
    QWidget m_window;
    CWideRenderer m_gridRows{100000, 4000};
    CWideRenderer m_columnRows{100000, 100};
    CWideRenderer m_titleRows{1, 4000, 40};
    CDrawnView* m_grid = nullptr;
    CDrawnView* m_column = nullptr;
    CDrawnView* m_title = nullptr;

private Q_SLOTS:
    void init() {
        m_grid = new CDrawnView(&m_window);
        m_column = new CDrawnView(&m_window);
        m_title = new CDrawnView(&m_window);
        m_grid->SetRenderer(&m_gridRows);
        m_column->SetRenderer(&m_columnRows);
        m_title->SetRenderer(&m_titleRows);
        m_title->setGeometry(100, 0, 500, 40);
        m_column->setGeometry(0, 40, 100, 400);
        m_grid->setGeometry(100, 40, 500, 400);
        m_window.resize(600, 440);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        for (CDrawnView* view : {m_grid, m_column, m_title}) view->EnsureLayout();
    }
    void cleanup() {
        delete m_grid;
        delete m_column;
        delete m_title;
    }

    void panesFollowEachOther() {
        CScrollLink rows(Qt::Vertical);
        CScrollLink columns(Qt::Horizontal);
        rows.Add(m_grid);
        rows.Add(m_column, CScrollLink::HideScrollBars);
        columns.Add(m_grid);
        columns.Add(m_title, CScrollLink::HideScrollBars);
        QCOMPARE(m_column->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(m_title->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QApplication::processEvents();

        // The grid has a horizontal scroll bar the column has not: the column
        // still reaches the grid's last row.
        QCOMPARE(m_column->verticalScrollBar()->maximum(), m_grid->verticalScrollBar()->maximum());
        QCOMPARE(m_title->horizontalScrollBar()->maximum(), m_grid->horizontalScrollBar()->maximum());

        QSignalSpy gridMoves(m_grid->verticalScrollBar(), &QScrollBar::valueChanged);
        QSignalSpy columnMoves(m_column->verticalScrollBar(), &QScrollBar::valueChanged);
        m_grid->ScrollTo(QPoint(700, 12345));
        QCOMPARE(m_column->ScrollPosition(), QPoint(0, 12345));
        QCOMPARE(m_title->ScrollPosition(), QPoint(700, 0));
        QCOMPARE(gridMoves.count(), 1);
        QCOMPARE(columnMoves.count(), 1);

        // The column moves the grid (its wheel, with its scroll bar hidden).
        QWheelEvent wheel(QPointF(10, 10), m_column->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_column->viewport(), &wheel);
        const int moved = m_column->ScrollPosition().y();
        QVERIFY(moved > 12345);
        QCOMPARE(m_grid->ScrollPosition().y(), moved);
        QCOMPARE(gridMoves.count(), 2);
        QCOMPARE(columnMoves.count(), 2);
        // The title moves the grid sideways, not the column.
        m_title->ScrollTo(QPoint(50, 0));
        QCOMPARE(m_grid->ScrollPosition(), QPoint(50, moved));
        QCOMPARE(m_column->ScrollPosition(), QPoint(0, moved));
        // To the end and back.
        m_column->ScrollTo(QPoint(0, 1 << 30));
        QCOMPARE(m_grid->ScrollPosition().y(), m_grid->verticalScrollBar()->maximum());
        m_grid->ScrollTo(QPoint(0, 0));
        QCOMPARE(m_column->ScrollPosition(), QPoint(0, 0));
        QCOMPARE(m_title->ScrollPosition(), QPoint(0, 0));
    }

    void aPaneJoiningTakesThePosition() {
        CScrollLink rows(Qt::Vertical);
        rows.Add(m_grid);
        m_grid->ScrollTo(QPoint(0, 900));
        rows.Add(m_column);
        QCOMPARE(m_column->ScrollPosition().y(), 900);
        QCOMPARE(rows.Count(), 2);
        rows.Remove(m_column);
        m_grid->ScrollTo(QPoint(0, 100));
        QCOMPARE(m_column->ScrollPosition().y(), 900);
    }

    void aDestroyedPaneLeavesTheLink() {
        CScrollLink rows(Qt::Vertical);
        rows.Add(m_grid);
        rows.Add(m_column);
        delete m_column;
        m_column = nullptr;
        QCOMPARE(rows.Count(), 1);
        m_grid->ScrollTo(QPoint(0, 300));
        QCOMPARE(m_grid->ScrollPosition().y(), 300);
    }
};

QTEST_MAIN(ScrollLinkTest)
#include "scroll_link_qtest.moc"
