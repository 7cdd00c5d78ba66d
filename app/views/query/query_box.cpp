#include "views/query/query_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>

#include "plumbing/text/code_page.h"
#include "views/window_texts.h"

namespace {

// What a character code page 1251 lacks travels as: a byte the engine marks
// invalid, so the box shows it red.
constexpr char kUnencodable = '*';

QString OneLine(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') ||
            c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char(' ');
    }
    return text;
}

}  // namespace

CQueryBox::CQueryBox(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("QueryBox"));
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    document()->setDocumentMargin(3);
    setFixedHeight(LineHeight());
    connect(document(), &QTextDocument::contentsChanged, this, &CQueryBox::OnContentsChanged);
}

CQueryBox::~CQueryBox() = default;

int CQueryBox::LineHeight() const {
    return fontMetrics().height() + 2 * static_cast<int>(document()->documentMargin()) +
           2 * frameWidth() + 2;
}

QSize CQueryBox::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 40, LineHeight()};
}

QSize CQueryBox::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 8, LineHeight()};
}

void CQueryBox::SetScope(int scope, const Guid& source) {
    m_scope = scope;
    m_source = source;
    Reanalyse();
}

QString CQueryBox::Text() const {
    return toPlainText();
}

void CQueryBox::SetText(const QString& text) {
    setPlainText(OneLine(text));
    moveCursor(QTextCursor::End);
}

std::string CQueryBox::QueryBytes() const {
    std::string bytes = plumbing::EncodeCp1251(Text(), kUnencodable);
    if (bytes.size() > static_cast<std::size_t>(kMaxQueryBytes)) bytes.resize(kMaxQueryBytes);
    return bytes;
}

SearchQuery CQueryBox::MakeQuery() const {
    SearchQuery query;
    query.scope = m_scope;
    query.source = m_source;
    const std::string bytes = QueryBytes();
    std::copy(bytes.begin(), bytes.end(), query.text);
    query.text[bytes.size()] = '\0';
    return query;
}

std::vector<std::string> CQueryBox::MarkupWords() const {
    std::vector<std::string> words;
    for (int i = 0; i < m_markup.wordCount; ++i)
        words.emplace_back(m_markup.words[i] != nullptr ? m_markup.words[i] : "");
    return words;
}

QColor CQueryBox::ClassColour(int tokenClass) {
    switch (tokenClass) {
        case MarkInvalid:
            return {255, 0, 0};
        case MarkOperator:
        case MarkWord:
            return {0, 0, 128};
        case MarkGrade:
            return {0, 0, 255};
        case MarkRemedy:
            return {0, 128, 0};
        case MarkUnknownRemedy:
        case MarkWordNotFound:
            return {128, 0, 0};
        case MarkNotApplicable:
            return {128, 128, 128};
        default:
            break;
    }
    return {};
}

QColor CQueryBox::ColourAt(int position) const {
    for (int i = 0; i < m_markup.tokenCount; ++i) {
        if (position >= m_markup.tokenSpans[i][0] && position < m_markup.tokenSpans[i][1]) {
            const QColor colour = ClassColour(m_markup.tokenClasses[i]);
            if (colour.isValid()) return colour;
        }
    }
    return palette().color(QPalette::Text);
}

void CQueryBox::Reanalyse() {
    const bool was = std::exchange(m_recolouring, true);
    Recolour();
    m_recolouring = was;
}

void CQueryBox::OnContentsChanged() {
    if (m_recolouring) return;
    m_recolouring = true;
    const bool cut = CutToLength();
    Recolour();
    m_recolouring = false;
    if (cut) {
        QToolTip::showText(mapToGlobal(QPoint(0, height())),
                           views::Localized("The query is cut to 255 characters"), this);
        Q_EMIT QueryCut();
    }
    Q_EMIT QueryEdited();
}

bool CQueryBox::CutToLength() {
    const QString text = Text();
    if (text.size() <= kMaxQueryBytes) return false;
    int keep = kMaxQueryBytes;
    if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
    QTextCursor cursor(document());
    cursor.setPosition(keep);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return true;
}

void CQueryBox::Recolour() {
    const SearchQuery query = MakeQuery();
    m_markup = QueryMarkup{};
    m_wellFormed = CorvelaInstance().AnalyzeQuery(&query, &m_markup);

    const int length = static_cast<int>(Text().size());
    QList<QTextLayout::FormatRange> ranges;
    const int tokens = std::clamp(m_markup.tokenCount, 0, kMarkupMaxTokens);
    for (int i = 0; i < tokens; ++i) {
        const int start = std::clamp(m_markup.tokenSpans[i][0], 0, length);
        const int end = std::clamp(m_markup.tokenSpans[i][1], start, length);
        const QColor colour = ClassColour(m_markup.tokenClasses[i]);
        if (end == start || !colour.isValid()) continue;
        QTextLayout::FormatRange range;
        range.start = start;
        range.length = end - start;
        range.format.setForeground(colour);
        ranges.append(range);
    }
    // The colours live in the line's layout, not in the text: no undo step,
    // and the notifications of the relayout are held back.
    const QTextBlock block = document()->firstBlock();
    if (block.layout() == nullptr) return;
    {
        const QSignalBlocker quietDocument(document());
        const QSignalBlocker quietBox(this);
        block.layout()->setFormats(ranges);
        document()->markContentsDirty(block.position(), block.length());
    }
    viewport()->update();
}

void CQueryBox::keyPressEvent(QKeyEvent* event) {
    if (m_keyHandler && m_keyHandler(*event)) {
        event->accept();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            Q_EMIT Entered();
            return;
        case Qt::Key_F3:
            event->accept();
            Q_EMIT FindNext();
            return;
        case Qt::Key_F4:
            event->accept();
            Q_EMIT FindPrevious();
            return;
        case Qt::Key_Escape:
            event->accept();
            Q_EMIT Escaped();
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            event->accept();
            Q_EMIT TabPressed(event->key() == Qt::Key_Backtab);
            return;
        default:
            break;
    }
    QTextEdit::keyPressEvent(event);
}

void CQueryBox::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    insertPlainText(OneLine(source->text()));
}
