#include "views/analysis/sympthom_view.h"

#include <QKeyEvent>

#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/records/analysis.h"
#include "model/records/case.h"
#include "views/analysis/analysis_edits.h"
#include "views/analysis/symptom_items.h"
#include "views/analysis/symptom_list_renderer.h"
#include "views/analysis/sympthom_edit_view.h"
#include "views/case_access.h"

using Kind = CSymptomListRenderer::BoxKind;

CSympthomView::CSympthomView(QWidget* parent)
    : CDrawnView(parent), m_renderer(std::make_unique<CSymptomListRenderer>()) {
    setObjectName(QStringLiteral("SymptomList"));
    SetRenderer(m_renderer.get());
    SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Pixels(CSymptomListRenderer::kLineHeight));
    m_editor = new CSympthomEditView(viewport());
    connect(this, &CDrawnView::ItemClicked, this,
            [this](DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers) {
                OnClicked(item, button);
            });
    connect(this, &CDrawnView::ScrollPositionChanged, this, [this] { PlaceEditor(); });
    connect(m_editor, &CSympthomEditView::Finished, this, [this] { setFocus(); });
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_ANALYSIS) Refresh();
    });
}

CSympthomView::~CSympthomView() {
    // The renderer goes before the view: nothing may paint with it meanwhile.
    SetRenderer(nullptr);
}

void CSympthomView::SetAnalysis(CAnalysis* analysis) {
    m_analysis = analysis;
    m_renderer->SetAnalysis(analysis);
    m_selection = {};
    Refresh();
}

void CSympthomView::Refresh() {
    Invalidate();
    // A hidden list (the "Table " page) lays out only when it shows again.
    if (!isVisible()) {
        m_selectionDue = true;
        return;
    }
    ApplySelection();
    PlaceEditor();
}

void CSympthomView::showEvent(QShowEvent* event) {
    CDrawnView::showEvent(event);
    if (!m_selectionDue) return;
    ApplySelection();
    PlaceEditor();
}

bool CSympthomView::SelectionAlive() const {
    if (m_selection.symptom == nullptr || m_analysis == nullptr) return false;
    for (const CSympthom* s = &m_analysis->GetFirstSymptom(); s != nullptr; s = s->GetNext())
        if (s == m_selection.symptom) return s->GetSerial() == m_selection.serial;
    return false;
}

void CSympthomView::ApplySelection() {
    m_selectionDue = false;
    if (!SelectionAlive()) m_selection = {};
    EnsureLayout();
    DrawnItemId line = kNoDrawnItem;
    if (m_selection.symptom != nullptr) {
        line = m_renderer->LineItem(m_selection.symptom, m_selection.topic);
        // A removed topic leaves its symptom selected.
        if (line == kNoDrawnItem) {
            m_selection.topic = -1;
            line = m_renderer->LineItem(m_selection.symptom, -1);
        }
    }
    SetSelectedItem(line);
}

void CSympthomView::Select(CSympthom* symptom, int topic) {
    m_selection = {symptom, symptom != nullptr ? symptom->GetSerial() : 0, topic};
    ApplySelection();
    if (SelectedItem() != kNoDrawnItem) ScrollItemIntoView(SelectedItem());
}

void CSympthomView::PlaceEditor() {
    if (!m_editor->IsEditing()) return;
    CSympthom* symptom = m_editor->Symptom();
    for (const auto& item : m_renderer->Items()) {
        if (item->GetKind() != CView_Item::Kind::Symptom || &item->Symptom() != symptom) continue;
        m_editor->Follow(ToViewport(static_cast<const CView_Sympthom&>(*item).m_nameBox));
        return;
    }
    // Its symptom is gone from the list.
    m_editor->Cancel();
}

void CSympthomView::EditName(CSympthom& symptom) {
    EnsureLayout();
    for (const auto& item : m_renderer->Items()) {
        if (item->GetKind() != CView_Item::Kind::Symptom || &item->Symptom() != &symptom) continue;
        const QRect box = static_cast<const CView_Sympthom&>(*item).m_nameBox;
        ScrollIntoView(box);
        m_editor->Begin(symptom, ToViewport(box));
        return;
    }
}

