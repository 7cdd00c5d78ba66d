// The drawing half of CSearchResultRenderer: each item in its face and
// colour, the expander glyphs, the marked words of snippet lines, and the
// hover underline.
#include <QPainter>
#include <algorithm>

#include "plumbing/text/code_page.h"
#include "views/search/article_snippets.h"
#include "views/search/search_page_texts.h"
#include "views/search/search_result_renderer.h"
#include "views/search/search_results.h"

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(20, 20, 20);
const QColor kAncestor(80, 80, 80);
const QColor kQuiet(128, 128, 128);
const QColor kGlyph(120, 120, 120);
const QColor kHeading(24, 64, 140);
const QColor kSnippet(60, 60, 60);
const QColor kMark(255, 232, 140);
const QColor kExample(0, 0, 128);
const QColor kHover(0, 95, 184);
const QColor kRule(225, 225, 225);

}  // namespace

int CSearchResultRenderer::Baseline(int row, const QFontMetrics& metrics) const {
    return m_rows.RowTop(row) + (m_rows.RowHeight(row) - metrics.height()) / 2 + metrics.ascent();
}

const QFont& CSearchResultRenderer::FontOf(const CItem& item) const {
    switch (item.kind) {
        case Kind::kTitle:
            return m_fonts[kBold];
        case Kind::kTopic:
            return m_fonts[item.level == kLevelHit ? kBold : kNormal];
        case Kind::kArticle:
            return m_fonts[item.level == 1 ? kItalic : kBold];
        case Kind::kHelp:
            return item.level == 1 ? m_heading : m_fonts[item.level == 2 ? kBold : kNormal];
        default:
            break;
    }
    return m_fonts[kNormal];
}

QString CSearchResultRenderer::ShownText(DrawnItemId id) const {
    if (id < 0 || id >= ItemCount()) return {};
    const CItem& item = Item(id);
    switch (item.kind) {
        case Kind::kTitle:
            return m_title.mid(item.start, item.length);
        case Kind::kStatsHeader:
            return search_texts::StatisticsCaption();
        case Kind::kStatsRemedy: {
            const auto& statistics = m_results->RemedyStatistics();
            if (item.value < 0 || item.value >= static_cast<int>(statistics.size())) return {};
            const CRemedyStatistic& statistic = statistics[static_cast<std::size_t>(item.value)];
            return plumbing::DecodeCodePage(search_texts::RemedyShortName(statistic.remedy)) +
                   QLatin1Char(' ') + QString::number(statistic.rubrics) + QLatin1Char('/') +
                   QString::number(statistic.gradeSum);
        }
        case Kind::kExpander:
            return {};
        case Kind::kText:
            return QString::number(item.hit) + QLatin1Char(':');
        case Kind::kTopic: {
            const char* text = static_cast<Topic*>(const_cast<void*>(item.data))->GetText();
            return plumbing::DecodeCodePage(std::string_view(text != nullptr ? text : "")
                                                .substr(0, static_cast<std::size_t>(item.length)));
        }
        case Kind::kSmallText:
            return plumbing::DecodeCodePage(search_texts::Separator(item.level == 1));
        case Kind::kRemedy:
            return m_remedies.Get(item.value, item.start).text;
        case Kind::kArticle: {
            if (item.level == 1)
                return plumbing::DecodeCodePage(
                    search_texts::ArticleSourceLine(*m_results->Source()));
            const auto* article = static_cast<const Article*>(item.data);
            return plumbing::DecodeCodePage(
                search_texts::RemedyLongName(const_cast<Article*>(article)->GetRemedy()));
        }
        case Kind::kArticleText: {
            const auto* snippet = static_cast<const std::string*>(item.data);
            return plumbing::DecodeCodePage(std::string_view(*snippet).substr(
                static_cast<std::size_t>(item.start), static_cast<std::size_t>(item.length)));
        }
        case Kind::kHelp:
            return m_help[static_cast<std::size_t>(item.value)];
    }
    return {};
}

