#include "views/analysis/chart/chart_corner.h"

#include <QPainter>

#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/chart/chart_style.h"

namespace chart {

QRect SortSelectorBox(int width, int height) {
    return QRect(5, 22, std::max(0, width - 10), height);
}

void PaintCorner(QPainter& painter, const QRect& box, const QString& sortCaption) {
    painter.fillRect(box, CornerBackground());
    const QFont& small = CInterfaceFonts::Shared().Small12();
    painter.setFont(small);
    painter.setPen(Caption());
    const int left = box.left() + 5;
    const int width = box.width() - 10;
    painter.drawText(QRect(left, box.top() + 4, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     Text("Sort by"));
    const int foot = box.top() + kTitleHeight - kRowHeight;
    painter.drawText(QRect(left, foot, width, kRowHeight / 2), Qt::AlignLeft | Qt::AlignVCenter,
                     Text("Remedy name"));
    painter.drawText(QRect(box.left(), foot + kRowHeight / 2, box.width(), kRowHeight / 2),
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
