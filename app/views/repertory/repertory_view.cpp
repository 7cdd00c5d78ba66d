#include "views/repertory/repertory_view.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "plumbing/widgets/interface_fonts.h"
#include "views/add_to/last_target.h"
#include "views/repertory/repertory_renderer.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/window_host.h"

CRepertoryView::CRepertoryView(QWidget* parent)
    : CDrawnView(parent),
      m_renderer(std::make_unique<CRepertoryRenderer>(CInterfaceFonts::Shared())) {
    setObjectName(QStringLiteral("RepertoryView"));
    SetRenderer(m_renderer.get());
    SetVerticalSteps(CScrollStep::Share(0.9), CScrollStep::Pixels(3 * m_renderer->LineHeight()));
    connect(this, &CDrawnView::ItemClicked, this,
            [this](DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers) {
                OnClicked(item, button);
            });
    connect(this, &CDrawnView::ItemDoubleClicked, this,
            [this](DrawnItemId item, Qt::MouseButton, Qt::KeyboardModifiers) {
                OnDoubleClicked(item);
            });
    connect(this, &CDrawnView::ContextMenuRequested, this, &CRepertoryView::OnContextMenu);
}

CRepertoryView::~CRepertoryView() {
    // The view lets go of the renderer before the renderer goes.
    SetRenderer(nullptr);
}

bool CRepertoryView::Bind(const std::string& name) {
    m_renderer->SetTree(nullptr, nullptr);
    m_selected = nullptr;
    m_selectedRemedy = -1;
    m_root.reset();
    m_repertory = nullptr;
    DataSource* source = CorvelaInstance().FindDataSourceByName(name.c_str());
    if (source != nullptr && source->GetType() == kSourceRepertory) {
        m_repertory = static_cast<Repertory*>(source);
        m_root = CTopicInfo::MakeRoot(*m_repertory);
        if (m_root == nullptr) m_repertory = nullptr;
    }
    m_renderer->SetTree(m_root.get(), m_repertory);
    SetSelectedItem(kNoDrawnItem);
    Invalidate();
    if (m_root != nullptr) Select(m_root.get());
    return m_root != nullptr;
}

bool CRepertoryView::SelectRubric(std::uint32_t id) {
    if (m_root == nullptr || static_cast<int>(ItemPosition(id)) != m_repertory->GetPosition())
        return false;
    CTopicInfo* node = m_root->Find(id);
    if (node == nullptr) return false;
    bool opened = false;
    for (CTopicInfo* step = node; step != nullptr; step = step->Parent()) {
        opened |= !step->IsExpanded();
        step->SetExpanded(true);
    }
    m_selected = node;
    m_selectedRemedy = -1;
    // Only a path that opened needs the page laid out again.
    if (opened) {
        Relayout();
    } else {
        ShowSelection();
    }
    return true;
}

void CRepertoryView::Select(CTopicInfo* node, int remedy) {
    m_selected = node;
    m_selectedRemedy = node != nullptr ? remedy : -1;
    ShowSelection();
}

void CRepertoryView::Relayout() {
    Invalidate();
    ShowSelection();
}

void CRepertoryView::ShowSelection() {
    EnsureLayout();
    DrawnItemId item = m_renderer->ItemOf(m_selected, m_selectedRemedy);
    if (item == kNoDrawnItem && m_selectedRemedy >= 0) {
        m_selectedRemedy = -1;
        item = m_renderer->ItemOf(m_selected);
    }
    SetSelectedItem(item);
    if (item != kNoDrawnItem) ScrollItemIntoView(item);
}

void CRepertoryView::ToggleSelected() {
    if (m_selected == nullptr) return;
    m_selected->SetExpanded(!m_selected->IsExpanded());
    if (!m_selected->IsExpanded()) m_selectedRemedy = -1;
    Relayout();
}

void CRepertoryView::MoveSelection(int steps) {
    EnsureLayout();
    const int count = m_renderer->ItemCount();
    if (count == 0) return;
    const DrawnItemId from = m_renderer->ItemOf(m_selected, m_selectedRemedy);
    const DrawnItemId to =
        from == kNoDrawnItem ? 0 : std::clamp<DrawnItemId>(from + steps, 0, count - 1);
    const CRepertoryRenderer::CTarget target = m_renderer->TargetOf(to);
    Select(target.node, target.remedy);
}

void CRepertoryView::ExpandAll() {
    if (m_root == nullptr) return;
    m_root->ExpandAll();
    Relayout();
}

