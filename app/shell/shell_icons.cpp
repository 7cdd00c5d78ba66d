#include "shell/shell_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "shell/case_view_glyphs.h"

namespace {

const QColor kInk(60, 72, 92);

void Book(QPainter& p, const QColor& cover) {
    p.setPen(QPen(cover.darker(140), 0.8));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(3, 1.5, 10, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 12, 8.5, 1.8));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(6, 4.5), QPointF(11, 4.5));
    p.drawLine(QPointF(6, 6.5), QPointF(10, 6.5));
}

// Three book spines standing on a shelf: every repertory.
void Shelf(QPainter& p) {
    const QColor covers[] = {QColor(180, 50, 50), QColor(50, 90, 170), QColor(200, 140, 40)};
    const qreal lefts[] = {2.5, 6.5, 10.5};
    const qreal tops[] = {2.5, 1.5, 3.5};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(covers[i].darker(140), 0.8));
        p.setBrush(covers[i]);
        p.drawRoundedRect(QRectF(lefts[i], tops[i], 3.5, 12 - tops[i]), 0.6, 0.6);
        p.setPen(QPen(Qt::white, 0.8));
        p.drawLine(QPointF(lefts[i] + 0.8, tops[i] + 2.5), QPointF(lefts[i] + 2.7, tops[i] + 2.5));
    }
    p.setPen(QPen(kInk, 1.4));
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
}

void Magnifier(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(210, 232, 250));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    const qreal d = radius * 0.72;
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 4, d + 4));
}

void Circle(QPainter& p, const QColor& colour, const QString& mark) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, mark);
}

void Page(QPainter& p, const QColor& corner) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(corner);
    p.drawPolygon(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
}

void Badge(QPainter& p, const QColor& colour, bool plus) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(10.2, 12), QPointF(13.8, 12));
    if (plus) p.drawLine(QPointF(12, 10.2), QPointF(12, 13.8));
}

