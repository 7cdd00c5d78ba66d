#include "views/analysis/chart/chart_corner.h"

#include <QFontMetrics>
#include <QPainter>

#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_style.h"

namespace chart {

namespace {

// `text` in the 12-pixel caption face, made smaller (down to 9 pixels) when
// it would not fit `box`'s width.
void DrawCaption(QPainter& painter, const QRect& box, int flags, const QString& text) {
    QFont font = CInterfaceFonts::Shared().Small12();
    for (int pixels = font.pixelSize(); pixels > 9; --pixels) {
        if (QFontMetrics(font).horizontalAdvance(text) <= box.width()) break;
        font.setPixelSize(pixels - 1);
    }
    painter.setFont(font);
    painter.drawText(box, flags, text);
}

}  // namespace

QRect SortSelectorBox(int width, int height) {
    return QRect(5, 22, std::max(0, width - 10), height);
}

void PaintCorner(QPainter& painter, const QRect& box, const QString& sortCaption) {
    painter.fillRect(box, CornerBackground());
    painter.setPen(Caption());
    const int left = box.left() + 5;
    const int width = box.width() - 10;
    DrawCaption(painter, QRect(left, box.top() + 4, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
                Text("Sort by"));
    const int foot = box.top() + kTitleHeight - kRowHeight;
    DrawCaption(painter, QRect(left, foot, box.width() - 7, kRowHeight / 2),
                Qt::AlignLeft | Qt::AlignVCenter, Text("Remedy name"));
    DrawCaption(painter, QRect(box.left() + 2, foot + kRowHeight / 2, box.width() - 4, kRowHeight / 2),
                Qt::AlignCenter, Text("Count/Weight"));
    if (sortCaption.isEmpty()) return;
    const QRect selector = SortSelectorBox(box.width(), 20).translated(box.topLeft());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Net(), 1));
    painter.setBrush(EvenRow());
    painter.drawRoundedRect(PixelBox(selector), 2, 2);
    painter.setFont(CInterfaceFonts::Shared().Normal());
    painter.setPen(RemedyName());
    painter.drawText(selector.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, sortCaption);
    painter.restore();
}

}  // namespace chart
