// The program's commands, registered once by identifier.  The ribbon, menus
// and shortcuts are built from the registry's actions, so a command's caption,
// tooltip, icon and enabled state live in one place.
//
// Routing: a command runs the active window's handler first (the view of the
// active MDI child, when it is a CCommandTarget that Handles the id), else
// the application's handler (SetHandler).  Its enabled state follows the same
// order: the active target's IsEnabled for the ids it handles; for the others
// the application's state (SetEnabled, on by default) when the application
// has a handler, and off when nobody handles the command.
#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class CCommandTarget;
class QAction;

class CCommandRegistry : public QObject {
    Q_OBJECT
public:
    explicit CCommandRegistry(QObject* parent = nullptr);
    ~CCommandRegistry() override;  // the active target, if any, leaves first

    // Registers command `id` and returns its action, owned by the registry and
    // valid as long as the registry.  The action's data is `id` (an int).
    // Registering an id again updates caption, tooltip and icon of the same
    // action.  An empty tooltip shows the caption.
    QAction* Register(int id, const QString& caption, const QString& toolTip = {},
                      const QIcon& icon = {});

    // The action of `id`; null when `id` was never registered.
    QAction* Action(int id) const;
    bool Contains(int id) const { return m_actions.contains(id); }

    // Every registered id, in registration order.
    const QList<int>& Ids() const { return m_order; }

    // The application's enabled state of command `id` (on until set); the
    // shown state also depends on the active target (above).  Unknown ids are
    // ignored.
    void SetEnabled(int id, bool enabled);
    // The state shown: whether command `id` can run now.
    bool IsEnabled(int id) const;

    // Runs `handler` whenever command `id` is triggered and no active target
    // handles it (replacing an earlier handler); an empty function removes
    // it.  Unknown ids are ignored.
    void SetHandler(int id, std::function<void()> handler);
    bool HasHandler(int id) const { return m_handlers.contains(id); }

    // Makes `target` the active window's target (null: none) and re-evaluates
    // every command's state.  The target leaves by itself when destroyed.
    void SetActiveTarget(CCommandTarget* target);
    CCommandTarget* ActiveTarget() const { return m_target; }

    // Re-evaluates every command's enabled state.
    void RefreshStates();

    // Runs command `id` as a click on it would, when it is enabled.  True
    // when it ran.
    bool Run(int id);

    // The id carried by `action` (its data), or -1 when it carries none.
    static int IdOf(const QAction* action);

Q_SIGNALS:
    // Emitted for every command that ran, after its handler ran.
    void CommandTriggered(int id);

private:
    void OnTriggered(int id);
    void UpdateState(int id);
    bool TargetHandles(int id) const;

    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QHash<int, bool> m_appEnabled;  // ids the application disabled map to false
    QList<int> m_order;
    CCommandTarget* m_target = nullptr;
};
