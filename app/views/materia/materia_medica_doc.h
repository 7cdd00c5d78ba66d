// CMateriaMedicaDoc: the document of the materia medica window.  It holds
// what the window shows (the current remedy and materia medica, the words to
// highlight) and the search stepping of its panel; the views follow its
// Changed signal.
//
// Title: "[%s] %s" with the remedy's short name and the materia medica's
// name, and "*" behind it while that materia medica (a user's own) holds
// unsaved changes.
//
// Searching, one press of "Start Search" (Step) at a time:
//   1. the requests all shown: the search ends (highlights cleared) and the
//      next press searches anew;
//   2. no search in progress (or the text or scope changed): a text shorter
//      than 3 characters beeps; otherwise the search runs (materia_search.h)
//      and its words become the highlight words;
//   3. the next request is shown: "%s (%d of %d)" (search text, number of
//      the request, total) in the panel; with nothing found, "%s (0 of 0)".
//
// Everything runs on the user-interface thread.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "corvela/guid.h"
#include "plumbing/documents/document.h"
#include "views/materia/mm_request.h"

class CEventReceiver;

class CMateriaMedicaDoc : public CDocument {
    Q_OBJECT
public:
    CMateriaMedicaDoc();
    ~CMateriaMedicaDoc() override;

    int Remedy() const { return m_remedy; }
    const Guid& MateriaMedica() const { return m_materiaMedica; }

    // The single way to change what is shown: `remedy` (-1 keeps the current
    // one) in `materiaMedica`; a `highlight` starting with '#' replaces the
    // highlight words by its '#'-separated words.  Sets the title and tells
    // the views (Changed).
    void Navigate(int remedy, const Guid& materiaMedica, const std::string& highlight = {});

    // The words to highlight (code page 1251).
    const std::vector<std::string>& HighlightWords() const { return m_highlightWords; }
    // The occurrence the article view selects: the current request's in a
    // search inside the article; none otherwise (the view selects the first).
    const CMMRequest* CurrentRequest() const;

    // What one press of "Start Search" did.
    enum class StepResult { kTooShort, kEnded, kNothingFound, kShown };
    StepResult Step(const std::string& text, int scope);
    // Ends the search (nothing steps, the highlights go).
    void ResetSearch();
    // The panel's text: "%s (%d of %d)" while stepping, else the search text.
    QString SearchStatus() const;
    bool IsSearching() const { return !m_requests.empty(); }
    int RequestCount() const { return static_cast<int>(m_requests.size()); }

    // Re-reads the title (the source's name or its unsaved state changed).
    void UpdateTitle();

    // Asks about the user's materia medicas with unsaved changes.
    bool CanClose() override;

Q_SIGNALS:
    // The search state changed (the panel's text follows).
    void SearchChanged();

private:
    int m_remedy = -1;
    Guid m_materiaMedica{};
    std::vector<std::string> m_highlightWords;

    // The search: its text and scope, the requests, the one on display and
    // how many were shown.
    std::string m_query;
    int m_scope = 0;
    std::vector<CMMRequest> m_requests;
    int m_current = -1;
    int m_shown = 0;
    bool m_complete = false;
    bool m_foundNothing = false;

    std::unique_ptr<CEventReceiver> m_receiver;
};
