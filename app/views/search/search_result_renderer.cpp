#include "views/search/search_result_renderer.h"

#include <corvela.h>

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <string>

#include "plumbing/text/code_page.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/search/search_page_texts.h"
#include "views/search/search_results.h"

namespace {

constexpr int kGlyphGap = 6;   // between the glyph and the label
constexpr int kLabelGap = 8;   // between the label and the path
constexpr int kEntryGap = 16;  // between two remedies of the statistics
constexpr int kCountGap = 4;   // between a statistics remedy and its counts
constexpr int kExampleIndent = 24;

// The faces drawn: kerning off, so that a text is as wide as the sum of its
// characters' advances.
QFont PageFont(QFont font) {
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

// `text` without the trailing characters of `trim`.
std::string_view Trimmed(std::string_view text, std::string_view trim) {
    while (!text.empty() && trim.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
    return text;
}

}  // namespace

CSearchResultRenderer::CSearchResultRenderer(const CInterfaceFonts& fonts)
    : m_fonts{PageFont(fonts.Normal()), PageFont(fonts.Bold()), PageFont(fonts.Italic())},
      m_metrics{QFontMetrics(m_fonts[kNormal]), QFontMetrics(m_fonts[kBold]),
                QFontMetrics(m_fonts[kItalic])},
      m_remedies(m_fonts[kNormal], m_fonts[kItalic], m_fonts[kBold]) {
    for (int face = 0; face < kFaces; ++face) {
        const QFontMetricsF exact(m_fonts[face]);
        for (int byte = 32; byte < 256; ++byte)
            m_advance[face][static_cast<std::size_t>(byte)] =
                static_cast<float>(exact.horizontalAdvance(
                    QChar(base::DecodeByte(static_cast<unsigned char>(byte)))));
    }
    m_heading = m_fonts[kBold];
    if (m_heading.pointSizeF() > 0)
        m_heading.setPointSizeF(m_heading.pointSizeF() * 1.3);
    else
        m_heading.setPixelSize(m_heading.pixelSize() * 13 / 10);
    const int height = std::max(
        {m_metrics[kNormal].height(), m_metrics[kBold].height(), m_metrics[kItalic].height()});
    m_lineHeight = height + 5;
    m_titleHeight = m_metrics[kBold].height() + 8;
    const QString help = search_texts::GettingStarted();
    for (const QString& line : help.split(QLatin1Char('\n'))) m_help.push_back(line);
    while (!m_help.empty() && m_help.back().isEmpty()) m_help.pop_back();
}

CSearchResultRenderer::~CSearchResultRenderer() = default;

int CSearchResultRenderer::Advance(Face face, std::string_view bytes) const {
    double sum = 0;
    for (const unsigned char byte : bytes) sum += m_advance[face][byte];
    return static_cast<int>(std::ceil(sum));
}

int CSearchResultRenderer::AddItem(int left, int width, const CItem& item) {
    m_items.push_back(item);
    return m_rows.AddItem(left, std::max(0, width));
}

void CSearchResultRenderer::NewRow(int* top, int height) {
    if (m_rows.RowCount() > 0) *top = std::max(*top, m_rows.Bottom());
    m_rows.AddRow(*top, height);
}

void CSearchResultRenderer::Layout(int width) {
    m_rows.Clear();
    m_items.clear();
    m_width = std::max(1, width);
    const int right = std::max(kLeftMargin + 1, m_width - kRightMargin);
    if (m_results == nullptr || !m_results->HasRun()) {
        LayoutHelp(width);
        return;
    }
    m_rows.Reserve(static_cast<std::size_t>(m_results->ListedCount()) + 8,
                   static_cast<std::size_t>(m_results->ListedCount()) * 8 + 8);
    m_items.reserve(static_cast<std::size_t>(m_results->ListedCount()) * 8 + 8);

    // The title, broken into lines at blanks where it is wider than the page.
    m_title = plumbing::DecodeCodePage(m_results->Title());
    int top = kTopMargin;
    const QFontMetrics& bold = m_metrics[kBold];
    int start = 0;
    while (start < m_title.size()) {
        int end = static_cast<int>(m_title.size());
        while (end > start + 1 &&
               kLeftMargin + bold.horizontalAdvance(m_title.mid(start, end - start)) > right) {
            const int blank = m_title.lastIndexOf(QLatin1Char(' '), end - 1);
            end = blank > start ? blank : end - 1;
        }
        NewRow(&top, m_titleHeight);
        CItem title;
        title.kind = Kind::kTitle;
        title.start = start;
        title.length = end - start;
        AddItem(kLeftMargin, bold.horizontalAdvance(m_title.mid(start, end - start)), title);
        start = end;
        while (start < m_title.size() && m_title.at(start) == QLatin1Char(' ')) ++start;
    }
    top = m_rows.Bottom() + kBlockGap;

    if (m_results->IsListed()) {
        const std::string widest = std::to_string(std::max(0, m_results->ListedCount() - 1)) + ":";
        const int labelRight = kLeftMargin + kGlyphSize + kGlyphGap + Advance(kNormal, widest);
        m_pathLeft = labelRight + kLabelGap;
        top = LayoutStatistics(top, right);
        bool first = true;
        for (int hit = 0; hit < m_results->ListedCount(); ++hit) {
            const int next = LayoutHit(hit, first ? top : top + kHitGap, right);
            if (next < 0) continue;  // the item is gone
            first = false;
            top = next;
        }
    }
    m_size = QSize(m_width, m_rows.Bottom() + kBottomMargin);
}

void CSearchResultRenderer::LayoutHelp(int width) {
    int top = kTopMargin + m_lineHeight / 2;
    const QFontMetrics heading(m_heading);
    bool example = false;
    for (std::size_t line = 0; line < m_help.size(); ++line) {
        const QString& text = m_help[line];
        if (text.trimmed().isEmpty()) {
            top = m_rows.Bottom() + m_lineHeight / 2;
            example = false;
            continue;
        }
        const bool isHeading = line == 0;
        const int height = isHeading ? heading.height() + 6 : m_lineHeight;
        NewRow(&top, height);
        CItem item;
        item.kind = Kind::kHelp;
        item.value = static_cast<int>(line);
        item.level = isHeading ? 1 : (example ? 2 : 0);
        const int left = kLeftMargin * 2 + (example ? kExampleIndent : 0);
        const QFontMetrics& metrics = isHeading ? heading : m_metrics[example ? kBold : kNormal];
        AddItem(left, metrics.horizontalAdvance(text), item);
        example = text.trimmed().endsWith(QLatin1Char(':'));
    }
    m_size = QSize(std::max(1, width), m_rows.Bottom() + kBottomMargin);
}

int CSearchResultRenderer::LayoutStatistics(int top, int right) {
    const std::vector<CRemedyStatistic>& statistics = m_results->RemedyStatistics();
    if (statistics.empty()) return top;
    NewRow(&top, m_lineHeight);
    CItem header;
    header.kind = Kind::kStatsHeader;
    const QString caption = search_texts::StatisticsCaption();
    AddItem(kLeftMargin, kGlyphSize + kGlyphGap + m_metrics[kNormal].horizontalAdvance(caption),
            header);
    if (m_results->StatisticsOpen()) {
        const int left = kLeftMargin + kGlyphSize + kGlyphGap;
        int x = right;  // a new line first
        for (std::size_t index = 0; index < statistics.size(); ++index) {
            const CRemedyStatistic& statistic = statistics[index];
            Remedy* remedy = CorvelaInstance().GetRemedyById(statistic.remedy);
            const char* name = remedy != nullptr ? remedy->GetShortName() : "?";
            const std::string counts =
                std::to_string(statistic.rubrics) + "/" + std::to_string(statistic.gradeSum);
            const int width = Advance(kBold, Trimmed(name != nullptr ? name : "?", ". ,")) +
                              kCountGap + Advance(kNormal, counts);
            if (x + width > right && x > left) {
                top = m_rows.Bottom();
                NewRow(&top, m_lineHeight);
                x = left;
            }
            CItem entry;
            entry.kind = Kind::kStatsRemedy;
            entry.value = static_cast<int>(index);
            AddItem(x, width, entry);
            x += width + kEntryGap;
        }
    }
    return m_rows.Bottom() + kBlockGap;
}

int CSearchResultRenderer::LayoutHit(int hit, int top, int right) {
    DataItem* item = m_results->Item(hit);
    if (item == nullptr) return -1;
    NewRow(&top, m_lineHeight);
    CItem expander;
    expander.kind = Kind::kExpander;
    expander.hit = hit;
    AddItem(kLeftMargin - 2, kGlyphSize + 4, expander);
    const std::string label = std::to_string(hit) + ":";
    const int labelWidth = Advance(kNormal, label);
    CItem text;
    text.kind = Kind::kText;
    text.hit = hit;
    AddItem(m_pathLeft - kLabelGap - labelWidth, labelWidth, text);
    if (item->GetKind() == kItemTopic) return LayoutRubric(hit, top, right);
    return LayoutArticle(hit, top, right);
}

int CSearchResultRenderer::LayoutRubric(int hit, int top, int right) {
    Topic* rubric = m_results->RubricOf(hit);
    if (rubric == nullptr) return m_rows.Bottom();
    // The chain from the chapter down to the hit; the root is left out.
    std::vector<Topic*> chain;
    for (DataItem* step = rubric; step != nullptr && step->GetParent() != nullptr;
         step = step->GetParent())
        chain.push_back(static_cast<Topic*>(step));
    std::reverse(chain.begin(), chain.end());

    int x = m_pathLeft;
    auto place = [&](int width, const CItem& item) {
        if (x + width > right && x > m_pathLeft) {
            top = m_rows.Bottom();
            NewRow(&top, m_lineHeight);
            x = m_pathLeft;
        }
        AddItem(x, width, item);
        x += width;
    };
    for (Topic* step : chain) {
        const bool isHit = step == rubric;
        const char* raw = step->GetText();
        std::string_view text(raw != nullptr ? raw : "");
        if (isHit) text = Trimmed(text, " .,");
        CItem item;
        item.kind = Kind::kTopic;
        item.hit = hit;
        item.data = step;
        item.length = static_cast<std::int32_t>(text.size());
        item.level = static_cast<std::int8_t>(isHit ? kLevelHit : kLevelAncestor);
        place(Advance(isHit ? kBold : kNormal, text), item);
        CItem separator;
        separator.kind = Kind::kSmallText;
        separator.hit = hit;
        separator.data = step;
        separator.level = isHit ? 1 : 0;
        place(Advance(kNormal, search_texts::Separator(isHit)), separator);
    }
    if (!m_results->IsExpanded(hit)) return m_rows.Bottom();

    const int count = rubric->GetRemedyCount();
    x = right;  // the remedies start a line of their own
    for (int entry = 0; entry < count; ++entry) {
        const int remedy = rubric->GetRemedy(entry);
        const int grade = rubric->GetGrade(entry);
        CItem item;
        item.kind = Kind::kRemedy;
        item.hit = hit;
        item.value = remedy;
        item.level = static_cast<std::int8_t>(std::clamp(grade, -1, 127));
        item.start = grade;
        place(m_remedies.Get(remedy, grade).width, item);
    }
    return m_rows.Bottom();
}

int CSearchResultRenderer::LayoutArticle(int hit, int top, int right) {
    Article* article = m_results->ArticleOf(hit);
    if (article == nullptr || article->GetRemedy() < 0) return m_rows.Bottom();
    CItem source;
    source.kind = Kind::kArticle;
    source.hit = hit;
    source.data = article;
    source.level = 1;
    const std::string sourceText = search_texts::ArticleSourceLine(*m_results->Source());
    int x = m_pathLeft;
    AddItem(x, Advance(kItalic, sourceText), source);
    x += Advance(kItalic, sourceText);
    CItem remedy = source;
    remedy.level = 2;
    const std::string name = search_texts::RemedyLongName(article->GetRemedy());
    const int width = Advance(kBold, name);
    if (x + width > right && x > m_pathLeft) {
        top = m_rows.Bottom();
        NewRow(&top, m_lineHeight);
        x = m_pathLeft;
    }
    AddItem(x, width, remedy);
    if (!m_results->IsExpanded(hit)) return m_rows.Bottom();
    const std::vector<std::string>& snippets = m_results->Snippets(hit);
    for (std::size_t number = 0; number < snippets.size(); ++number)
        top =
            LayoutSnippet(hit, static_cast<int>(number), snippets[number], m_rows.Bottom(), right);
    return m_rows.Bottom();
}

int CSearchResultRenderer::LayoutSnippet(int hit, int number, const std::string& snippet, int top,
                                         int right) {
    const int available = std::max(1, right - m_pathLeft);
    const auto& advance = m_advance[kNormal];
    std::size_t start = 0;
    while (start < snippet.size()) {
        // As many bytes as fit, broken after the last blank that fits.
        double width = 0;
        std::size_t end = start;
        std::size_t breakAt = std::string::npos;
        while (end < snippet.size()) {
            const double next = width + advance[static_cast<unsigned char>(snippet[end])];
            if (next > available && end > start) break;
            width = next;
            if (snippet[end] == ' ') breakAt = end + 1;
            ++end;
        }
        if (end < snippet.size() && breakAt != std::string::npos && breakAt > start) end = breakAt;
        NewRow(&top, m_lineHeight);
        CItem line;
        line.kind = Kind::kArticleText;
        line.hit = hit;
        line.value = number;
        line.data = &snippet;
        line.start = static_cast<std::int32_t>(start);
        line.length = static_cast<std::int32_t>(end - start);
        AddItem(m_pathLeft, Advance(kNormal, std::string_view(snippet).substr(start, end - start)),
                line);
        start = end;
        top = m_rows.Bottom();
    }
    return m_rows.Bottom();
}

DrawnItemId CSearchResultRenderer::ItemAt(const QPoint& point) const {
    const int item = m_rows.ItemAt(point);
    return item >= 0 ? item : kNoDrawnItem;
}

void CSearchResultRenderer::ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const {
    std::vector<int> found;
    m_rows.ItemsIn(area, &found);
    for (const int item : found) items->push_back(item);
}

QRect CSearchResultRenderer::ItemBox(DrawnItemId item) const {
    if (item < 0 || item >= ItemCount()) return {};
    return m_rows.ItemBox(static_cast<int>(item));
}

DrawnItemId CSearchResultRenderer::Find(Kind kind, int hit, DrawnItemId from) const {
    for (DrawnItemId item = std::max<DrawnItemId>(0, from); item < ItemCount(); ++item) {
        const CItem& found = Item(item);
        if (found.kind == kind && (hit < 0 || found.hit == hit)) return item;
    }
    return kNoDrawnItem;
}

bool CSearchResultRenderer::IsClickable(DrawnItemId item) const {
    if (item < 0 || item >= ItemCount()) return false;
    switch (Item(item).kind) {
        case Kind::kStatsHeader:
        case Kind::kStatsRemedy:
        case Kind::kExpander:
        case Kind::kTopic:
        case Kind::kRemedy:
        case Kind::kArticle:
            return true;
        default:
            break;
    }
    return false;
}

CHintText CSearchResultRenderer::ItemHint(DrawnItemId item) const {
    if (item < 0 || item >= ItemCount() || m_results == nullptr) return {};
    const CItem& shown = Item(item);
    switch (shown.kind) {
        case Kind::kTopic:
            return CHintText{"Open in Repertory", CHintText::Translation::Whole};
        case Kind::kRemedy:
            return CHintText{search_texts::RemedyLongName(shown.value),
                             CHintText::Translation::None};
        case Kind::kStatsRemedy: {
            const auto& statistics = m_results->RemedyStatistics();
            if (shown.value < 0 || shown.value >= static_cast<int>(statistics.size())) return {};
            return CHintText{
                search_texts::StatisticsHint(statistics[static_cast<std::size_t>(shown.value)]),
                CHintText::Translation::None};
        }
        default:
            break;
    }
    return {};
}

QString CSearchResultRenderer::ItemText(DrawnItemId item) const {
    return ShownText(item).trimmed();
}
