// CCommandTarget: a window that carries out commands of its own.  The view of
// an MDI child implements it (next to QWidget) for the commands it handles;
// while its frame is the active one, the command registry asks it first:
//
//   - a command the target Handles runs the target's Run and is enabled as
//     the target's IsEnabled says;
//   - any other command runs the application's handler, and is enabled when
//     the application has a handler for it and has not disabled it.
//
// A target that changed what IsEnabled answers calls CommandStatesChanged, so
// the buttons and menus follow at once.  A target that is destroyed while
// active leaves the registry by itself.
//
// Everything runs on the user-interface thread.
#pragma once

class CCommandRegistry;

class CCommandTarget {
public:
    // True when this window carries out command `id` itself.
    virtual bool Handles(int id) const = 0;
    // Carries out command `id` (only called for ids it Handles, while enabled).
    virtual void Run(int id) = 0;
    // Whether command `id` can run now; asked for ids it Handles.  True unless
    // overridden.
    virtual bool IsEnabled(int id) const;

    // The registry this target is active in; null while it is not active.
    CCommandRegistry* ActiveIn() const { return m_registry; }

protected:
    CCommandTarget();
    // Leaves the registry it is active in.
    virtual ~CCommandTarget();
    CCommandTarget(const CCommandTarget&) = delete;
    CCommandTarget& operator=(const CCommandTarget&) = delete;

    // Re-evaluates the enabled state of every command while this target is
    // active; does nothing otherwise.
    void CommandStatesChanged();

private:
    friend class CCommandRegistry;
    CCommandRegistry* m_registry = nullptr;
};
