// CMeridaneApp: the application object.  It owns the one open patient case
// with its modified flag and path, the command registry, the document
// templates (through the document manager of the main frame's MDI area) and
// the list of recent case files, and carries out the application's commands.
// It is the case host of the item editors (views/case_host.h) while it lives.
//
// Everything runs on the user-interface thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "shell/case_view.h"
#include "shell/main_frame.h"
#include "shell/program_settings.h"
#include "shell/recent_files.h"
#include "views/case_host.h"

class CCase;
class CCommandRegistry;
class CDocManager;
class CEventReceiver;
class COneItem;

class CMeridaneApp : public QObject, public CCaseHost {
    Q_OBJECT
public:
    // The slots of the nine document templates.
    enum TemplateSlot {
        kAnalysisSlot = 0,
        kCaseSlot = 1,
        kRepertorySlot = 2,
        kEpisodeSlot = 3,
        kPrescriptionSlot = 4,
        kSearchSlot = 5,
        kMateriaMedicaSlot = 6,
        kPatientInfoSlot = 7,
        kPractitionerSlot = 8,
    };

    // Opens a web page; the default is QDesktopServices::openUrl.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // Registers the commands and installs itself as the case host.  No case
    // is open and no window exists until CreateMainFrame and NewCase or
    // OpenCaseFile.
    explicit CMeridaneApp(CProgramSettings settings = CProgramSettings());
    ~CMeridaneApp() override;  // closes the main frame first

    // The application object; null while none exists.
    static CMeridaneApp* Instance();

    // Creates the main frame, the document manager over its MDI area and
    // the nine templates in their order; binds the commands.
    void CreateMainFrame();
    CMainFrame* MainFrame() const { return m_frame; }
    CDocManager* Documents() const { return m_documents; }
    CCommandRegistry& Commands() const { return *m_commands; }
    const CProgramSettings& Settings() const { return m_settings; }
    CRecentFiles& RecentFiles() { return m_recent; }

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
    // card (item null), an episode or a prescription.  An analysis opens
    // nothing until the program has an analysis window.
    void OpenCaseItem(CCaseView::TopicKind kind, COneItem* item);

    // Whether the main frame may close: asks to save a modified case first.
    bool ConfirmClose();

    void ShowAbout();
    void OpenWebPage(const std::string& address);
    static void SetUrlOpener(UrlOpener opener);

private:
    void RegisterTemplates();
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
