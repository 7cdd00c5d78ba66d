#include "views/materia/remedy_information.h"

#include <corvela.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <QStringList>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/window_texts.h"

namespace materia {
namespace {

constexpr int kPadding = 8;      // between the frame and the text
constexpr int kLineGap = 2;      // between two lines
constexpr int kLabelGap = 10;    // between the labels and the marks
constexpr int kMinimumWidth = 120;

QColor FrameColour() { return QColor(190, 200, 215); }
QColor HeadingBand() { return QColor(235, 240, 248); }
QColor HeadingColour() { return QColor(55, 104, 185); }
QColor LabelColour() { return QColor(90, 90, 90); }

struct Line {
    QString label;  // with its colon
    QString mark;
};

// "label: mark" lines after the heading.
QList<Line> SplitLines(const QString& text) {
    QList<Line> lines;
    const QStringList parts = text.split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const qsizetype colon = parts[i].indexOf(QLatin1Char(':'));
        if (colon < 0) {
            lines.append({parts[i], QString()});
        } else {
            lines.append({parts[i].left(colon + 1), parts[i].mid(colon + 1).trimmed()});
        }
    }
    return lines;
}

}  // namespace

std::string MiasmMark(int value) {
    switch (value) {
        case kNoAttribute: return "?";
        case 0: return "";
        case 1: return "+";
        case 2: return "++";
        case 3: return "+++";
        case 4: return "L+++";
        default: return "err";
    }
}

std::string ThermalMark(int value) {
    switch (value) {
        case kNoAttribute: return "?";
        case -4:
        case -3: return "C+++";
        case -2: return "C++";
        case -1: return "C+";
        case 0: return "H/C";
        case 1: return "H+";
        case 2: return "H++";
        case 3:
        case 4: return "H+++";
        default: return "err";
    }
}

std::string RemedyInformationText(Remedy* remedy) {
    auto attribute = [remedy](unsigned position) {
        return remedy != nullptr ? remedy->GetAttribute(position) : kNoAttribute;
    };
    const std::string pso = MiasmMark(attribute(0)), tub = MiasmMark(attribute(1));
    const std::string syc = MiasmMark(attribute(2)), lue = MiasmMark(attribute(3));
    const std::string thermal = ThermalMark(attribute(4));
    return views::FormatTexts(Localize("{Remedy information:}\npso: %s\ntub: %s", 0), {pso, tub}) +
           views::FormatTexts(Localize("\nsyc: %s\nlue: %s", 0), {syc, lue}) +
           views::FormatTexts(Localize("\nhot or chilly: %s", 0), {thermal});
}

QSize RemedyInformationSize(const QString& text) {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    const QFontMetrics bold(fonts.Bold()), normal(fonts.Normal());
    const QString heading = text.section(QLatin1Char('\n'), 0, 0);
    int labels = 0, marks = 0;
    const QList<Line> lines = SplitLines(text);
    for (const Line& line : lines) {
        labels = std::max(labels, normal.horizontalAdvance(line.label));
        marks = std::max(marks, bold.horizontalAdvance(line.mark.isEmpty() ? QStringLiteral("+++")
                                                                           : line.mark));
    }
    const int width = std::max({kMinimumWidth, bold.horizontalAdvance(heading),
                                labels + kLabelGap + marks}) +
                      2 * kPadding;
    const int height = bold.height() + kPadding +
                       static_cast<int>(lines.size()) * (normal.height() + kLineGap) +
                       2 * kPadding;
    return {width, height};
}

void PaintRemedyInformation(QPainter& painter, const QRect& box, const QString& text) {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    const QFontMetrics bold(fonts.Bold()), normal(fonts.Normal());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF frame = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(FrameColour());
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(frame, 4, 4);

    // The heading on a light band.
    const int bandHeight = bold.height() + kPadding + kPadding / 2;
    QPainterPath band;
    band.addRoundedRect(frame, 4, 4);
    painter.setClipPath(band);
    painter.fillRect(QRectF(frame.left(), frame.top(), frame.width(), bandHeight), HeadingBand());
    painter.setClipping(false);
    painter.setPen(FrameColour());
    painter.drawLine(QPointF(frame.left(), frame.top() + bandHeight),
                     QPointF(frame.right(), frame.top() + bandHeight));
    painter.setFont(fonts.Bold());
    painter.setPen(HeadingColour());
    const int left = box.left() + kPadding;
    painter.drawText(QPoint(left, box.top() + kPadding + bold.ascent()),
                     text.section(QLatin1Char('\n'), 0, 0));

    const QList<Line> lines = SplitLines(text);
    int labels = 0;
    for (const Line& line : lines) labels = std::max(labels, normal.horizontalAdvance(line.label));
    int baseline = box.top() + bandHeight + kPadding + normal.ascent();
    for (const Line& line : lines) {
        painter.setFont(fonts.Normal());
        painter.setPen(LabelColour());
        painter.drawText(QPoint(left, baseline), line.label);
        painter.setFont(fonts.Bold());
        painter.setPen(line.mark == QLatin1String("err") ? QColor(170, 40, 40) : QColor(30, 30, 30));
        painter.drawText(QPoint(left + labels + kLabelGap, baseline), line.mark);
        baseline += normal.height() + kLineGap;
    }
    painter.restore();
}

CRemedyInfoBox::CRemedyInfoBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    SetRemedy(-1);
}

void CRemedyInfoBox::SetRemedy(int remedy) {
    Corvela& engine = CorvelaInstance();
    Remedy* shown = remedy >= 0 && remedy < engine.GetRemedyCount() ? engine.GetRemedy(remedy)
                                                                    : nullptr;
    const QString text = plumbing::DecodeCodePage(RemedyInformationText(shown));
    if (text == m_text) return;
    m_text = text;
    updateGeometry();
    update();
}

QSize CRemedyInfoBox::sizeHint() const {
    const QSize box = RemedyInformationSize(m_text);
    return {box.width() + 2 * kPadding, box.height() + 2 * kPadding};
}

void CRemedyInfoBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSize box = RemedyInformationSize(m_text);
    PaintRemedyInformation(painter, QRect(QPoint(kPadding, kPadding), box), m_text);
}

}  // namespace materia
