// CCaseHost: how the item editors reach the application without depending on
// it.  The application object implements it and installs itself at start-up
// (SetCurrent); tests install a small fake of their own.
//
// Everything runs on the user-interface thread.
#pragma once

class CCase;

class CCaseHost {
public:
    virtual ~CCaseHost() = default;

    // The open patient case, owned by the host; null while no case is open.
    // The pointer stays valid until the case is replaced (New, Open), which
    // first closes every item window of the case.
    virtual CCase* CurrentCase() = 0;

    // True while the current case has changes that were not saved.
    virtual bool IsCaseModified() const = 0;

    // Sets the case's modified flag and broadcasts EV_CASE_MODIFIED; every
    // editing operation calls it after it changed the case.
    virtual void MarkCaseModified() = 0;

    // The installed host; null when none is installed.
    static CCaseHost* Current();
    // Installs `host` (null uninstalls); the host is borrowed and must
    // uninstall itself before it is destroyed.
    static void SetCurrent(CCaseHost* host);
};
