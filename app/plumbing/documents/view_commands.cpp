#include "plumbing/documents/view_commands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/command_target.h"

CCommandTarget* CommandTargetOf(const QMdiSubWindow* window) {
    return window != nullptr ? dynamic_cast<CCommandTarget*>(window->widget()) : nullptr;
}

void RouteCommandsToActiveView(QMdiArea& area, CCommandRegistry& commands) {
    QPointer<QMdiArea> watched(&area);
    auto follow = [watched, &commands](QMdiSubWindow* activated) {
        // The area reports null when its windows lose the activation to
        // another application; the current child still names the window the
        // commands are for.
        QMdiSubWindow* current = activated;
        if (current == nullptr && watched) current = watched->currentSubWindow();
        commands.SetActiveTarget(CommandTargetOf(current));
    };
    QObject::connect(&area, &QMdiArea::subWindowActivated, &commands, follow);
    follow(area.activeSubWindow());
}
