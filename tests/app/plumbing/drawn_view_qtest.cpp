// The scrolling drawn view over a renderer of 100,000 rows: laid-out rows and
// hit testing at their borders, scroll ranges and steps, scrolling a box into
// view, clicks, the cache kept while hovering, the wheel and the keys.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "drawn_test_renderer.h"
#include "plumbing/drawn/drawn_rows.h"
#include "plumbing/drawn/drawn_view.h"

using R = CDrawnTestRenderer;

namespace {

// A renderer that knows only an estimate of its height until it has painted.
class CLazyRenderer : public CDrawnTestRenderer {
public:
    CLazyRenderer() : CDrawnTestRenderer(1000) {}
    QSize ContentSize() const override {
        const QSize all = CDrawnTestRenderer::ContentSize();
        return Paints() == 0 ? QSize(all.width(), 1000) : all;
    }
};

}  // namespace

class DrawnViewTest : public QObject {
    Q_OBJECT

private:
    // A shown view of `renderer`, 400 x 300 pixels of viewport, painted once.
    static void Show(CDrawnView& view, CDrawnRenderer& renderer) {
        view.SetRenderer(&renderer);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QApplication::processEvents();
    }
    // The middle of `box` (content coordinates) in the view's viewport.
    static QPoint Middle(CDrawnView& view, const QRect& box) { return view.ToViewport(box).center(); }

private Q_SLOTS:
    void rowsAnswerAtTheirBorders() {
        CDrawnRows rows;
        rows.AddRow(0, 10);
        rows.AddItem(0, 5);
        rows.AddItem(8, 2);
        rows.AddRow(12, 0);  // an empty line keeps no item
        rows.AddRow(12, 6);
        rows.AddItem(3, 4);
        QCOMPARE(rows.RowAt(-1), -1);
        QCOMPARE(rows.RowAt(0), 0);
        QCOMPARE(rows.RowAt(9), 0);
        QCOMPARE(rows.RowAt(10), -1);  // the gap
        QCOMPARE(rows.RowAt(11), -1);
        QCOMPARE(rows.RowAt(12), 2);
        QCOMPARE(rows.RowAt(17), 2);
        QCOMPARE(rows.RowAt(18), -1);
        QCOMPARE(rows.ItemAt(QPoint(0, 0)), 0);
        QCOMPARE(rows.ItemAt(QPoint(4, 9)), 0);
        QCOMPARE(rows.ItemAt(QPoint(5, 5)), -1);
        QCOMPARE(rows.ItemAt(QPoint(8, 5)), 1);
        QCOMPARE(rows.ItemAt(QPoint(10, 5)), -1);
        QCOMPARE(rows.ItemAt(QPoint(3, 12)), 2);
        QCOMPARE(rows.ItemAt(QPoint(2, 12)), -1);
        QCOMPARE(rows.RowOfItem(2), 2);
        QCOMPARE(rows.ItemBox(1), QRect(8, 0, 2, 10));
        QCOMPARE(rows.ItemBox(2), QRect(3, 12, 4, 6));
        QCOMPARE(rows.ItemBox(3), QRect());
        QCOMPARE(rows.RowsIn(9, 13), std::make_pair(0, 3));
        QCOMPARE(rows.RowsIn(10, 12), std::make_pair(1, 1));
        std::vector<int> items;
        rows.ItemsIn(QRect(4, 5, 5, 10), &items);
        QCOMPARE(items, (std::vector<int>{0, 1, 2}));
        QCOMPARE(rows.Bottom(), 18);
        QCOMPARE(rows.Right(), 10);
    }