void Draw(QPainter& p, ShellIconKind kind) {
    switch (kind) {
        case ShellIconKind::Application:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 120, 160));
            p.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
            p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(4, 12), QPointF(4, 4.5), QPointF(8, 9),
                                      QPointF(12, 4.5), QPointF(12, 12)}));
            break;
        case ShellIconKind::NewCase:
            Page(p, QColor(200, 210, 225));
            Badge(p, QColor(60, 150, 90), true);
            break;
        case ShellIconKind::OpenCase:
            p.setPen(QPen(QColor(170, 120, 30), 1));
            p.setBrush(QColor(240, 200, 100));
            p.drawRoundedRect(QRectF(1.5, 3.5, 13, 10), 1, 1);
            p.setBrush(QColor(250, 220, 130));
            p.drawPolygon(QPolygonF({QPointF(3.5, 6.5), QPointF(15.5, 6.5), QPointF(13.5, 13.5),
                                     QPointF(1.5, 13.5)}));
            break;
        case ShellIconKind::SaveCase:
        case ShellIconKind::SaveCaseAs:
            p.setPen(QPen(QColor(30, 60, 110), 1));
            p.setBrush(QColor(60, 110, 180));
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(220, 230, 240));
            p.drawRect(QRectF(4, 9, 8, 5.5));
            if (kind == ShellIconKind::SaveCaseAs) Badge(p, QColor(220, 120, 30), true);
            break;
        case ShellIconKind::CloseCase:
            Page(p, QColor(200, 210, 225));
            Badge(p, QColor(190, 60, 60), false);
            break;
        case ShellIconKind::Exit:
            p.setPen(QPen(QColor(190, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
            p.drawLine(QPointF(8, 1.5), QPointF(8, 8));
            break;
        case ShellIconKind::Visit:
            DrawTopicGlyph(p, CCaseView::TopicKind::Episode, QRect(0, 0, 16, 16), false);
            Badge(p, QColor(60, 150, 90), true);
            break;
        case ShellIconKind::Episode:
            DrawTopicGlyph(p, CCaseView::TopicKind::Episode, QRect(0, 0, 16, 16), false);
            break;
        case ShellIconKind::CheckPrescription:
            DrawTopicGlyph(p, CCaseView::TopicKind::Episode, QRect(0, 0, 16, 16), false);
            p.setPen(QPen(QColor(60, 150, 90), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(6, 9), QPointF(8, 11.5), QPointF(14, 4)}));
            break;
        case ShellIconKind::Note:
            p.setPen(QPen(QColor(190, 160, 40), 1));
            p.setBrush(QColor(255, 235, 130));
            p.drawRect(QRectF(2.5, 2.5, 11, 11));
            p.setPen(QPen(QColor(150, 120, 30), 1));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(4.5, 5.5 + 2.5 * i), QPointF(11.5, 5.5 + 2.5 * i));
            break;
        case ShellIconKind::Phone: {
            QPainterPath handset;
            handset.moveTo(3, 3);
            handset.cubicTo(2, 9, 7, 14, 13, 13);
            handset.lineTo(13, 10.5);
            handset.lineTo(10, 9.5);
            handset.lineTo(8.8, 11);
            handset.cubicTo(7, 10, 6, 9, 5, 7.2);
            handset.lineTo(6.5, 6);
            handset.lineTo(5.5, 3);
            handset.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 110, 180));
            p.drawPath(handset);
            break;
        }
        case ShellIconKind::PatientCard:
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 1.5, 1.5);
            p.save();
            p.translate(1, 4);
            p.scale(0.5, 0.55);
            DrawTopicGlyph(p, CCaseView::TopicKind::Patient, QRect(0, 0, 16, 16), false);
            p.restore();
            p.setPen(QPen(kInk, 1));
            p.drawLine(QPointF(9.5, 6), QPointF(13.5, 6));
            p.drawLine(QPointF(9.5, 8.5), QPointF(13.5, 8.5));
            p.drawLine(QPointF(9.5, 11), QPointF(12, 11));
            break;
        case ShellIconKind::Analysis:
            DrawTopicGlyph(p, CCaseView::TopicKind::Analysis, QRect(0, 0, 16, 16), false);
            break;
        case ShellIconKind::Prescription:
            DrawTopicGlyph(p, CCaseView::TopicKind::Prescription, QRect(0, 0, 16, 16), false);
            break;
        case ShellIconKind::RepertoryRed:
            Book(p, QColor(180, 50, 50));
            break;
        case ShellIconKind::RepertoryBlue:
            Book(p, QColor(50, 90, 170));
            break;
        case ShellIconKind::Repertories:
            Shelf(p);
            break;
        case ShellIconKind::MateriaMedica:
            Book(p, QColor(50, 140, 80));
            break;
        case ShellIconKind::Search:
            Magnifier(p, QPointF(6.5, 6.5), 4.2);
            break;
        case ShellIconKind::Web:
            p.setPen(QPen(QColor(40, 110, 170), 1.1));
            p.setBrush(QColor(215, 235, 250));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(5, 1.5, 6, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
            p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
            p.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
            break;
        case ShellIconKind::Podcasts:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(130, 70, 160));
            p.drawRoundedRect(QRectF(5.5, 1.5, 5, 8), 2.5, 2.5);
            p.setPen(QPen(QColor(130, 70, 160), 1.3));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(3.5, 4, 9, 8), 180 * 16, 180 * 16);
            p.drawLine(QPointF(8, 12), QPointF(8, 14.5));
            p.drawLine(QPointF(5.5, 14.5), QPointF(10.5, 14.5));
            break;
        case ShellIconKind::About:
            Circle(p, QColor(40, 110, 170), QStringLiteral("i"));
            break;
        case ShellIconKind::Help:
            Circle(p, QColor(60, 150, 90), QStringLiteral("?"));
            break;
        case ShellIconKind::PrintChart:
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(150, 160, 175));
            p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 9.5, 7, 5));
            p.setPen(QPen(QColor(153, 204, 255), 1));
            p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
            p.drawLine(QPointF(6, 13), QPointF(9, 13));
            break;
        case ShellIconKind::ExportPdf:
            Page(p, QColor(200, 60, 50));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 60, 50));
            p.drawRect(QRectF(1.5, 8.5, 11, 5));
            break;
        case ShellIconKind::ExportPng:
            Page(p, QColor(55, 104, 185));
            p.setPen(QPen(QColor(170, 170, 170), 0.8));
            p.drawLine(QPointF(5, 10), QPointF(11, 10));
            p.drawLine(QPointF(8, 6.5), QPointF(8, 13));
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(QColor(153, 204, 255));
            p.drawRoundedRect(QRectF(6.5, 8.5, 3, 3), 0.6, 0.6);
            break;
    }
}

QPixmap Render(ShellIconKind kind, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(size / 16.0, size / 16.0);
    Draw(painter, kind);
    return pixmap;
}

}  // namespace

QIcon ShellIcon(ShellIconKind kind) {
    QIcon icon;
    icon.addPixmap(Render(kind, 16));
    icon.addPixmap(Render(kind, 32));
    return icon;
}
