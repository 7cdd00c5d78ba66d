// Commands for the active window: the command registry asks the view of the
// active MDI child first (when that view is a CCommandTarget, see
// plumbing/ribbon/command_target.h).  This follows the active child of an MDI
// area and keeps the registry's active target and enabled states in step.
#pragma once

class CCommandRegistry;
class CCommandTarget;
class QMdiArea;
class QMdiSubWindow;

// The command target of `window`: its widget (the view) when that is a
// CCommandTarget; null otherwise or for a null window.
CCommandTarget* CommandTargetOf(const QMdiSubWindow* window);

// From now on, whenever the active child of `area` changes (a window is
// activated, the last one closes), makes its view the active target of
// `commands` and re-evaluates the enabled states; does so once now.  The link
// ends when either object is destroyed.
void RouteCommandsToActiveView(QMdiArea& area, CCommandRegistry& commands);