void CSympthomView::OnClicked(DrawnItemId id, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const CSymptomListRenderer::Box* box = m_renderer->BoxOf(id);
    if (box == nullptr) return;
    const CView_Item& item = *m_renderer->Items()[static_cast<std::size_t>(box->item)];
    CSympthom& symptom = item.Symptom();
    int topic = -1;
    if (item.GetKind() == CView_Item::Kind::Topic)
        topic = static_cast<const CView_Topic&>(item).TopicIndex();
    else if (item.GetKind() == CView_Item::Kind::Article)
        topic = static_cast<const CView_Article&>(item).TopicIndex();
    int remedy = -1;
    if (box->kind == Kind::Remedy)
        remedy = static_cast<const CView_Topic&>(item).m_remedies[static_cast<std::size_t>(box->remedy)].remedy;

    // The clicked line becomes the selected one (a removed line selects its symptom).
    m_selection = {&symptom, symptom.GetSerial(), topic};
    // Nothing of the items is read after the edit: the list is laid out anew.
    bool handled = true;
    switch (box->kind) {
        case Kind::Weight:
            analysis_window::CycleWeight(symptom);
            break;
        case Kind::SymptomDelete:
            m_selection = {};
            analysis_window::DeleteSymptom(symptom);
            break;
        case Kind::SymptomName:
            EditName(symptom);
            break;
        case Kind::TopicDelete:
        case Kind::ArticleDelete:
            m_selection.topic = -1;
            analysis_window::DeleteTopic(symptom, topic);
            break;
        case Kind::TopicInclude:
            analysis_window::ToggleHide(symptom, topic);
            break;
        case Kind::TopicExpand:
        case Kind::ArticleExpand:
            analysis_window::ToggleExpander(symptom, topic);
            break;
        case Kind::TopicText:
            analysis_window::OpenRubric(symptom, topic);
            break;
        case Kind::Remedy:
            analysis_window::OpenRemedyArticle(remedy);
            break;
        default:
            handled = false;
            break;
    }
    if (handled) analysis_window::Announce();
}

bool CSympthomView::RenameSelected() {
    if (!SelectionAlive()) return false;
    EditName(*m_selection.symptom);
    return true;
}

bool CSympthomView::DeleteSelected() {
    if (!SelectionAlive() || m_selection.topic < 0) return false;
    CSympthom& symptom = *m_selection.symptom;
    const int topic = m_selection.topic;
    m_selection.topic = -1;
    if (!analysis_window::DeleteTopic(symptom, topic)) return false;
    analysis_window::Announce();
    return true;
}

void CSympthomView::MoveSelection(int step, bool toEnd) {
    EnsureLayout();
    const std::vector<DrawnItemId>& lines = m_renderer->Lines();
    if (lines.empty()) return;
    const auto current = std::find(lines.begin(), lines.end(), SelectedItem());
    std::ptrdiff_t index = 0;
    if (toEnd)
        index = step < 0 ? 0 : std::ssize(lines) - 1;
    else if (current == lines.end())
        index = step < 0 ? std::ssize(lines) - 1 : 0;
    else
        index = std::clamp<std::ptrdiff_t>((current - lines.begin()) + step, 0, std::ssize(lines) - 1);
    const DrawnItemId line = lines[static_cast<std::size_t>(index)];
    const CSymptomListRenderer::Box* box = m_renderer->BoxOf(line);
    const CView_Item& item = *m_renderer->Items()[static_cast<std::size_t>(box->item)];
    int topic = -1;
    if (item.GetKind() == CView_Item::Kind::Topic)
        topic = static_cast<const CView_Topic&>(item).TopicIndex();
    else if (item.GetKind() == CView_Item::Kind::Article)
        topic = static_cast<const CView_Article&>(item).TopicIndex();
    Select(&item.Symptom(), topic);
}

bool CSympthomView::HandleKey(QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return CDrawnView::HandleKey(event);
    switch (event.key()) {
        case Qt::Key_Up:
            MoveSelection(-1, false);
            return true;
        case Qt::Key_Down:
            MoveSelection(1, false);
            return true;
        case Qt::Key_Home:
            MoveSelection(-1, true);
            return true;
        case Qt::Key_End:
            MoveSelection(1, true);
            return true;
        case Qt::Key_F2:
            return RenameSelected();
        case Qt::Key_Delete:
            return DeleteSelected();
        default:
            return CDrawnView::HandleKey(event);
    }
}
