#include "views/analysis/chart/chart_style.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"

namespace chart {

QColor WeightColour(int weight) {
    return weight >= 3 ? QColor(128, 0, 0) : QColor(0, 128, 0);
}

const char* RomanNumeral(int weight) {
    static const char* const kNumerals[] = {"I", "II", "III", "IV"};
    return weight >= 1 && weight <= 4 ? kNumerals[weight - 1] : "";
}

QFont WeightFont(int weight) {
    QFont font = CInterfaceFonts::Shared().Small10();
    if (weight == 2) font.setItalic(true);
    if (weight >= 3) font.setWeight(QFont::Bold);
    return font;
}

QRectF PixelBox(const QRect& box) {
    return QRectF(box.x() + 0.5, box.y() + 0.5, box.width() - 1.0, box.height() - 1.0);
}

void DrawWeightMarker(QPainter& painter, const QRect& box, int weight) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(MarkerOutline(), 1));
    painter.setBrush(MarkerFill());
    painter.drawRoundedRect(PixelBox(box), 3, 3);
    painter.setFont(WeightFont(weight));
    painter.setPen(WeightColour(weight));
    painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(RomanNumeral(weight)));
    painter.restore();
}

QString RemedyLabel(const std::string& shortName) {
    std::size_t end = shortName.size();
    while (end > 0 && (shortName[end - 1] == '.' || shortName[end - 1] == ',' ||
                       shortName[end - 1] == ' '))
        --end;
    return plumbing::DecodeCodePage(std::string_view(shortName).substr(0, end));
}

QString Fitted(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    return metrics.elidedText(text, Qt::ElideRight, width);
}

QString Text(const char* text) {
    return plumbing::DecodeCodePage(Localize(text, 1));
}

QString Filled(const QString& format, std::initializer_list<QString> values) {
    auto next = values.begin();
    QString result;
    result.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        const QChar following = i + 1 < format.size() ? format[i + 1] : QChar();
        if (c == QLatin1Char('%') && (following == QLatin1Char('s') || following == QLatin1Char('d'))) {
            if (next != values.end()) result += *next++;
            ++i;
        } else if (c == QLatin1Char('%') && following == QLatin1Char('%')) {
            result += c;
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace chart
