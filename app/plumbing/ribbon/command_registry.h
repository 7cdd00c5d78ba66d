// The program's commands, registered once by identifier.  The ribbon, menus
// and shortcuts are built from the registry's actions, so a command's caption,
// tooltip, icon and enabled state live in one place.
#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;

class CCommandRegistry : public QObject {
    Q_OBJECT
public:
    explicit CCommandRegistry(QObject* parent = nullptr);
    ~CCommandRegistry() override;

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

    // Enables or disables command `id` everywhere it is shown; unknown ids are ignored.
    void SetEnabled(int id, bool enabled);
    bool IsEnabled(int id) const;

    // Runs `handler` whenever command `id` is triggered (replacing an earlier
    // handler); an empty function removes it.  Unknown ids are ignored.
    void SetHandler(int id, std::function<void()> handler);

    // The id carried by `action` (its data), or -1 when it carries none.
    static int IdOf(const QAction* action);

Q_SIGNALS:
    // Emitted for every triggered command, after its handler ran.
    void CommandTriggered(int id);

private:
    void OnTriggered(int id);

    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QList<int> m_order;
};