void CSearchResultRenderer::PaintGlyph(QPainter& painter, const QRect& box, bool open) const {
    const int left = box.left() + (box.width() - kGlyphSize) / 2;
    const int top = box.top() + (box.height() - kGlyphSize) / 2;
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(left + 0.5, top + 0.5, kGlyphSize - 1, kGlyphSize - 1));
    const double middle = top + kGlyphSize / 2.0;
    const double centre = left + kGlyphSize / 2.0;
    painter.drawLine(QPointF(left + 2.5, middle), QPointF(left + kGlyphSize - 2.5, middle));
    if (!open)
        painter.drawLine(QPointF(centre, top + 2.5), QPointF(centre, top + kGlyphSize - 2.5));
}

void CSearchResultRenderer::PaintSnippet(QPainter& painter, int id, const QRect& box) const {
    const CItem& item = Item(id);
    const auto* snippet = static_cast<const std::string*>(item.data);
    const std::string_view bytes = std::string_view(*snippet).substr(
        static_cast<std::size_t>(item.start), static_cast<std::size_t>(item.length));
    const int row = m_rows.RowOfItem(id);
    const QFontMetrics& metrics = m_metrics[kNormal];
    // The query's words on a light background, measured as laid out.
    for (const auto& [from, to] : search_snippets::WordRanges(bytes, m_results->Words())) {
        const int left =
            box.left() + Advance(kNormal, bytes.substr(0, static_cast<std::size_t>(from)));
        const int right =
            box.left() + Advance(kNormal, bytes.substr(0, static_cast<std::size_t>(to)));
        painter.fillRect(
            QRect(left - 1, m_rows.RowTop(row) + 2, right - left + 2, m_rows.RowHeight(row) - 4),
            kMark);
    }
    painter.setFont(m_fonts[kNormal]);
    painter.setPen(kSnippet);
    painter.drawText(QPoint(box.left(), Baseline(row, metrics)), plumbing::DecodeCodePage(bytes));
}

void CSearchResultRenderer::PaintItem(QPainter& painter, int id) const {
    const CItem& item = Item(id);
    const QRect box = m_rows.ItemBox(id);
    const int row = m_rows.RowOfItem(id);
    switch (item.kind) {
        case Kind::kExpander:
            painter.setPen(QPen(kGlyph, 1));
            PaintGlyph(painter, box, m_results->IsExpanded(item.hit));
            return;
        case Kind::kStatsHeader: {
            painter.setPen(QPen(kGlyph, 1));
            PaintGlyph(painter, QRect(box.left(), box.top(), kGlyphSize, box.height()),
                       m_results->StatisticsOpen());
            painter.setFont(m_fonts[kNormal]);
            painter.setPen(kQuiet);
            painter.drawText(QPoint(box.left() + kGlyphSize + 6, Baseline(row, m_metrics[kNormal])),
                             search_texts::StatisticsCaption());
            return;
        }
        case Kind::kStatsRemedy: {
            const auto& statistics = m_results->RemedyStatistics();
            const CRemedyStatistic& statistic = statistics[static_cast<std::size_t>(item.value)];
            const std::string name = search_texts::RemedyShortName(statistic.remedy);
            const int baseline = Baseline(row, m_metrics[kBold]);
            painter.setFont(m_fonts[kBold]);
            painter.setPen(kInk);
            painter.drawText(QPoint(box.left(), baseline), plumbing::DecodeCodePage(name));
            painter.setFont(m_fonts[kNormal]);
            painter.setPen(kQuiet);
            painter.drawText(QPoint(box.left() + Advance(kBold, name) + 4, baseline),
                             QString::number(statistic.rubrics) + QLatin1Char('/') +
                                 QString::number(statistic.gradeSum));
            return;
        }
        case Kind::kRemedy: {
            const CRemedyTextCache::CEntry& form = m_remedies.Get(item.value, item.start);
            const QFont& font = m_remedies.Font(form.face);
            const QFontMetrics metrics(font);
            painter.setFont(font);
            painter.setPen(kInk);
            painter.drawStaticText(QPointF(box.left(), Baseline(row, metrics) - metrics.ascent()),
                                   form.drawn);
            return;
        }
        case Kind::kArticleText:
            PaintSnippet(painter, id, box);
            return;
        default:
            break;
    }
    QColor colour = kInk;
    if (item.kind == Kind::kText || item.kind == Kind::kSmallText) colour = kQuiet;
    if (item.kind == Kind::kTopic && item.level == kLevelAncestor) colour = kAncestor;
    if (item.kind == Kind::kArticle) colour = item.level == 1 ? kQuiet : kHeading;
    if (item.kind == Kind::kHelp && item.level == 2) colour = kExample;
    const QFont& font = FontOf(item);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPoint(box.left(), Baseline(row, QFontMetrics(font))), ShownText(id));
}

