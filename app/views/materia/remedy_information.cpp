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

constexpr int kPadding = 8;      // around the text
constexpr int kLineGap = 4;      // between two lines of the band
constexpr int kPairGap = 16;     // before each "label: mark" pair
constexpr int kLabelGap = 4;     // between a label and its mark
constexpr int kMinimumWidth = 120;

QColor FrameColour() { return QColor(190, 200, 215); }
QColor HeadingBand() { return QColor(241, 245, 251); }
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

// The box is one band across the article: the heading, then each "label:
// mark" pair beside it, flowing onto a further line where the band is too
// narrow.
namespace {

struct Piece {
    QString label;   // the heading, or a pair's label
    QString mark;    // empty for the heading
    bool heading = false;
    QRect box;       // where it goes
};

QList<Piece> LayOut(const QString& text, int width) {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    const QFontMetrics bold(fonts.Bold()), normal(fonts.Normal());
    const int lineHeight = std::max(bold.height(), normal.height());
    QList<Piece> pieces;
    pieces.append({text.section(QLatin1Char('\n'), 0, 0), QString(), true, {}});
    for (const Line& line : SplitLines(text)) pieces.append({line.label, line.mark, false, {}});
    int x = kPadding, y = kPadding;
    for (Piece& piece : pieces) {
        const int needed =
            piece.heading ? bold.horizontalAdvance(piece.label)
                          : normal.horizontalAdvance(piece.label) + kLabelGap +
                                bold.horizontalAdvance(piece.mark.isEmpty() ? QStringLiteral("-")
                                                                            : piece.mark);
        if (!piece.heading && x > kPadding && x + kPairGap + needed > width - kPadding) {
            x = kPadding;
            y += lineHeight + kLineGap;
        } else if (!piece.heading) {
            x += kPairGap;
        }
        piece.box = QRect(x, y, needed, lineHeight);
        x += needed;
    }
    return pieces;
}

}  // namespace

int RemedyInformationHeight(const QString& text, int width) {
    const QList<Piece> pieces = LayOut(text, width);
    return pieces.isEmpty() ? 0 : pieces.back().box.bottom() + 1 + kPadding;
}

QSize RemedyInformationSize(const QString& text) {
    const QList<Piece> pieces = LayOut(text, QWIDGETSIZE_MAX);
    return {std::max(pieces.back().box.right() + 1 + kPadding, kMinimumWidth),
            pieces.back().box.bottom() + 1 + kPadding};
}

void PaintRemedyInformation(QPainter& painter, const QRect& box, const QString& text) {
    const CInterfaceFonts& fonts = CInterfaceFonts::Shared();
    const QFontMetrics bold(fonts.Bold()), normal(fonts.Normal());
    painter.save();
    painter.fillRect(box, HeadingBand());
    painter.setPen(FrameColour());
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.translate(box.topLeft());
    for (const Piece& piece : LayOut(text, box.width())) {
        const int baseline = piece.box.top() + bold.ascent();
        if (piece.heading) {
            painter.setFont(fonts.Bold());
            painter.setPen(HeadingColour());
            painter.drawText(QPoint(piece.box.left(), baseline), piece.label);
            continue;
        }
        painter.setFont(fonts.Normal());
        painter.setPen(LabelColour());
        painter.drawText(QPoint(piece.box.left(), baseline), piece.label);
        // An empty mark shows as a light dash, so that every label has a value.
        const bool empty = piece.mark.isEmpty();
        painter.setFont(fonts.Bold());
        painter.setPen(empty ? QColor(180, 180, 180)
                             : piece.mark == QLatin1String("err") ? QColor(170, 40, 40)
                                                                  : QColor(30, 30, 30));
        painter.drawText(
            QPoint(piece.box.left() + normal.horizontalAdvance(piece.label) + kLabelGap, baseline),
            empty ? QStringLiteral("-") : piece.mark);
    }
    painter.restore();
}

CRemedyInfoBox::CRemedyInfoBox(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SetRemedy(-1);
}

void CRemedyInfoBox::SetRemedy(int remedy) {
    Corvela& engine = CorvelaInstance();
    Remedy* shown = remedy >= 0 && remedy < engine.GetRemedyCount() ? engine.GetRemedy(remedy)
                                                                    : nullptr;
    const QString text = plumbing::DecodeCodePage(RemedyInformationText(shown));
    if (text == m_text) return;
    m_text = text;
    FitHeight();
    update();
}

QSize CRemedyInfoBox::sizeHint() const {
    return RemedyInformationSize(m_text);
}

QSize CRemedyInfoBox::minimumSizeHint() const {
    return {0, RemedyInformationSize(m_text).height()};
}

// The band takes as many lines as its width needs.
void CRemedyInfoBox::FitHeight() {
    const int height = RemedyInformationHeight(m_text, std::max(width(), 1));
    if (height != this->height() || minimumHeight() != height) setFixedHeight(height);
}

void CRemedyInfoBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitHeight();
}

void CRemedyInfoBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintRemedyInformation(painter, rect(), m_text);
}

}  // namespace materia
