// CMateriaMedicaView: the article view of the materia medica window, the
// article of the document's remedy in its materia medica (shown_article.h)
// in a rich-text control, under the remedy information box.
//
//  - Read-only for plain materia medicas (flags with 0x40); editable for the
//    user's own: typing writes the article back at once (rich text through
//    the RTF layer, the plain text derived from it), creating it on the
//    first letter and deleting it when emptied.
//  - "No articles" where the book has none (in an editable book a grey hint
//    that typing replaces).
//  - Every occurrence of every highlight word has a soft background; the
//    current one (the search's step, else the first) is selected and
//    scrolled into view.
//  - The context menu of a selected passage is the "Add to" menu.
//
// The view reloads only when the remedy, the materia medica or the article's
// content changed; highlights follow every change of the document.
#pragma once

#include <QTextEdit>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "corvela/guid.h"
#include "views/add_to/add_to_menu.h"
#include "views/materia/word_highlights.h"

class CEventReceiver;
class CMateriaMedicaDoc;
class DataSource;

namespace materia {
class CRemedyInfoBox;
struct CShownArticle;
}

class CMateriaMedicaView : public QWidget {
    Q_OBJECT
public:
    CMateriaMedicaView(CMateriaMedicaDoc& document, QWidget* parent = nullptr);
    ~CMateriaMedicaView() override;

    QTextEdit* Editor() const { return m_edit; }
    materia::CRemedyInfoBox* InfoBox() const { return m_info; }

    // The highlighted spans of the text on display, in text order.
    const std::vector<materia::CTextSpan>& Highlights() const { return m_spans; }
    // The selected occurrence; none (length 0) when nothing is selected.
    materia::CTextSpan SelectedSpan() const;
    // True when the view shows "No articles".
    bool ShowsNoArticle() const { return m_noArticle; }

    // Shows the document's state now (reloading when needed).
    void Refresh();

    // The "Add to" menu for the selection, shown at `globalPos` through `run`
    // (tests pass their own).  Nothing without a selected passage.
    add_to::CAddToOutcome OfferSelection(const QPoint& globalPos,
                                         const add_to::MenuRunner& run = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Reload(const materia::CShownArticle& shown);
    void Highlight();
    void WriteBack();

    CMateriaMedicaDoc& m_document;
    QTextEdit* m_edit;
    materia::CRemedyInfoBox* m_info;
    std::unique_ptr<CEventReceiver> m_receiver;

    // What is shown: the remedy, the materia medica and the article text.
    int m_shownRemedy = -2;
    Guid m_shownSource{};
    std::string m_shownText;
    bool m_shownAny = false;
    bool m_noArticle = false;
    DataSource* m_editing = nullptr;  // the user source the view writes into
    bool m_loading = false;
    bool m_writingBack = false;
    std::vector<materia::CTextSpan> m_spans;
};
