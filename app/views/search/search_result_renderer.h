// CSearchResultRenderer: the layout, drawing and hit testing of one page of
// the search window, apart from any widget (CSearchResultView shows it in a
// CDrawnView; a test renders it into a QImage).
//
// A page that has run a search reads, top to bottom:
//
//   Query:anxiety night in REP_DEMO, result: 3 rubrics         the title
//   [-] Remedies in the most rubrics (rubrics / sum of grades)  the statistics
//       ars 3/9  acon 2/5  ...                                  (rubric pages)
//   [+]  0:  Mind › Anxiety › night:                            a rubric hit, collapsed
//   [-]  1:  Mind › Anxiety › night › midnight, after:          expanded: its
//              ARS. nux-v.                                      remedies below
//   [-]  2:  Helen Ashdown: Aconitum napellus                   an article hit with
//              ... worse at night, around midnight ...          its snippet lines
//
// Every path step, separator, remedy, heading and snippet line is an item;
// lines wrap at the page's width, continuing at the hit's indent.  A page
// that has not searched shows the getting-started text.  The hit's words
// are marked in its snippets.
//
// Widths are the sums of each code page 1251 byte's advance in its face
// (kerning off), so laying out 10,000 hits builds and shapes no string; only
// what meets the painted area is drawn.  Identifiers are item numbers, valid
// from one Layout to the next.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "plumbing/drawn/drawn_renderer.h"
#include "plumbing/drawn/drawn_rows.h"
#include "views/repertory/remedy_text_cache.h"

class CInterfaceFonts;
class CSearchResults;

class CSearchResultRenderer : public CDrawnRenderer {
public:
    static constexpr int kLeftMargin = 12;
    static constexpr int kRightMargin = 12;
    static constexpr int kTopMargin = 8;
    static constexpr int kBottomMargin = 14;
    static constexpr int kGlyphSize = 11;
    static constexpr int kHitGap = 3;    // above every hit but the first
    static constexpr int kBlockGap = 8;  // below the title and the statistics

    // Level marks of a path step.
    static constexpr int kLevelHit = -2;
    static constexpr int kLevelAncestor = -1;

    // What an item is.
    enum class Kind : std::uint8_t {
        kTitle,        // the title line of the page
        kStatsHeader,  // the statistics strip's caption, with its expander
        kStatsRemedy,  // one remedy of the statistics (value: its index there)
        kExpander,     // the expand/collapse button in front of a hit
        kText,         // the hit's position label "%d:"
        kTopic,        // one step of a rubric path (level: kLevelHit or kLevelAncestor)
        kSmallText,    // the separator after a step (level: 1 after the hit, 0 after an ancestor)
        kRemedy,       // one remedy of the hit rubric (value: catalogue number, level: grade)
        kArticle,      // a heading line of an article hit (level: 1 source, 2 remedy)
        kArticleText,  // one laid-out line of an article hit's snippets
        kHelp,         // one line of the getting-started text (value: its index)
    };

    // One item.  `data` is the step's Topic* (kTopic, kSmallText), the
    // Article* (kArticle), the snippet's std::string (kArticleText), else null.
    struct CItem {
        const void* data = nullptr;
        std::int32_t hit = -1;    // the hit it belongs to; -1 for page items
        std::int32_t value = 0;   // see Kind; kArticleText: the snippet's number
        std::int32_t start = 0;   // kArticleText: the line's first byte in the snippet
        std::int32_t length = 0;  // kArticleText: its bytes; kTopic: the text shown
        Kind kind = Kind::kTitle;
        std::int8_t level = 0;
    };

    // Draws with the normal, italic and bold faces of `fonts`.
    explicit CSearchResultRenderer(const CInterfaceFonts& fonts);
    ~CSearchResultRenderer() override;

    // The page shown (not owned; null or one that has not run: the
    // getting-started text).
    void SetResults(CSearchResults* results) { m_results = results; }
    CSearchResults* Results() const { return m_results; }

    // CDrawnRenderer.
    void Layout(int width) override;
    QSize ContentSize() const override { return m_size; }
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    bool IsClickable(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

    // The items of the last layout, in reading order.
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    const CItem& Item(DrawnItemId item) const { return m_items[static_cast<std::size_t>(item)]; }
    // The first item of `kind` (of hit `hit` unless -1) at or after `from`;
    // kNoDrawnItem when none.
    DrawnItemId Find(Kind kind, int hit = -1, DrawnItemId from = 0) const;
    const CDrawnRows& Rows() const { return m_rows; }
    int LineHeight() const { return m_lineHeight; }

    // The lines of the getting-started text (translated).
    const std::vector<QString>& HelpLines() const { return m_help; }

    // The text item `item` shows (its shown form, line breaks and all).
    QString ShownText(DrawnItemId item) const;

private:
    enum Face { kNormal, kBold, kItalic, kFaces };

    int Advance(Face face, std::string_view bytes) const;
    int AddItem(int left, int width, const CItem& item);
    void NewRow(int* top, int height);
    void LayoutHelp(int width);
    int LayoutStatistics(int top, int right);
    int LayoutHit(int hit, int top, int right);
    int LayoutRubric(int hit, int top, int right);
    int LayoutArticle(int hit, int top, int right);
    int LayoutSnippet(int hit, int number, const std::string& snippet, int top, int right);

    int Baseline(int row, const QFontMetrics& metrics) const;
    void PaintItem(QPainter& painter, int item) const;
    void PaintGlyph(QPainter& painter, const QRect& box, bool open) const;
    void PaintSnippet(QPainter& painter, int item, const QRect& box) const;
    const QFont& FontOf(const CItem& item) const;

    QFont m_fonts[kFaces];
    QFont m_heading;  // the first line of the getting-started text
    QFontMetrics m_metrics[kFaces];
    std::array<float, 256> m_advance[kFaces]{};
    mutable CRemedyTextCache m_remedies;
    std::vector<QString> m_help;

    CSearchResults* m_results = nullptr;
    CDrawnRows m_rows;
    std::vector<CItem> m_items;
    QString m_title;  // the title line, decoded
    int m_lineHeight = 0;
    int m_titleHeight = 0;
    int m_pathLeft = 0;  // where a hit's path starts
    int m_width = 0;
    QSize m_size;
};
