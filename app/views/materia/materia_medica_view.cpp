#include "views/materia/materia_medica_view.h"

#include <corvela.h>

#include <QContextMenuEvent>
#include <QVBoxLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/lang/localize.h"
#include "plumbing/rtf/rtf.h"
#include "plumbing/text/code_page.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/remedy_information.h"
#include "views/materia/shown_article.h"
#include "views/materia/user_materia_medicas.h"
#include "views/window_texts.h"

namespace {

constexpr int kDocumentMargin = 14;
constexpr int kArticlePointSize = 11;

QColor SoftHighlight() { return QColor(255, 238, 150); }
QColor CurrentHighlight() { return QColor(255, 196, 80); }

// The selected text as the records keep it: paragraph and line separators
// as line feeds, code page 1251.
std::string SelectedPassage(const QTextCursor& cursor) {
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return plumbing::EncodeCp1251(text.trimmed());
}

}  // namespace

CMateriaMedicaView::CMateriaMedicaView(CMateriaMedicaDoc& document, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_edit(new QTextEdit(this)),
      m_info(new materia::CRemedyInfoBox(this)) {
    setObjectName(QStringLiteral("MateriaMedicaView"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    page.setColor(QPalette::Base, Qt::white);
    // The step of a search stays visible while the panel has the focus.
    page.setColor(QPalette::Inactive, QPalette::Highlight,
                  page.color(QPalette::Active, QPalette::Highlight));
    page.setColor(QPalette::Inactive, QPalette::HighlightedText,
                  page.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(page);
    m_edit->setPalette(page);
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setAcceptRichText(true);
    m_edit->document()->setDocumentMargin(kDocumentMargin);
    QFont book(QStringLiteral("Georgia"));
    book.setStyleHint(QFont::Serif);
    book.setPointSize(kArticlePointSize);
    m_edit->document()->setDefaultFont(book);
    m_edit->setPlaceholderText(views::Localized("No articles"));
    m_edit->viewport()->installEventFilter(this);
    m_edit->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_info, 0);
    layout->addWidget(m_edit, 1);
    setFocusProxy(m_edit);

    connect(m_edit, &QTextEdit::textChanged, this, [this] {
        if (!m_loading) WriteBack();
    });
    connect(&m_document, &CDocument::Changed, this, &CMateriaMedicaView::Refresh);
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_MATERIA_MEDICA && !m_writingBack) Refresh();
    });
    Refresh();
}

CMateriaMedicaView::~CMateriaMedicaView() = default;

void CMateriaMedicaView::Refresh() {
    m_info->SetRemedy(m_document.Remedy());
    const materia::CShownArticle shown =
        materia::FindShownArticle(m_document.Remedy(), m_document.MateriaMedica());
    const bool same = m_shownAny && m_shownRemedy == m_document.Remedy() &&
                      m_shownSource == m_document.MateriaMedica() &&
                      m_shownText == shown.m_text &&
                      m_editing == (shown.m_editable ? shown.m_source : nullptr);
    if (!same) Reload(shown);
    Highlight();
}

void CMateriaMedicaView::Reload(const materia::CShownArticle& shown) {
    m_loading = true;
    m_shownAny = true;
    m_shownRemedy = m_document.Remedy();
    m_shownSource = m_document.MateriaMedica();
    m_shownText = shown.m_text;
    m_editing = shown.m_editable ? shown.m_source : nullptr;
    m_edit->setReadOnly(!shown.m_editable);
    // A book cannot be changed, but its text is selected with the keyboard
    // as with the mouse, so that a passage reaches the "Add to" menu (the
    // menu key) without the mouse.
    if (!shown.m_editable)
        m_edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_noArticle = shown.m_kind == materia::CShownArticle::Kind::kNoArticle;
    QTextDocument& text = *m_edit->document();
    if (shown.HasArticle()) {
        rtf::Load(text, shown.m_text);
    } else if (m_noArticle && !shown.m_editable) {
        rtf::Load(text, Localize("No articles", 1));
        QTextCursor all(&text);
        all.select(QTextCursor::Document);
        QTextCharFormat grey;
        grey.setForeground(QColor(128, 128, 128));
        grey.setFontItalic(true);
        all.mergeCharFormat(grey);
        text.setModified(false);
    } else {
        text.clear();  // nothing, or the placeholder of an editable book
    }
    text.clearUndoRedoStacks();
    m_edit->verticalScrollBar()->setValue(0);
    m_loading = false;
}

