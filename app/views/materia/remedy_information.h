// The remedy information box of the article view: the catalogue's five
// attributes of the remedy on display, written as the practitioner reads them.
//
//   attribute value   pso, tub, syc, lue (0-3)   hot or chilly (4)
//   -10000 (unknown)  "?"                        "?"
//   -4, -3                                       "C+++"
//   -2                                           "C++"
//   -1                                           "C+"
//   0                 ""                         "H/C"
//   1                 "+"                        "H+"
//   2                 "++"                       "H++"
//   3                 "+++"                      "H+++"
//   4                 "L+++"                     "H+++"
//   anything else     "err"                      "err"
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string>

class QPainter;
class Remedy;

namespace materia {

// The mark of a miasm attribute (pso, tub, syc, lue).
std::string MiasmMark(int value);
// The mark of the hot-or-chilly attribute.
std::string ThermalMark(int value);

// The box text (code page 1251): "{Remedy information:}\npso: %s\ntub: %s",
// "\nsyc: %s\nlue: %s" and "\nhot or chilly: %s" (localised) filled with the
// marks of attributes 0 to 4 of `remedy`; every mark "?" without a remedy.
std::string RemedyInformationText(Remedy* remedy);

// Draws the box of `text` (its lines; the first one is the heading) inside
// `box`: a light band across the article with the heading in bold and each
// "label: mark" line beside it.
void PaintRemedyInformation(QPainter& painter, const QRect& box, const QString& text);
// The height the band needs for `text` in `width` pixels.
int RemedyInformationHeight(const QString& text, int width);
// The size the band needs for `text` on one line, in the interface fonts.
QSize RemedyInformationSize(const QString& text);

// The band as a widget above the article: shows the remedy set last.
class CRemedyInfoBox : public QWidget {
    Q_OBJECT
public:
    explicit CRemedyInfoBox(QWidget* parent = nullptr);

    // The remedy by catalogue number; -1 (or an unknown number): every mark "?".
    void SetRemedy(int remedy);
    const QString& Text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;


protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitHeight();

    QString m_text;
};

}  // namespace materia