    void rendererHitTestsWithoutAWidget() {
        R renderer;
        renderer.Layout(500);
        QCOMPARE(renderer.ContentSize(), QSize(R::kContentWidth, R::RowTop(100000) - R::kGap));
        for (int row : {0, 1, 9, 10, 54321, 99999}) {
            const int top = R::RowTop(row);
            const int bottom = top + R::RowHeight(row) - 1;  // its last pixel
            QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft, top)), R::Heading(row));
            QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft + R::kHeadingWidth - 1, bottom)), R::Heading(row));
            QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft - 1, top)), kNoDrawnItem);
            QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft + R::kHeadingWidth, top)), kNoDrawnItem);
            QCOMPARE(renderer.ItemAt(QPoint(R::kRemedyLeft + R::kRemedyStep, bottom)), R::Remedy(row, 1));
            QCOMPARE(renderer.ItemAt(QPoint(R::kRemedyLeft + R::kRemedyWidth, top)), kNoDrawnItem);
            QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft, bottom + 1)), kNoDrawnItem);  // gap
            QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft, top - 1)), kNoDrawnItem);  // gap above, or outside
            QCOMPARE(renderer.ItemBox(R::Remedy(row, 2)),
                     QRect(R::kRemedyLeft + 2 * R::kRemedyStep, top, R::kRemedyWidth, R::RowHeight(row)));
        }
        QCOMPARE(renderer.ItemAt(QPoint(R::kHeadingLeft, renderer.ContentSize().height())), kNoDrawnItem);
        // Rendered into an image: only the rows the area meets are drawn.
        QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        const QRect area(0, R::RowTop(500), 400, 300);
        painter.translate(-area.topLeft());
        renderer.Paint(painter, area);
        QCOMPARE(renderer.Paints(), 1);
        std::vector<DrawnItemId> items;
        renderer.ItemsIn(area, &items);
        QCOMPARE(items.front(), R::Heading(500));
        QCOMPARE(int(items.size()) % R::kItemsPerRow, 0);
    }

    void scrollRangesAndSteps() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        const QSize visible = view.viewport()->size();
        QCOMPARE(renderer.LastLayoutWidth(), visible.width());
        QCOMPARE(view.ContentSize(), renderer.ContentSize());
        QCOMPARE(view.verticalScrollBar()->maximum(), renderer.ContentSize().height() - visible.height());
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);  // 310 pixels fit
        view.SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Share(0.02));
        QCOMPARE(view.verticalScrollBar()->pageStep(), visible.height() / 2);
        QCOMPARE(view.verticalScrollBar()->singleStep(), int(visible.height() * 0.02));
        view.SetVerticalSteps(CScrollStep::Pixels(100), CScrollStep::Share(0.001));
        QCOMPARE(view.verticalScrollBar()->pageStep(), 100);
        QCOMPARE(view.verticalScrollBar()->singleStep(), 1);  // never less than a pixel

        // Narrower than the content: a horizontal range, and a new layout.
        const int layouts = renderer.Layouts();
        view.resize(200, 300);
        QApplication::processEvents();
        QCOMPARE(renderer.Layouts(), layouts + 1);
        QCOMPARE(view.horizontalScrollBar()->maximum(), R::kContentWidth - view.viewport()->width());
        // Only the height changed: no new layout.
        view.resize(200, 250);
        QApplication::processEvents();
        QCOMPARE(renderer.Layouts(), layouts + 1);

        view.ScrollTo(QPoint(0, 1 << 30));
        QCOMPARE(view.ScrollPosition().y(), view.verticalScrollBar()->maximum());
        QCOMPARE(view.VisibleContent().bottom() + 1, renderer.ContentSize().height());
    }

    void scrollIntoViewMovesAsLittleAsNeeded() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        const int height = view.viewport()->height();
        // From above: the row ends at the viewport's bottom.
        view.ScrollItemIntoView(R::Heading(50000));
        const QRect box = renderer.ItemBox(R::Heading(50000));
        QCOMPARE(view.ScrollPosition().y(), box.bottom() + 1 - height);
        // Already in view: nothing moves.
        view.ScrollIntoView(renderer.ItemBox(R::Heading(49999)));
        QCOMPARE(view.ScrollPosition().y(), box.bottom() + 1 - height);
        // From below: the row starts at the top.
        view.ScrollItemIntoView(R::Heading(100));
        QCOMPARE(view.ScrollPosition().y(), R::RowTop(100));
        // Larger than the viewport: its top shows.
        view.ScrollIntoView(QRect(0, R::RowTop(2000), 10, height * 3));
        QCOMPARE(view.ScrollPosition().y(), R::RowTop(2000));
        // The last row.
        view.ScrollItemIntoView(R::Heading(99999));
        QCOMPARE(view.ScrollPosition().y(), view.verticalScrollBar()->maximum());
        QVERIFY(view.VisibleContent().contains(renderer.ItemBox(R::Heading(99999))));
    }

    void clickNeedsPressAndReleaseOverTheSameItem() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        view.ScrollTo(QPoint(0, R::RowTop(700)));
        QSignalSpy clicked(&view, &CDrawnView::ItemClicked);
        QSignalSpy doubled(&view, &CDrawnView::ItemDoubleClicked);
        QWidget* port = view.viewport();
        const QPoint heading = Middle(view, renderer.ItemBox(R::Heading(701)));
        const QPoint remedy = Middle(view, renderer.ItemBox(R::Remedy(701, 0)));

        QTest::mouseClick(port, Qt::LeftButton, Qt::ShiftModifier, heading);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].value<DrawnItemId>(), R::Heading(701));
        QCOMPARE(clicked[0][1].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(clicked[0][2].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));

        // Released over another item, or over the gap below the row: nothing.
        QTest::mousePress(port, Qt::LeftButton, {}, heading);
        QTest::mouseRelease(port, Qt::LeftButton, {}, remedy);
        const QRect row = view.ToViewport(renderer.ItemBox(R::Heading(701)));
        QTest::mousePress(port, Qt::LeftButton, {}, heading);
        QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(heading.x(), row.bottom() + 1));
        QCOMPARE(clicked.count(), 1);
        // Pressed, moved away and back: a click.
        QTest::mousePress(port, Qt::LeftButton, {}, remedy);
        QTest::mouseMove(port, heading);
        QTest::mouseRelease(port, Qt::LeftButton, {}, remedy);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked[1][0].value<DrawnItemId>(), R::Remedy(701, 0));
        // The middle button clicks too; the right one asks for a menu instead.
        QTest::mouseClick(port, Qt::MiddleButton, {}, remedy);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(clicked[2][1].value<Qt::MouseButton>(), Qt::MiddleButton);
        QSignalSpy menu(&view, &CDrawnView::ContextMenuRequested);
        QTest::mouseClick(port, Qt::RightButton, {}, remedy);
        QContextMenuEvent context(QContextMenuEvent::Mouse, remedy, port->mapToGlobal(remedy));
        QApplication::sendEvent(port, &context);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu[0][0].value<DrawnItemId>(), R::Remedy(701, 0));
        QCOMPARE(menu[0][1].toPoint(), port->mapToGlobal(remedy));

        // A double click: one click, then the double click; the second
        // release clicks nothing.
        clicked.clear();
        QTest::mouseDClick(port, Qt::LeftButton, {}, heading);
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(doubled[0][0].value<DrawnItemId>(), R::Heading(701));
        QVERIFY(clicked.count() <= 1);
        // Both over no item: a click on nothing.
        clicked.clear();
        QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(heading.x(), row.bottom() + 1));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].value<DrawnItemId>(), kNoDrawnItem);
    }

    void hoverAndSelectionKeepTheCache() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        QWidget* port = view.viewport();
        const int paints = renderer.Paints();
        QCOMPARE(paints, 1);
        QCOMPARE(renderer.LastPaintArea(), QRect(QPoint(0, 0), port->size()));
        const int overlays = renderer.OverlayPaints();
        QSignalSpy hovered(&view, &CDrawnView::HoverChanged);

        for (int row = 0; row < 8; ++row) {
            QTest::mouseMove(port, Middle(view, renderer.ItemBox(R::Remedy(row, row % 3))));
            QApplication::processEvents();
            QCOMPARE(view.HoverItem(), R::Remedy(row, row % 3));
        }
        QCOMPARE(hovered.count(), 8);
        QCOMPARE(renderer.LastOverlay().hover, R::Remedy(7, 1));
        // Only where the marks came and went is drawn again.
        QVERIFY(renderer.LastOverlayArea().contains(renderer.ItemBox(R::Remedy(7, 1))));
        QVERIFY(renderer.LastOverlayArea().height() < port->height() / 2);
        // The hand over clickable items only.
        QCOMPARE(port->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(port, Middle(view, renderer.ItemBox(R::Remedy(7, 2))));
        QCOMPARE(port->cursor().shape(), Qt::ArrowCursor);
        view.SetSelectedItem(R::Heading(3));
        QApplication::processEvents();
        QCOMPARE(renderer.LastOverlay().selected, R::Heading(3));
        QVERIFY(renderer.OverlayPaints() > overlays);
        QCOMPARE(renderer.Paints(), paints);  // the content was not painted again

        // Scrolling, resizing and invalidating paint it again, once each.
        view.ScrollTo(QPoint(0, 5000));
        QApplication::processEvents();
        QCOMPARE(renderer.Paints(), paints + 1);
        QCOMPARE(renderer.LastPaintArea().top(), 5000);
        view.InvalidateCache();
        QApplication::processEvents();
        QCOMPARE(renderer.Paints(), paints + 2);
        const int layouts = renderer.Layouts();
        view.Invalidate();
        QApplication::processEvents();
        QCOMPARE(renderer.Paints(), paints + 3);
        QCOMPARE(renderer.Layouts(), layouts + 1);
        QCOMPARE(view.SelectedItem(), R::Heading(3));  // kept over a new layout
    }

    void aShortScrollPaintsOnlyWhatCameIntoView() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        view.resize(200, 300);  // a horizontal range too
        QApplication::processEvents();
        const QSize size = view.viewport()->size();
        view.ScrollTo(QPoint(0, R::RowTop(300)));
        QApplication::processEvents();
        const int paints = renderer.Paints();
        view.ScrollTo(QPoint(0, R::RowTop(300) + 45));  // down: the strip at the bottom
        QApplication::processEvents();
        QCOMPARE(renderer.Paints(), paints + 1);
        QCOMPARE(renderer.LastPaintArea(), QRect(0, R::RowTop(300) + size.height(), size.width(), 45));
        view.ScrollTo(QPoint(30, R::RowTop(300) + 5));  // up and sideways: two strips
        QApplication::processEvents();
        QCOMPARE(renderer.Paints(), paints + 3);

        // What shows is what a whole new painting shows.
        const QImage moved = view.viewport()->grab().toImage();
        view.InvalidateCache();
        const QImage fresh = view.viewport()->grab().toImage();
        QCOMPARE(renderer.Paints(), paints + 4);
        QCOMPARE(renderer.LastPaintArea(), QRect(QPoint(30, R::RowTop(300) + 5), size));
        QCOMPARE(moved, fresh);
    }

    void paintsAtTheDevicePixelRatio() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        const qreal ratio = view.viewport()->devicePixelRatioF();
        QCOMPARE(renderer.LastPaintRatio(), ratio);
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        if (!scale.isEmpty()) QCOMPARE(ratio, scale.toDouble());

        // The view shows the renderer's painting at full density, pixel for pixel.
        view.ScrollTo(QPoint(0, R::RowTop(77)));
        const QImage shown = view.viewport()->grab().toImage();
        QImage direct(shown.size(), shown.format());
        direct.setDevicePixelRatio(ratio);
        QPainter painter(&direct);
        const QRect area(view.ScrollPosition(), view.viewport()->size());
        painter.translate(-area.topLeft());
        painter.setClipRect(area);
        painter.setFont(view.viewport()->font());
        renderer.Paint(painter, area);
        painter.end();
        QCOMPARE(shown.size(), view.viewport()->size() * ratio);
        QCOMPARE(shown, direct);
    }

    void wheelScrollsByLineSteps() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        view.resize(200, 300);  // a horizontal range too
        QApplication::processEvents();
        view.SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Pixels(7));
        view.SetHorizontalSteps(CScrollStep::Share(0.5), CScrollStep::Pixels(5));
        const QPoint at(20, 20);
        const auto turn = [&](QPoint angle, Qt::KeyboardModifiers modifiers, QPoint pixels = {}) {
            QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(view.viewport(), &wheel);
        };
        const int lines = QApplication::wheelScrollLines();
        turn(QPoint(0, -120), {});
        QCOMPARE(view.ScrollPosition(), QPoint(0, 7 * lines));
        turn(QPoint(0, -240), {});
        QCOMPARE(view.ScrollPosition(), QPoint(0, 21 * lines));
        turn(QPoint(0, 120), {});
        QCOMPARE(view.ScrollPosition(), QPoint(0, 14 * lines));
        turn(QPoint(0, -120), Qt::ShiftModifier);
        QCOMPARE(view.ScrollPosition(), QPoint(5 * lines, 14 * lines));
        turn({}, {}, QPoint(0, -33));  // a touchpad's pixels
        QCOMPARE(view.ScrollPosition(), QPoint(5 * lines, 14 * lines + 33));
    }

    void keysScrollAndClickTheSelection() {
        R renderer;
        CDrawnView view;
        Show(view, renderer);
        view.setFocus();
        view.SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Share(0.02));
        const int page = view.verticalScrollBar()->pageStep();
        const int line = view.verticalScrollBar()->singleStep();
        QTest::keyClick(&view, Qt::Key_PageDown);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.ScrollPosition().y(), page + line);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.ScrollPosition().y(), view.verticalScrollBar()->maximum());
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.ScrollPosition().y(), 0);

        QSignalSpy clicked(&view, &CDrawnView::ItemClicked);
        QTest::keyClick(&view, Qt::Key_Return);  // nothing selected
        QCOMPARE(clicked.count(), 0);
        view.SetSelectedItem(R::Remedy(2, 1));
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].value<DrawnItemId>(), R::Remedy(2, 1));

        // The Menu key: the selected item's menu, at its box.
        QSignalSpy menu(&view, &CDrawnView::ContextMenuRequested);
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(&view, &key);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu[0][0].value<DrawnItemId>(), R::Remedy(2, 1));
        const QRect box = view.ToViewport(renderer.ItemBox(R::Remedy(2, 1)));
        QCOMPARE(menu[0][1].toPoint(), view.viewport()->mapToGlobal(box.bottomLeft()));

        // The owner's handler comes first.
        int seen = 0;
        view.SetKeyHandler([&seen](QKeyEvent& event) {
            ++seen;
            return event.key() == Qt::Key_Down;
        });
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.ScrollPosition().y(), 0);
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(view.ScrollPosition().y(), page);
        QCOMPARE(seen, 2);
    }

    void lazyRendererGrowsTheRange() {
        CLazyRenderer renderer;
        CDrawnView view;
        view.SetRenderer(&renderer);
        view.resize(400, 300);
        QCOMPARE(view.ContentSize().height(), 1000);
        QCOMPARE(view.verticalScrollBar()->maximum(), 1000 - view.viewport()->height());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QApplication::processEvents();
        QVERIFY(renderer.Paints() >= 1);
        QCOMPARE(view.verticalScrollBar()->maximum(),
                 renderer.CDrawnTestRenderer::ContentSize().height() - view.viewport()->height());
    }

    void emptyViewWithoutRenderer() {
        CDrawnView view;
        view.resize(200, 100);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.ContentSize(), QSize());
        QCOMPARE(view.ItemAt(QPoint(5, 5)), kNoDrawnItem);
        QSignalSpy clicked(&view, &CDrawnView::ItemClicked);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].value<DrawnItemId>(), kNoDrawnItem);
    }
};

QTEST_MAIN(DrawnViewTest)
#include "drawn_view_qtest.moc"
