// CRemedyTextCache: the printed form of each (remedy, grade) pair the
// repertory browser shows (views/remedy_text.h), made once and kept: its
// text ready to draw, its face and its width in that face.  Kent's 447,776
// remedy entries are drawn from a few thousand such forms, and laid out
// without measuring a string.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStaticText>
#include <QString>
#include <vector>

#include "views/remedy_text.h"

class CRemedyTextCache {
public:
    struct CEntry {
        QString text;       // "ACON. "
        QStaticText drawn;  // the same, laid out for its face
        views::RemedyFace face = views::RemedyFace::kNormal;
        int width = -1;  // -1 until made
    };

    // The faces remedies are printed in.
    CRemedyTextCache(const QFont& normal, const QFont& italic, const QFont& bold);

    // The form of `remedy` (catalogue number) in `grade`; made on first use.
    // A remedy the catalogue does not know prints as "?".
    const CEntry& Get(int remedy, int grade);

    const QFont& Font(views::RemedyFace face) const;
    // How many forms were made.
    int Size() const { return m_made; }

private:
    static int GradeSlot(int grade) { return grade >= 1 && grade <= 4 ? grade : 0; }

    QFont m_fonts[3];
    QFontMetrics m_metrics[3];
    std::vector<CEntry> m_entries;  // remedy * 5 + grade slot
    int m_made = 0;
};
