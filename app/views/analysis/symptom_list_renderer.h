// CSymptomListRenderer: the layout, drawing and hit testing of the symptom
// list (CSympthomView), apart from the widget: the items of symptom_items.h
// laid out top to bottom for the view's width, every box the user can point
// at an item of CDrawnRows (the marks, a symptom's name, a rubric's text, each
// remedy of an expanded rubric).
//
// Lines: a symptom's header is a 26-pixel band; a rubric, a passage's title
// and the placeholder are 20-pixel lines indented under it; the remedies of
// an expanded rubric flow left to right in 18-pixel lines, wrapping at the
// right edge.  Remedy words and their widths are kept from one layout to the
// next (by remedy and grade), so laying out a list of many expanded rubrics
// costs little more than walking it.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <memory>
#include <vector>

#include "plumbing/drawn/drawn_renderer.h"
#include "plumbing/drawn/drawn_rows.h"
#include "views/analysis/sympthom_view.h"

class CAnalysis;

class CSymptomListRenderer : public CDrawnRenderer {
public:
    static constexpr int kHeaderHeight = 26;
    static constexpr int kLineHeight = 20;
    static constexpr int kRemedyLineHeight = 18;
    static constexpr int kMarkSize = 12;
    static constexpr int kTextLeft = 48;   // rubric texts, remedies, passages
    static constexpr int kNameLeft = 30;   // a symptom's name, the placeholder
    static constexpr int kRemedyGap = 8;   // between two remedy words

    static QColor HeaderBand() { return QColor(123, 164, 224); }
    static QColor HeaderText() { return QColor(55, 104, 185); }
    static QColor Counted() { return QColor(0, 128, 0); }
    static QColor Excluded() { return QColor(128, 128, 128); }

    // What a box is.
    enum class BoxKind {
        SymptomName,
        Weight,
        SymptomDelete,
        Placeholder,
        TopicText,
        TopicDelete,
        TopicInclude,
        TopicExpand,
        Remedy,
        ArticleTitle,
        ArticleDelete,
        ArticleExpand,
        Passage,
    };
    struct Box {
        BoxKind kind;
        int item;         // index into Items()
        int remedy = -1;  // index into the rubric's remedies (BoxKind::Remedy)
    };

    CSymptomListRenderer();
    ~CSymptomListRenderer() override;

    // The analysis shown (borrowed; null: an empty list).  The owner
    // invalidates the view after every change of the analysis.
    void SetAnalysis(CAnalysis* analysis) { m_analysis = analysis; }

    void Layout(int width) override;
    QSize ContentSize() const override;
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    // The whole line of the item: the selection frames the line, the marks'
    // rings reach past their boxes.
    QRect OverlayBox(DrawnItemId item) const override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    bool IsClickable(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

    // The items of the last layout and what each box is.
    const std::vector<std::unique_ptr<CSympthomView::CView_Item>>& Items() const { return m_items; }
    const Box* BoxOf(DrawnItemId item) const;

    // The box standing for a line, for the selection: a symptom's name
    // (topic -1) or a topic's text or title; kNoDrawnItem when the layout has
    // no such line.
    DrawnItemId LineItem(const CSympthom* symptom, int topic) const;
    // The lines in order (their LineItem), for moving the selection.
    const std::vector<DrawnItemId>& Lines() const { return m_lines; }
    // The first box of `kind` for item `index`; kNoDrawnItem when none.
    DrawnItemId FindBox(int index, BoxKind kind) const;

    // The face of a remedy in grade `grade` (views/remedy_text.h): normal,
    // italic, bold, bold; the words are printed by views::TypesetRemedy.
    static const QFont& GradeFont(int grade);

private:
    struct Word {
        QString text;
        int width = 0;
        QStaticText glyphs;  // laid out once, drawn many times
    };
    const Word& WordOf(int remedy, int grade, const std::string& shortName);
    int AddBox(int left, int width, BoxKind kind, int item, int remedy = -1);
    int LayoutSymptom(CSympthom& symptom, bool first, int top);
    int LayoutRubric(CSympthom& symptom, int index, int top);
    int LayoutArticle(CSympthom& symptom, int index, int top);
    void PaintItem(QPainter& painter, const CSympthomView::CView_Item& item, const QRect& area) const;

    CAnalysis* m_analysis = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::unique_ptr<CSympthomView::CView_Item>> m_items;
    std::vector<int> m_itemTops;  // for finding the items that meet an area
    CDrawnRows m_rows;
    std::vector<Box> m_boxes;  // by CDrawnRows item number
    std::vector<DrawnItemId> m_lines;
    QHash<quint64, Word> m_words;
};