QPoint CRepertoryView::SelectionMenuPoint() {
    EnsureLayout();
    const QRect box = m_renderer->ItemBox(m_renderer->ItemOf(m_selected, m_selectedRemedy));
    return viewport()->mapToGlobal(ToViewport(box).bottomLeft());
}

void CRepertoryView::OfferAddToMenu(const QPoint& globalPos) {
    if (m_selected == nullptr) return;
    add_to::OfferAddToMenu(globalPos, CAddToItem::Rubric(m_selected->Id()), m_menuRunner);
}

void CRepertoryView::AddToLastTarget() {
    if (m_selected == nullptr) return;
    const CAddToItem rubric = CAddToItem::Rubric(m_selected->Id());
    const add_to::CAddToOutcome outcome = add_to::AddToLastTarget(rubric);
    if (outcome.m_result == add_to::CAddToOutcome::Result::kNoTarget) {
        OfferAddToMenu(SelectionMenuPoint());
        return;
    }
    const QString status = add_to::DescribeOutcome(outcome);
    if (CWindowHost* host = CWindowHost::Current(); host != nullptr && !status.isEmpty())
        host->ShowStatusMessage(status);
}

bool CRepertoryView::HandleKey(QKeyEvent& event) {
    const int key = event.key();
    m_altAlone = key == Qt::Key_Alt;
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            Q_EMIT FocusSearch();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event.modifiers() & Qt::ControlModifier) {
                AddToLastTarget();
            } else {
                ToggleSelected();
            }
            return true;
        case Qt::Key_Space:
            ToggleSelected();
            return true;
        case Qt::Key_Menu:
            OfferAddToMenu(SelectionMenuPoint());
            return true;
        case Qt::Key_Up:
            MoveSelection(-1);
            return true;
        case Qt::Key_Down:
        case Qt::Key_Right:
            MoveSelection(1);
            return true;
        case Qt::Key_Left:
            if (m_selected != nullptr && m_selectedRemedy < 0 && !m_selected->IsRoot()) {
                Select(m_selected->Parent());
            } else {
                MoveSelection(-1);
            }
            return true;
        case Qt::Key_PageUp:
            MoveSelection(-kPageSteps);
            return true;
        case Qt::Key_PageDown:
            MoveSelection(kPageSteps);
            return true;
        case Qt::Key_Home:
            Select(m_root.get());
            return true;
        case Qt::Key_End:
            EnsureLayout();
            Select(m_renderer->LastNode());
            return true;
        case Qt::Key_F3:
        case Qt::Key_F4:
            Q_EMIT SearchKey(key);
            return true;
        default:
            break;
    }
    return false;
}

bool CRepertoryView::focusNextPrevChild(bool) {
    return false;
}

void CRepertoryView::keyReleaseEvent(QKeyEvent* event) {
    // Alt pressed and released alone opens the menu; Alt with another key
    // stays the shortcut it is.
    if (event->key() == Qt::Key_Alt && m_altAlone && !event->isAutoRepeat()) {
        m_altAlone = false;
        OfferAddToMenu(SelectionMenuPoint());
        event->accept();
        return;
    }
    CDrawnView::keyReleaseEvent(event);
}

void CRepertoryView::mouseReleaseEvent(QMouseEvent* event) {
    m_releasePoint = ToContent(event->position().toPoint());
    CDrawnView::mouseReleaseEvent(event);
}

void CRepertoryView::OnClicked(DrawnItemId item, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const CRepertoryRenderer::CTarget target = m_renderer->TargetOf(item);
    if (!target.IsValid()) return;
    setFocus(Qt::MouseFocusReason);
    const bool glyph = m_renderer->OnGlyph(item, m_releasePoint);
    Select(target.node, target.remedy);
    if (glyph) ToggleSelected();
}

void CRepertoryView::OnDoubleClicked(DrawnItemId item) {
    const CRepertoryRenderer::CTarget target = m_renderer->TargetOf(item);
    if (!target.IsValid()) return;
    // Its first click already toggled a glyph.
    if (m_renderer->OnGlyph(item, m_releasePoint)) return;
    Select(target.node);
    ToggleSelected();
}

void CRepertoryView::OnContextMenu(DrawnItemId item, const QPoint& globalPos) {
    const CRepertoryRenderer::CTarget target = m_renderer->TargetOf(item);
    if (!target.IsValid()) return;
    Select(target.node);
    OfferAddToMenu(globalPos);
}