void CMateriaMedicaView::Highlight() {
    const bool words = !m_document.HighlightWords().empty() && !m_noArticle;
    const QString text = words ? m_edit->document()->toPlainText() : QString();
    const std::vector<materia::CTextSpan> before = std::move(m_spans);
    m_spans = materia::FindWordSpans(text, m_document.HighlightWords());
    // Nothing to mark, before or now: the view stays as it is.
    if (m_spans.empty() && before.empty() && m_document.CurrentRequest() == nullptr) return;
    const CMMRequest* request = m_document.CurrentRequest();
    materia::CTextSpan current{};
    if (request != nullptr && request->m_hasSpan) {
        current = request->m_span;
    } else if (!m_spans.empty()) {
        current = m_spans.front();
    }
    QList<QTextEdit::ExtraSelection> marks;
    marks.reserve(static_cast<qsizetype>(m_spans.size()));
    for (const materia::CTextSpan& span : m_spans) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_edit->document());
        mark.cursor.setPosition(span.start);
        mark.cursor.setPosition(span.End(), QTextCursor::KeepAnchor);
        const bool isCurrent = span.start <= current.start && current.End() <= span.End() &&
                               current.length > 0;
        mark.format.setBackground(isCurrent ? CurrentHighlight() : SoftHighlight());
        marks.append(mark);
    }
    m_edit->setExtraSelections(marks);
    if (current.length > 0 && current.End() <= text.size()) {
        QTextCursor cursor(m_edit->document());
        cursor.setPosition(current.start);
        cursor.setPosition(current.End(), QTextCursor::KeepAnchor);
        m_edit->setTextCursor(cursor);
        m_edit->ensureCursorVisible();
    }
}

materia::CTextSpan CMateriaMedicaView::SelectedSpan() const {
    const QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection()) return {};
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void CMateriaMedicaView::WriteBack() {
    if (m_editing == nullptr || m_editing != CorvelaInstance().FindDataSource(&m_shownSource))
        return;
    materia::CUserMateriaMedicas& sources = materia::CUserMateriaMedicas::Get();
    const bool wasModified = sources.IsModified(m_editing);
    const QTextDocument& text = *m_edit->document();
    const std::string plain = plumbing::EncodeCp1251(text.toPlainText());
    const std::string rich = rtf::Save(text);
    const bool cameOrWent = sources.WriteArticle(*m_editing, m_shownRemedy, rich, plain);
    m_shownText = materia::FindShownArticle(m_shownRemedy, m_shownSource).m_text;
    m_noArticle = false;
    if (cameOrWent || !wasModified) {
        m_writingBack = true;
        BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
        m_writingBack = false;
    }
}

add_to::CAddToOutcome CMateriaMedicaView::OfferSelection(const QPoint& globalPos,
                                                         const add_to::MenuRunner& run) {
    const QTextCursor cursor = m_edit->textCursor();
    const materia::CShownArticle shown =
        materia::FindShownArticle(m_document.Remedy(), m_document.MateriaMedica());
    const std::string passage = SelectedPassage(cursor);
    if (passage.empty() || !shown.HasArticle()) return {};
    return add_to::OfferAddToMenu(
        globalPos, CAddToItem::Passage(shown.m_articleId, m_document.MateriaMedica(), passage), run);
}

bool CMateriaMedicaView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu &&
        (watched == m_edit->viewport() || watched == m_edit)) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        if (m_edit->textCursor().hasSelection() && !m_noArticle) {
            OfferSelection(menuEvent->globalPos());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
