#include "plumbing/drawn/drawn_accessible.h"

#include <QWindow>
#include <algorithm>

namespace {

// Interfaces kept beyond the visible ones before the view drops the rest.
constexpr std::size_t kKeptInterfaces = 2000;

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<CDrawnView*>(object)) return new CDrawnViewAccessible(view);
    return nullptr;
}

}  // namespace

void InstallDrawnAccessibility() {
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

// ---- the view's side ----

const std::vector<DrawnItemId>& CDrawnView::VisibleItems() {
    EnsureLayout();
    if (!m_visibleValid) {
        m_visibleItems.clear();
        if (m_renderer != nullptr) m_renderer->ItemsIn(VisibleContent(), &m_visibleItems);
        m_visibleValid = true;
    }
    return m_visibleItems;
}

QAccessibleInterface* CDrawnView::ItemInterface(DrawnItemId item) {
    if (const auto found = m_itemInterfaces.find(item); found != m_itemInterfaces.end())
        return QAccessible::accessibleInterface(found->second);
    if (m_itemInterfaces.size() >= kKeptInterfaces) ForgetItemInterfaces(false);
    auto* created = new CDrawnItemAccessible(this, item);
    m_itemInterfaces.emplace(item, QAccessible::registerAccessibleInterface(created));
    return created;
}

void CDrawnView::ForgetItemInterfaces(bool all) {
    if (m_itemInterfaces.empty()) return;
    std::vector<DrawnItemId> keep;
    if (!all) keep = VisibleItems();
    std::sort(keep.begin(), keep.end());
    for (auto it = m_itemInterfaces.begin(); it != m_itemInterfaces.end();) {
        if (std::binary_search(keep.begin(), keep.end(), it->first)) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(it->second);
        it = m_itemInterfaces.erase(it);
    }
}

void CDrawnView::VisibleChanged() {
    m_visibleValid = false;
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

// ---- the view ----

CDrawnViewAccessible::CDrawnViewAccessible(CDrawnView* view) : QAccessibleWidget(view, QAccessible::List) {}

CDrawnView* CDrawnViewAccessible::View() const {
    return static_cast<CDrawnView*>(widget());
}

QAccessible::Role CDrawnViewAccessible::role() const {
    return View()->AccessibleRole();
}

int CDrawnViewAccessible::childCount() const {
    return static_cast<int>(View()->VisibleItems().size());
}

QAccessibleInterface* CDrawnViewAccessible::child(int index) const {
    const std::vector<DrawnItemId>& items = View()->VisibleItems();
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return View()->ItemInterface(items[index]);
}

int CDrawnViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const CDrawnItemAccessible*>(child);
    if (item == nullptr) return -1;
    const std::vector<DrawnItemId>& items = View()->VisibleItems();
    const auto found = std::find(items.begin(), items.end(), item->Item());
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

QAccessibleInterface* CDrawnViewAccessible::childAt(int x, int y) const {
    CDrawnView* view = View();
    const DrawnItemId item = view->ItemAt(view->viewport()->mapFromGlobal(QPoint(x, y)));
    return item == kNoDrawnItem ? nullptr : view->ItemInterface(item);
}

// ---- one item ----

CDrawnItemAccessible::CDrawnItemAccessible(CDrawnView* view, DrawnItemId item) : m_view(view), m_item(item) {}

bool CDrawnItemAccessible::isValid() const {
    return m_view && m_view->Renderer() != nullptr;
}

QWindow* CDrawnItemAccessible::window() const {
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CDrawnItemAccessible::parent() const {
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
}

QString CDrawnItemAccessible::text(QAccessible::Text kind) const {
    if (!isValid()) return {};
    switch (kind) {
    case QAccessible::Name: return m_view->Renderer()->ItemText(m_item);
    case QAccessible::Description: return CSensorWnd::DisplayText(m_view->Renderer()->ItemHint(m_item));
    default: return {};
    }
}

QRect CDrawnItemAccessible::rect() const {
    if (!isValid()) return {};
    const QRect box = m_view->ToViewport(m_view->Renderer()->ItemBox(m_item));
    return QRect(m_view->viewport()->mapToGlobal(box.topLeft()), box.size());
}

QAccessible::Role CDrawnItemAccessible::role() const {
    if (m_view && m_view->AccessibleRole() == QAccessible::Table) return QAccessible::Cell;
    return QAccessible::ListItem;
}

QAccessible::State CDrawnItemAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const QRect box = m_view->Renderer()->ItemBox(m_item);
    state.invisible = !box.intersects(m_view->VisibleContent());
    state.offscreen = state.invisible;
    state.selectable = true;
    state.selected = m_view->SelectedItem() == m_item;
    state.hotTracked = m_view->HoverItem() == m_item;
    return state;
}

void* CDrawnItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

bool CDrawnItemAccessible::Clickable() const {
    return isValid() && m_view->Renderer()->IsClickable(m_item);
}

QStringList CDrawnItemAccessible::actionNames() const {
    return Clickable() ? QStringList{pressAction()} : QStringList{};
}

void CDrawnItemAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && Clickable()) m_view->ClickItem(m_item);
}
