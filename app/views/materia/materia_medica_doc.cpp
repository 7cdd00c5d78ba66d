#include "views/materia/materia_medica_doc.h"

#include <corvela.h>

#include <QApplication>

#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "views/materia/materia_search.h"
#include "views/materia/user_materia_medicas.h"
#include "views/materia/user_mm_commands.h"
#include "views/window_host.h"
#include "views/window_texts.h"

CMateriaMedicaDoc::CMateriaMedicaDoc()
    : m_receiver(std::make_unique<CEventReceiver>([this](unsigned code) {
          if (code == EV_UPDATE_MATERIA_MEDICA) UpdateTitle();
      })) {}

CMateriaMedicaDoc::~CMateriaMedicaDoc() = default;

void CMateriaMedicaDoc::Navigate(int remedy, const Guid& materiaMedica,
                                 const std::string& highlight) {
    if (remedy >= 0) m_remedy = remedy;
    m_materiaMedica = materiaMedica;
    if (!highlight.empty() && highlight[0] == '#') m_highlightWords = materia::SplitHighlight(highlight);
    UpdateTitle();
    NotifyChanged();
}

void CMateriaMedicaDoc::UpdateTitle() {
    Corvela& engine = CorvelaInstance();
    ::Remedy* shown = m_remedy >= 0 && m_remedy < engine.GetRemedyCount() ? engine.GetRemedy(m_remedy)
                                                                        : nullptr;
    DataSource* source = engine.FindDataSource(&m_materiaMedica);
    const char* shortName = shown != nullptr ? shown->GetShortName() : nullptr;
    const char* name = source != nullptr ? source->GetName() : nullptr;
    std::string title = views::FormatTexts(
        "[%s] %s", {shortName != nullptr ? shortName : "", name != nullptr ? name : ""});
    if (materia::CUserMateriaMedicas::Get().IsModified(source)) title += '*';
    SetTitle(plumbing::DecodeCodePage(title));
}

const CMMRequest* CMateriaMedicaDoc::CurrentRequest() const {
    if (m_current < 0 || m_current >= static_cast<int>(m_requests.size())) return nullptr;
    return &m_requests[static_cast<std::size_t>(m_current)];
}

void CMateriaMedicaDoc::ResetSearch() {
    m_requests.clear();
    m_current = -1;
    m_shown = 0;
    m_complete = false;
    m_foundNothing = false;
    m_highlightWords.clear();
}

CMateriaMedicaDoc::StepResult CMateriaMedicaDoc::Step(const std::string& text, int scope) {
    const bool sameSearch = text == m_query && scope == m_scope;
    // 1. Everything shown: the search ends; the next press searches anew.
    if (m_complete && sameSearch && m_shown >= static_cast<int>(m_requests.size())) {
        ResetSearch();
        NotifyChanged();
        Q_EMIT SearchChanged();
        return StepResult::kEnded;
    }
    // 2. A new search.
    if (!m_complete || !sameSearch) {
        if (static_cast<int>(text.size()) < materia::kMinimumQueryLength) {
            QApplication::beep();
            return StepResult::kTooShort;
        }
        ResetSearch();
        m_query = text;
        m_scope = scope;
        materia::CSearchFindings findings =
            materia::FindRequests(text, scope, m_remedy, m_materiaMedica);
        m_requests = std::move(findings.m_requests);
        m_highlightWords = std::move(findings.m_words);
        m_current = findings.m_start - 1;
        m_complete = true;
        if (m_requests.empty()) {
            // 4. Nothing found: the views show the words; the next press searches again.
            m_complete = false;
            m_foundNothing = true;
            NotifyChanged();
            Q_EMIT SearchChanged();
            return StepResult::kNothingFound;
        }
    }
    // 3. The next request, wrapping round to the ones before the start.
    m_current = (m_current + 1) % static_cast<int>(m_requests.size());
    ++m_shown;
    const CMMRequest& request = m_requests[static_cast<std::size_t>(m_current)];
    Navigate(request.m_remedy, request.m_materiaMedica);
    Q_EMIT SearchChanged();
    return StepResult::kShown;
}

QString CMateriaMedicaDoc::SearchStatus() const {
    const bool stepping = m_current >= 0 && !m_requests.empty();
    if (!stepping && !m_foundNothing) return plumbing::DecodeCodePage(m_query);
    const std::string number = stepping ? std::to_string(m_current + 1) : "0";
    const std::string total = std::to_string(m_requests.size());
    return plumbing::DecodeCodePage(
        views::FormatTexts(Localize("%s (%d of %d)", 1), {m_query, number, total}, true));
}

bool CMateriaMedicaDoc::CanClose() {
    return materia::ConfirmUnsavedMateriaMedicas();
}
