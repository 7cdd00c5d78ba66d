#include "shell/meridane_app.h"

#include <QApplication>
#include <QStatusBar>

#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/records/case.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/view_commands.h"
#include "plumbing/ribbon/application_menu.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/widgets/dialog_service.h"
#include "shell/document_templates.h"
#include "shell/main_frame.h"
#include "shell/patient_bar.h"
#include "shell/ribbon_layout.h"
#include "views/command_ids.h"

namespace {
CMeridaneApp* g_app = nullptr;
// How long a status message stays.
constexpr int kStatusMilliseconds = 5000;
}  // namespace

CMeridaneApp::CMeridaneApp(CProgramSettings settings)
    : m_settings(std::move(settings)), m_commands(std::make_unique<CCommandRegistry>()) {
    RegisterCommands(*m_commands);
    g_app = this;
    CCaseHost::SetCurrent(this);
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_CASE_MODIFIED) UpdateCommandStates();
    });
    UpdateCommandStates();
}

CMeridaneApp::~CMeridaneApp() {
    // The item windows go first, while the case whose records they show and
    // the windows around them still exist (editors write back as they close).
    if (m_frame && m_documents != nullptr) {
        for (CDocument* document : m_documents->AllDocuments()) m_documents->Close(document);
    }
    delete m_frame.data();
    m_receiver.reset();
    m_case.reset();
    if (CCaseHost::Current() == this) CCaseHost::SetCurrent(nullptr);
    if (CWindowHost::Current() == this) CWindowHost::SetCurrent(nullptr);
    if (g_app == this) g_app = nullptr;
}

CMeridaneApp* CMeridaneApp::Instance() { return g_app; }

void CMeridaneApp::CreateMainFrame() {
    m_frame = new CMainFrame(*m_commands, QString::fromStdString(m_settings.StatusText()),
                             QString::fromStdString(m_settings.HomePage()));
    m_documents = new CDocManager(m_frame->MdiArea(), m_frame);
    CWindowHost::SetCurrent(this);
    RegisterDocumentTemplates(*this);
    BindCommands();
    RouteCommandsToActiveView(*m_frame->MdiArea(), *m_commands);

    CApplicationMenu* menu = m_frame->Ribbon()->ApplicationMenu();
    menu->SetRecentDocuments(m_recent.Paths());
    connect(menu, &CApplicationMenu::RecentDocumentChosen, this,
            [this](const QString& path) { OpenCaseFile(path); });
    connect(m_frame, &CMainFrame::FileDropped, this,
            [this](const QString& path) { OpenCaseFile(path); });
    connect(m_frame->CaseView(), &CCaseView::TopicChosen, this, &CMeridaneApp::OpenCaseItem);
    m_frame->SetCloseGuard([this] { return ConfirmClose(); });
    RefreshCase();
}

void CMeridaneApp::ShowStatusMessage(const QString& text) {
    if (m_frame) m_frame->statusBar()->showMessage(text, kStatusMilliseconds);
}

CDialogService& CMeridaneApp::Dialogs() { return CDialogService::Current(); }

void CMeridaneApp::MarkCaseModified() {
    m_modified = true;
    BroadcastEvent(EV_CASE_MODIFIED);
}

void CMeridaneApp::RefreshCase() {
    UpdateCommandStates();
    if (m_frame) {
        m_frame->RefreshCase();
        m_frame->Ribbon()->ApplicationMenu()->SetRecentDocuments(m_recent.Paths());
    }
}

void CMeridaneApp::UpdateCommandStates() {
    const bool open = m_case != nullptr;
    m_commands->SetEnabled(ID_CASE_SAVE, open && m_modified);
    m_commands->SetEnabled(ID_CASE_SAVE_AS, open);
    m_commands->SetEnabled(ID_CASE_CLOSE, open);
    for (int id : {ID_ADD_NEW_EPISODE, ID_ADD_NEW_EPISODE_CHECK, ID_ADD_NEW_EPISODE_NOTE,
                   ID_ADD_NEW_EPISODE_PHONE, ID_ADD_NEW_ANALYSIS, ID_ADD_NEW_PRESCRIPTION}) {
        m_commands->SetEnabled(id, open);
    }
}
