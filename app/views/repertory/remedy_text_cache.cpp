#include "views/repertory/remedy_text_cache.h"

#include <corvela.h>

#include <QTransform>

CRemedyTextCache::CRemedyTextCache(const QFont& normal, const QFont& italic, const QFont& bold)
    : m_fonts{normal, italic, bold},
      m_metrics{QFontMetrics(normal), QFontMetrics(italic), QFontMetrics(bold)} {
    // Room for the whole catalogue at once: entries handed out never move.
    const int remedies = CorvelaInstance().GetRemedyCount();
    m_entries.resize(static_cast<std::size_t>(remedies > 0 ? remedies + 1 : 1) * 5);
}

const QFont& CRemedyTextCache::Font(views::RemedyFace face) const {
    return m_fonts[static_cast<int>(face)];
}

const CRemedyTextCache::CEntry& CRemedyTextCache::Get(int remedy, int grade) {
    static const int kUnknown = -1;
    const int number = remedy >= 0 ? remedy : kUnknown;
    const std::size_t index = static_cast<std::size_t>(number + 1) * 5 + GradeSlot(grade);
    if (index >= m_entries.size()) m_entries.resize(index + 1);
    CEntry& entry = m_entries[index];
    if (entry.width >= 0) return entry;

    Remedy* found = number >= 0 ? CorvelaInstance().GetRemedyById(number) : nullptr;
    const char* name = found != nullptr ? found->GetShortName() : nullptr;
    entry.text = views::TypesetRemedy(name != nullptr ? name : "?", grade);
    entry.face = views::FaceOfGrade(grade);
    const int face = static_cast<int>(entry.face);
    entry.width = m_metrics[face].horizontalAdvance(entry.text);
    entry.drawn.setText(entry.text);
    entry.drawn.setTextFormat(Qt::PlainText);
    entry.drawn.setPerformanceHint(QStaticText::AggressiveCaching);
    entry.drawn.prepare(QTransform(), m_fonts[face]);
    ++m_made;
    return entry;
}
