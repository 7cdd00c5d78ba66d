// CWindowHost: what the document windows (views/repertory, views/analysis,
// views/search, views/materia and the item editors) need from the program
// around them, without depending on it: the document manager with the nine
// template slots (views/document_slots.h), the command registry, the
// program's settings, the status bar and the dialog service.  The
// application object implements it and installs itself at start-up
// (SetCurrent); tests install a small host of their own.
//
// Each window folder has one registration function that the program calls
// once at start-up, in the order of the template slots:
//
//     void RegisterRepertoryWindow(CWindowHost& host);      // views/repertory
//     void RegisterAnalysisWindow(CWindowHost& host);       // views/analysis
//     void RegisterSearchWindow(CWindowHost& host);         // views/search
//     void RegisterMateriaMedicaWindow(CWindowHost& host);  // views/materia
//
// It adds the folder's document template(s) to Documents() and binds the
// application commands the folder carries out (their captions and icons are
// registered by the program with the ribbon).  The open case stays with
// CCaseHost (views/case_host.h).
//
// Everything runs on the user-interface thread.
#pragma once

class CCommandRegistry;
class CDialogService;
class CDocManager;
class CProgramSettings;
class QString;
class QWidget;

class CWindowHost {
public:
    // The document manager over the main frame's MDI area; its templates live
    // in the slots of views/document_slots.h.
    virtual CDocManager& Documents() = 0;

    // The program's commands; a folder binds its handlers here.
    virtual CCommandRegistry& Commands() = 0;

    // meridane.ini: the configured sources ("Sources") are read afresh at each
    // CProgramSettings::SourceId call, so edits take effect without a restart.
    virtual const CProgramSettings& Settings() const = 0;

    // Shows `text` in the main frame's status bar for a few seconds.
    virtual void ShowStatusMessage(const QString& text) = 0;

    // The modal file choosers and message boxes (CDialogService::Current()).
    virtual CDialogService& Dialogs() = 0;

    // The window dialogs and menus are parented to (the main frame); null
    // while there is none.
    virtual QWidget* MainWindow() = 0;

    // The installed host; null when none is installed.
    static CWindowHost* Current();
    // Installs `host` (null uninstalls); the host is borrowed and must
    // uninstall itself before it is destroyed.
    static void SetCurrent(CWindowHost* host);

protected:
    ~CWindowHost() = default;
};
