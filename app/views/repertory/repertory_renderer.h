// CRepertoryRenderer: the layout, drawing and hit testing of the repertory
// browser's page, apart from any widget (the rubric view shows it in a
// CDrawnView; a test renders it into a QImage).
//
// The page, top to bottom: each shown rubric's heading starts a line at
// kLeftMargin + 20 x (level - 1), behind a glyph that marks it expandable
// (plus) or expanded (minus); an expanded rubric's remedies follow the
// heading on its line, left to right, each in its own face, and an item
// that would cross the right edge (the width less kRightMargin) starts a new
// line at the rubric's indent; then its children, in order.  The root's
// heading is "%s of %s" (text 2 and text 4 of the repertory) in bold; every
// other heading "%s [ t: %d, rem: %d ]: " (text, children, remedies), the
// counts in grey.
//
// Items: each heading is one item, each remedy of an expanded rubric one
// item, numbered in reading order, so that the next item in the numbering is
// the next one the keyboard goes to.  Identifiers live from one Layout to the
// next; ItemOf and TargetOf translate them from and to nodes.
//
// Only what meets the painted area is drawn; headings are measured once per
// node from a table of character widths, remedies by CRemedyTextCache.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plumbing/drawn/drawn_renderer.h"
#include "plumbing/drawn/drawn_rows.h"
#include "views/repertory/remedy_text_cache.h"
#include "views/repertory/repertory_view.h"

class CInterfaceFonts;

class CRepertoryRenderer : public CDrawnRenderer {
public:
    static constexpr int kIndentPerLevel = 20;
    static constexpr int kLeftMargin = 18;
    static constexpr int kRightMargin = 10;
    static constexpr int kTopMargin = 6;
    static constexpr int kBottomMargin = 12;
    static constexpr int kGlyphSize = 11;
    static constexpr int kGlyphGap = 4;  // between the glyph and the heading

    // What an item stands for: a rubric's heading (remedy -1) or one of its
    // remedies (the entry's position).
    struct CTarget {
        CRepertoryView::CTopicInfo* node = nullptr;
        int remedy = -1;
        bool IsValid() const { return node != nullptr; }
    };

    // Prints with the normal, italic and bold faces of `fonts`.
    explicit CRepertoryRenderer(const CInterfaceFonts& fonts);
    ~CRepertoryRenderer() override;

    // The tree shown (not owned; null: an empty page) and the repertory it
    // belongs to (for the root's heading).
    void SetTree(CRepertoryView::CTopicInfo* root, Repertory* repertory);
    CRepertoryView::CTopicInfo* Root() const { return m_root; }

    // CDrawnRenderer.
    void Layout(int width) override;
    QSize ContentSize() const override;
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

    // The item of `node`'s heading (remedy -1) or of its remedy entry
    // `remedy`, in the last layout; kNoDrawnItem when not shown there.
    DrawnItemId ItemOf(const CRepertoryView::CTopicInfo* node, int remedy = -1) const;
    // What `item` stands for; invalid for an unknown item.
    CTarget TargetOf(DrawnItemId item) const;
    // The number of items laid out, and the last heading laid out.
    int ItemCount() const { return m_rows.ItemCount(); }
    CRepertoryView::CTopicInfo* LastNode() const;
    // True when `point` (content coordinates) is on the glyph of `item`'s heading.
    bool OnGlyph(DrawnItemId item, const QPoint& point) const;

    // The heading of `node` as shown (translated formats).
    QString HeadingText(CRepertoryView::CTopicInfo& node) const;
    // The rows laid out (tests read line positions from them).
    const CDrawnRows& Rows() const { return m_rows; }
    int LineHeight() const { return m_lineHeight; }
    CRemedyTextCache& Texts() { return m_texts; }

private:
    struct CHeadingParts {
        QString text;    // the rubric's text part
        QString counts;  // the rest, in grey
    };
    CHeadingParts Heading(CRepertoryView::CTopicInfo& node) const;
    void Measure(CRepertoryView::CTopicInfo& node) const;
    int Indent(const CRepertoryView::CTopicInfo& node) const;
    void PaintItem(QPainter& painter, int item, const QColor* colour) const;
    void PaintGlyph(QPainter& painter, const CRepertoryView::CTopicInfo& node, int row) const;
    int Baseline(int row) const;

    QFont m_normal;
    QFont m_bold;
    QFontMetrics m_normalMetrics;
    QFontMetrics m_boldMetrics;
    std::array<float, 256> m_advance{};  // normal face, per code page 1251 byte
    mutable CRemedyTextCache m_texts;    // filled as forms are first drawn
    std::string m_headingFormat;         // "%s [ t: %d, rem: %d ]: ", translated
    std::string m_rootFormat;            // "%s of %s", translated

    CRepertoryView::CTopicInfo* m_root = nullptr;
    Repertory* m_repertory = nullptr;
    CDrawnRows m_rows;
    std::vector<CRepertoryView::CTopicInfo*> m_rowNodes;  // per row
    std::uint32_t m_pass = 0;
    int m_lineHeight = 0;
    int m_ascent = 0;
    QSize m_size;
};
