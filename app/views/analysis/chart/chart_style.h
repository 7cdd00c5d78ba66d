// The measures, colours and faces of the analysis chart, shared by its panes on
// screen, the printed and exported chart, and the symptom list's weight
// markers.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <initializer_list>
#include <string>

class QFontMetrics;
class QPainter;
class QRect;

namespace chart {

inline constexpr int kRowHeight = 40;      // one ranked remedy
inline constexpr int kColumnWidth = 40;    // one counted rubric
inline constexpr int kTitleHeight = 100;   // the rubric titles above the grid
inline constexpr int kCornerWidth = 75;    // the sort selector and the remedy column
inline constexpr int kMarkerSize = 16;     // the weight marker's rounded square
inline constexpr int kTextInset = 5;       // empty-state texts keep this far from the edges
inline constexpr int kLineReach = 18;      // a connecting line from a cell's centre
inline constexpr int kTitleTextBottom = 72;  // rubric titles stand above this line
inline constexpr int kRuleY = 84;            // the rule under a symptom's titles, and its marker

inline QColor CornerBackground() { return QColor(250, 250, 250); }  // sort selector, title row
inline QColor OddRow() { return QColor(230, 230, 230); }
inline QColor EvenRow() { return QColor(255, 255, 255); }
inline QColor RemedyName() { return QColor(55, 104, 185); }
inline QColor Figures() { return QColor(128, 128, 128); }  // figures, empty-state texts
inline QColor Net() { return QColor(170, 170, 170); }      // connecting lines, glyph outline
inline QColor Glyph() { return QColor(153, 204, 255); }
inline QColor Caption() { return QColor(180, 180, 180); }  // rubric titles, captions
inline QColor MarkerFill() { return QColor(240, 240, 240); }
inline QColor MarkerOutline() { return QColor(120, 120, 120); }
inline QColor Fragile() { return QColor(214, 110, 30); }  // the mark of a fragile rank

// The numeral's colour: green for weights 1 and 2, dark red for 3 and 4.
QColor WeightColour(int weight);
// "I" ... "IV" for weights 1 to 4; empty for any other weight.
const char* RomanNumeral(int weight);
// The marker's face: weight 1 normal, 2 italic, 3 and 4 bold, in the 10-pixel size.
QFont WeightFont(int weight);

// A 16 x 16 rounded square at `box` holding the weight's numeral.
void DrawWeightMarker(QPainter& painter, const QRect& box, int weight);

// A remedy abbreviation as the chart and the symptom list show it: trailing
// '.', ',' and blanks removed, decoded from code page 1251.
QString RemedyLabel(const std::string& shortName);

// `text` as it fits `width` pixels in `metrics`: whole when it fits, else
// elided at the right.
QString Fitted(const QFontMetrics& metrics, const QString& text, int width);

// `text` (an English literal) translated and decoded from code page 1251.
QString Text(const char* text);
// `format` with each "%s" or "%d", in order, replaced by the next of `values`
// (an empty text when they are used up); "%%" gives "%".
QString Filled(const QString& format, std::initializer_list<QString> values);

// Half-pixel offsets: a one-pixel outline of a box of whole pixels covers
// exactly its border pixels.
QRectF PixelBox(const QRect& box);

}  // namespace chart
