#include "plumbing/ribbon/command_registry.h"

#include <QAction>

#include "plumbing/ribbon/command_target.h"

CCommandRegistry::CCommandRegistry(QObject* parent) : QObject(parent) {}

CCommandRegistry::~CCommandRegistry() {
    if (m_target != nullptr) m_target->m_registry = nullptr;
}

QAction* CCommandRegistry::Register(int id, const QString& caption, const QString& toolTip,
                                    const QIcon& icon) {
    QAction* action = m_actions.value(id);
    if (!action) {
        action = new QAction(this);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { OnTriggered(id); });
        m_actions.insert(id, action);
        m_order.append(id);
    }
    action->setText(caption);
    action->setIconText(caption);
    action->setToolTip(toolTip.isEmpty() ? caption.trimmed() : toolTip);
    action->setIcon(icon);
    UpdateState(id);
    return action;
}

QAction* CCommandRegistry::Action(int id) const {
    return m_actions.value(id);
}

void CCommandRegistry::SetEnabled(int id, bool enabled) {
    if (!m_actions.contains(id)) return;
    m_appEnabled.insert(id, enabled);
    UpdateState(id);
}

bool CCommandRegistry::IsEnabled(int id) const {
    const QAction* action = m_actions.value(id);
    return action && action->isEnabled();
}

void CCommandRegistry::SetHandler(int id, std::function<void()> handler) {
    if (!m_actions.contains(id)) return;
    if (handler) {
        m_handlers.insert(id, std::move(handler));
    } else {
        m_handlers.remove(id);
    }
    UpdateState(id);
}

void CCommandRegistry::SetActiveTarget(CCommandTarget* target) {
    if (target != m_target) {
        if (m_target != nullptr) m_target->m_registry = nullptr;
        // A target is active in one registry at a time.
        if (target != nullptr && target->m_registry != nullptr)
            target->m_registry->SetActiveTarget(nullptr);
        m_target = target;
        if (m_target != nullptr) m_target->m_registry = this;
    }
    RefreshStates();
}

void CCommandRegistry::RefreshStates() {
    for (int id : m_order) UpdateState(id);
}

bool CCommandRegistry::TargetHandles(int id) const {
    return m_target != nullptr && m_target->Handles(id);
}

void CCommandRegistry::UpdateState(int id) {
    QAction* action = m_actions.value(id);
    if (!action) return;
    const bool enabled = TargetHandles(id)
                             ? m_target->IsEnabled(id)
                             : m_handlers.contains(id) && m_appEnabled.value(id, true);
    action->setEnabled(enabled);
}

bool CCommandRegistry::Run(int id) {
    if (!IsEnabled(id)) return false;
    OnTriggered(id);
    return true;
}

int CCommandRegistry::IdOf(const QAction* action) {
    if (!action) return -1;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : -1;
}

void CCommandRegistry::OnTriggered(int id) {
    // The state may have changed since the button was drawn.
    if (!IsEnabled(id)) return;
    if (TargetHandles(id)) {
        m_target->Run(id);
    } else {
        // A copy: the handler may replace itself.
        const std::function<void()> handler = m_handlers.value(id);
        if (handler) handler();
    }
    Q_EMIT CommandTriggered(id);
}
