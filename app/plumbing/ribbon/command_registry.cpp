#include "plumbing/ribbon/command_registry.h"

#include <QAction>

CCommandRegistry::CCommandRegistry(QObject* parent) : QObject(parent) {}

CCommandRegistry::~CCommandRegistry() = default;

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
    return action;
}

QAction* CCommandRegistry::Action(int id) const {
    return m_actions.value(id);
}

void CCommandRegistry::SetEnabled(int id, bool enabled) {
    if (QAction* action = m_actions.value(id)) action->setEnabled(enabled);
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
}

int CCommandRegistry::IdOf(const QAction* action) {
    if (!action) return -1;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : -1;
}

void CCommandRegistry::OnTriggered(int id) {
    // A copy: the handler may replace itself.
    const std::function<void()> handler = m_handlers.value(id);
    if (handler) handler();
    Q_EMIT CommandTriggered(id);
}
