#include "shell/case_view_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void DrawPatient(QPainter& p, const QRectF& b, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QRectF(b.left() + 5, b.top() + 1, 6, 6));
    QPainterPath shoulders;
    shoulders.moveTo(b.left() + 2, b.bottom());
    shoulders.cubicTo(b.left() + 2, b.top() + 8, b.right() - 2, b.top() + 8, b.right() - 2,
                      b.bottom());
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

void DrawPage(QPainter& p, const QRectF& b, const QColor& c) {
    p.setPen(QPen(c, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(b.left() + 2.5, b.top() + 1.5, 11, 13), 1.5, 1.5);
    for (int i = 0; i < 3; ++i) {
        const qreal y = b.top() + 5.5 + 3 * i;
        p.drawLine(QPointF(b.left() + 5, y), QPointF(b.right() - 4.5, y));
    }
}

void DrawBars(QPainter& p, const QRectF& b, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal heights[] = {6, 11, 8};
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(b.left() + 2 + 4.5 * i, b.bottom() - heights[i], 3.5, heights[i]));
    }
}

void DrawCapsule(QPainter& p, const QRectF& b, const QColor& left, const QColor& right) {
    p.save();
    p.translate(b.center());
    p.rotate(-45);
    const QRectF capsule(-7, -3.2, 14, 6.4);
    QPainterPath path;
    path.addRoundedRect(capsule, 3.2, 3.2);
    p.setPen(Qt::NoPen);
    p.setClipPath(path);
    p.fillRect(QRectF(-7, -3.2, 7, 6.4), left);
    p.fillRect(QRectF(0, -3.2, 7, 6.4), right);
    p.restore();
}

}  // namespace

void DrawTopicGlyph(QPainter& painter, CCaseView::TopicKind kind, const QRect& box, bool focused) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF b(box);
    switch (kind) {
        case CCaseView::TopicKind::Patient:
            DrawPatient(painter, b, focused ? QColor(200, 230, 255) : QColor(40, 120, 160));
            break;
        case CCaseView::TopicKind::Episode:
            DrawPage(painter, b, focused ? QColor(200, 220, 255) : QColor(90, 110, 140));
            break;
        case CCaseView::TopicKind::Analysis:
            DrawBars(painter, b, focused ? QColor(255, 210, 150) : QColor(220, 120, 30));
            break;
        case CCaseView::TopicKind::Prescription:
            DrawCapsule(painter, b, QColor(200, 60, 60), focused ? QColor(240, 240, 240)
                                                                 : QColor(60, 150, 90));
            break;
    }
    painter.restore();
}
