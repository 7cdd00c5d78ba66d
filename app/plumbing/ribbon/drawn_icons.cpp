#include "plumbing/ribbon/drawn_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace plumbing {

QIcon StandardIcon(QStyle::StandardPixmap pixmap) {
    return QApplication::style()->standardIcon(pixmap);
}

QIcon LetterIcon(const QString& letters, const QColor& colour) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(colour.darker(130));
        painter.setBrush(colour);
        const qreal radius = size / 5.0;
        painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), radius, radius);
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(letters.size() > 1 ? size * 9 / 20 : size * 5 / 8);
        painter.setFont(font);
        painter.setPen(colour.lightness() > 150 ? Qt::black : Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letters.left(2));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace plumbing
