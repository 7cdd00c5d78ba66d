#include "views/repertory/repertory_search_view.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/repertory/repertory_view.h"
#include "views/window_texts.h"

namespace {
// Searches take this many characters at least.
constexpr int kShortestSearch = 3;
}  // namespace

CRepertorySearchView::CRepertorySearchView(CRepertoryView& rubrics, QWidget* parent)
    : QWidget(parent),
      m_rubrics(rubrics),
      m_edit(new CRepertoryEditSearchView(this)),
      m_status(new QLabel(this)),
      m_hint(new QLabel(this)),
      m_beep([] { QApplication::beep(); }) {
    setObjectName(QStringLiteral("RepertorySearchView"));
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, QColor(244, 246, 249));
    setPalette(strip);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 4, 8, 3);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(1);
    layout->addWidget(m_edit, 0, 0);
    layout->addWidget(m_status, 0, 1);
    layout->addWidget(m_hint, 1, 0, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);

    m_status->setTextFormat(Qt::PlainText);
    m_status->setObjectName(QStringLiteral("RepertorySearchStatus"));
    CTranslationFilter::ExcludeTextFromTranslation(m_status);
    m_hint->setText(views::Localized(
        "[Enter] - start search, [F3] - find next, [Tab] - jump to repertory and back, [Esc] - "
        "stop search"));
    CTranslationFilter::ExcludeTextFromTranslation(m_hint);
    m_hint->setFont(CInterfaceFonts::Shared().Small12());
    QPalette grey = m_hint->palette();
    grey.setColor(QPalette::WindowText, QColor(110, 110, 110));
    m_hint->setPalette(grey);

    connect(m_edit, &CQueryBox::Entered, this, &CRepertorySearchView::Enter);
    connect(m_edit, &CQueryBox::FindNext, this, &CRepertorySearchView::FindNext);
    connect(m_edit, &CQueryBox::FindPrevious, this, &CRepertorySearchView::FindPrevious);
    connect(m_edit, &CQueryBox::Escaped, this, &CRepertorySearchView::StopSearch);
    connect(m_edit, &CQueryBox::TabPressed, this, [this](bool) { Q_EMIT FocusRubrics(); });
    m_edit->SetKeyHandler([this](QKeyEvent& event) { return OnEditKey(event); });
    // A text changed without a key (pasted with the mouse) ends the search too.
    connect(m_edit, &CQueryBox::QueryEdited, this, [this] {
        if (m_search.IsRunning() && m_edit->QueryBytes() != m_search.Text()) StopSearch();
    });
}

CRepertorySearchView::~CRepertorySearchView() = default;

void CRepertorySearchView::SetRepertory(const Guid& source) {
    m_source = source;
    StopSearch();
    m_edit->SetScope(kScopeRepertories, source);
}

QString CRepertorySearchView::Status() const {
    return m_status->text();
}

QString CRepertorySearchView::Hint() const {
    return m_hint->text();
}

bool CRepertorySearchView::OnEditKey(const QKeyEvent& event) {
    // Any key but the strip's own stops a running search, and then does
    // what it does in the edit.
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
        case Qt::Key_F4:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false;
        default:
            break;
    }
    if (m_search.IsRunning()) StopSearch();
    return false;
}

void CRepertorySearchView::Enter() {
    if (m_search.IsRunning()) {
        FindNext();
        return;
    }
    if (m_edit->Text().size() < kShortestSearch) {
        m_beep();
        return;
    }
    SearchQuery query = m_edit->MakeQuery();
    query.scope = kScopeRepertories;
    query.source = m_source;
    m_search.Start(query);
    if (m_search.IsRunning()) {
        FindNext();
    } else {
        ShowStatus();
    }
}

void CRepertorySearchView::FindNext() {
    if (!m_search.IsRunning()) {
        m_beep();
        return;
    }
    bool wrapped = false;
    const std::int64_t rubric = m_search.Next(&wrapped);
    if (wrapped) m_beep();
    ShowHit(rubric);
}

void CRepertorySearchView::FindPrevious() {
    const std::int64_t rubric = m_search.Previous();
    if (rubric < 0) {
        m_beep();
        return;
    }
    ShowHit(rubric);
}

void CRepertorySearchView::StopSearch() {
    m_search.Stop();
    m_status->clear();
}

void CRepertorySearchView::ShowHit(std::int64_t rubric) {
    if (rubric >= 0) m_rubrics.SelectRubric(static_cast<std::uint32_t>(rubric));
    ShowStatus();
}

void CRepertorySearchView::ShowStatus() {
    const std::string text = m_search.IsRunning() ? m_search.Text() : m_edit->QueryBytes();
    const std::string position = std::to_string(m_search.Position() + 1);
    const std::string count = std::to_string(m_search.Count());
    m_status->setText(plumbing::DecodeCodePage(
        views::FormatTexts(Localize("%s (%d{ of }%d)", 0), {text, position, count}, true)));
}