void CSearchResultRenderer::Paint(QPainter& painter, const QRect& area) {
    painter.fillRect(area, kPaper);
    // A hairline under the title.
    const DrawnItemId lastTitle = [this] {
        DrawnItemId last = kNoDrawnItem;
        for (DrawnItemId item = 0; item < ItemCount() && Item(item).kind == Kind::kTitle; ++item)
            last = item;
        return last;
    }();
    if (lastTitle != kNoDrawnItem) {
        const int y = m_rows.ItemBox(static_cast<int>(lastTitle)).bottom() + kBlockGap / 2;
        if (y >= area.top() && y <= area.bottom()) {
            painter.setPen(QPen(kRule, 1));
            painter.drawLine(QPoint(kLeftMargin, y), QPoint(m_width - kRightMargin, y));
        }
    }
    const auto [first, end] = m_rows.RowsIn(area.top(), area.bottom() + 1);
    for (int row = first; row < end; ++row) {
        for (int item = m_rows.FirstItem(row); item < m_rows.EndItem(row); ++item) {
            const QRect box = m_rows.ItemBox(item);
            if (box.right() < area.left() || box.left() > area.right()) continue;
            PaintItem(painter, item);
        }
    }
}

void CSearchResultRenderer::PaintOverlay(QPainter& painter, const QRect& area,
                                         const CDrawnOverlay& overlay) {
    if (overlay.hover < 0 || overlay.hover >= ItemCount() || !IsClickable(overlay.hover)) return;
    const int id = static_cast<int>(overlay.hover);
    const CItem& item = Item(id);
    const QRect box = m_rows.ItemBox(id);
    if (!box.intersects(area)) return;
    painter.setPen(QPen(kHover, 1));
    if (item.kind == Kind::kExpander) {
        PaintGlyph(painter, box, m_results->IsExpanded(item.hit));
        return;
    }
    if (item.kind == Kind::kStatsHeader) {
        PaintGlyph(painter, QRect(box.left(), box.top(), kGlyphSize, box.height()),
                   m_results->StatisticsOpen());
        return;
    }
    // Underlined, without the blank that ends remedies and headings.
    const QString text = ShownText(id);
    int right = box.right();
    if (text.endsWith(QLatin1Char(' ')))
        right -= QFontMetrics(item.kind == Kind::kRemedy
                                  ? m_remedies.Font(m_remedies.Get(item.value, item.start).face)
                                  : FontOf(item))
                     .horizontalAdvance(QLatin1Char(' '));
    if (text.endsWith(QStringLiteral(": ")))
        right -= m_metrics[kItalic].horizontalAdvance(QLatin1Char(':'));
    const int y = Baseline(m_rows.RowOfItem(id), m_metrics[kNormal]) + 2;
    painter.drawLine(QPoint(box.left(), y), QPoint(right, y));
}
