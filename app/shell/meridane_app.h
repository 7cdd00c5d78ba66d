// CMeridaneApp: the application object.  It owns the one open patient case
// with its modified flag and path, the command registry, the document
// templates (through the document manager of the main frame's MDI area) and
// the list of recent case files, and carries out the case's commands.  While
// it lives it is the case host (views/case_host.h) and the window host
// (views/window_host.h) of the document windows; each window folder of
// views/ registers its own template and binds its own commands.
//
// Everything runs on the user-interface thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "model/core/program_settings.h"
#include "shell/case_view.h"
#include "shell/main_frame.h"
#include "shell/recent_files.h"
#include "views/case_host.h"
#include "views/window_host.h"

class CCase;
class CCommandRegistry;
class CDialogService;
class CDocManager;
class CEventReceiver;
class COneItem;

class CMeridaneApp : public QObject, public CCaseHost, public CWindowHost {
    Q_OBJECT
public:
    // Opens a web page; the default is QDesktopServices::openUrl.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // Registers the commands and installs itself as the case host.  No case
    // is open and no window exists until CreateMainFrame and NewCase or
    // OpenCaseFile.
    explicit CMeridaneApp(CProgramSettings settings = CProgramSettings());
    ~CMeridaneApp() override;  // closes the main frame first

    // The application object; null while none exists.
    static CMeridaneApp* Instance();

    // Creates the main frame and the document manager over its MDI area,
    // installs itself as the window host, lets the window folders add the
    // nine templates in their order, binds the commands and routes them to
    // the active window.
    void CreateMainFrame();
    CMainFrame* MainFrame() const { return m_frame; }
    CRecentFiles& RecentFiles() { return m_recent; }

    // The window host.  Documents() needs the main frame.
    CDocManager& Documents() override { return *m_documents; }
    CCommandRegistry& Commands() override { return *m_commands; }
    const CProgramSettings& Settings() const override { return m_settings; }
    void ShowStatusMessage(const QString& text) override;
    CDialogService& Dialogs() override;
    QWidget* MainWindow() override { return m_frame; }

    // The case host.
    CCase* CurrentCase() override { return m_case.get(); }
    bool IsCaseModified() const override { return m_modified; }
    void MarkCaseModified() override;

    // The file the case was opened from or saved to; empty for a new case.
    const QString& CasePath() const { return m_casePath; }

    // New case.  When the case is modified, asks whether to save it first
    // (Cancel, or a save that does not happen, stops everything).  Closes
    // the case's item windows, replaces the case by an empty one.  False
    // when it stopped.
    bool NewCase();
    // Asks like NewCase, closes the case's windows and leaves no case open.
    bool CloseCase();
    // The open dialog, then OpenCaseFile.
    void ChooseAndOpenCase();
    // Opens the case file `path` (dialog, recent list, command line, drop).
    // A file that cannot be read or parsed keeps the current case and shows
    // why; a modified case is offered for saving first.  True when the case
    // was replaced; only then is the file added to the recent list.
    bool OpenCaseFile(const QString& path);
    // Save: to the case path, or as Save As when there is none or the file
    // is read-only.  Save As: to a path chosen in the save dialog.  A failed
    // write shows why and keeps the modified flag and the previous file.
    // True when the case was written.
    bool SaveCase();
    bool SaveCaseAs();
    // The name the save dialog proposes: the patient's name cut before the
    // first of "#%;/\", or the localised "untitled" when that is empty.
    QString DefaultFileName() const;

    // The item commands: append an item to the case, mark it modified and
    // repaint the case view.  Nothing while no case is open.
    void AddEpisode(const char* name);
    void AddPrescription();
    void AddAnalysis();

    // Opens, or brings forward, the window of a case view node: the patient
    // card (item null), an episode, a prescription or an analysis.
    void OpenCaseItem(CCaseView::TopicKind kind, COneItem* item);

    // Whether the main frame may close: asks to save a modified case first,
    // then asks every open document (CDocManager::CanCloseAll).
    bool ConfirmClose();

    void ShowAbout();
    void OpenWebPage(const std::string& address);
    static void SetUrlOpener(UrlOpener opener);

private:
    void BindCommands();
    // Asks "Attantion" when the case is modified: Yes saves (false when the
    // save does not happen), No goes on, Cancel stops (false).
    bool ConfirmDiscard();
    void CloseCaseDocuments();
    void ReplaceCase(std::unique_ptr<CCase> replacement, const QString& path);
    bool WriteCase(const QString& path);
    void RefreshCase();
    void UpdateCommandStates();

    CProgramSettings m_settings;
    std::unique_ptr<CCommandRegistry> m_commands;
    QPointer<CMainFrame> m_frame;
    CDocManager* m_documents = nullptr;  // owned by the frame
    std::unique_ptr<CCase> m_case;
    bool m_modified = false;
    QString m_casePath;
    CRecentFiles m_recent;
    std::unique_ptr<CEventReceiver> m_receiver;
};
