// The command bindings of the application object and the informational
// commands (about box, web pages).
#include <QApplication>
#include <QDesktopServices>
#include <QTimer>

#include "plumbing/ribbon/command_registry.h"
#include "plumbing/widgets/about_box.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "shell/patient_bar.h"
#include "views/command_ids.h"

namespace {
CMeridaneApp::UrlOpener& Opener() {
    static CMeridaneApp::UrlOpener opener;
    return opener;
}
}  // namespace

void CMeridaneApp::SetUrlOpener(UrlOpener opener) { Opener() = std::move(opener); }

void CMeridaneApp::OpenWebPage(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    if (Opener()) {
        Opener()(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

void CMeridaneApp::ShowAbout() {
    CAboutBox about(QStringLiteral(MERIDANE_VERSION), QUrl(QString::fromStdString(m_settings.HomePage())),
                    m_frame);
    about.exec();
}

void CMeridaneApp::BindCommands() {
    CCommandRegistry& c = *m_commands;
    c.SetHandler(ID_FILE_NEW, [this] { NewCase(); });
    c.SetHandler(ID_FILE_OPEN, [this] { ChooseAndOpenCase(); });
    c.SetHandler(ID_CASE_SAVE, [this] { SaveCase(); });
    c.SetHandler(ID_CASE_SAVE_AS, [this] { SaveCaseAs(); });
    // Close puts the case away (asking first when it was changed); a window
    // that carries Close out itself is asked before the application.
    c.SetHandler(ID_CASE_CLOSE, [this] { CloseCase(); });
    // Closing the frame asks about a modified case (its close guard); posted,
    // so that the menu that triggered it has closed.
    c.SetHandler(ID_APP_EXIT, [this] {
        QTimer::singleShot(0, m_frame, [this] {
            if (m_frame) m_frame->close();
        });
    });

    // The stored names of the items stay English whatever the language.
    c.SetHandler(ID_ADD_NEW_EPISODE, [this] { AddEpisode("New Episode"); });
    c.SetHandler(ID_ADD_NEW_EPISODE_CHECK, [this] { AddEpisode("Check Prescription"); });
    c.SetHandler(ID_ADD_NEW_EPISODE_NOTE, [this] { AddEpisode("Note"); });
    c.SetHandler(ID_ADD_NEW_EPISODE_PHONE, [this] { AddEpisode("Phone conversation"); });
    c.SetHandler(ID_ADD_NEW_PRESCRIPTION, [this] { AddPrescription(); });
    c.SetHandler(ID_ADD_NEW_ANALYSIS, [this] { AddAnalysis(); });
    c.SetHandler(ID_SHOW_HIDE_PATIENT_CASE, [this] { m_frame->PatientBar()->Toggle(); });

    c.SetHandler(ID_APP_ABOUT, [this] { ShowAbout(); });
    c.SetHandler(ID_ONLIDE_HOME, [this] { OpenWebPage(m_settings.HomePage()); });
    c.SetHandler(ID_ONLINE_PODCASTS, [this] { OpenWebPage(m_settings.Podcasts()); });
    c.SetHandler(ID_ONLINE_HELP_AND_TOTORIAL, [this] { OpenWebPage(m_settings.HelpCentre()); });

    // The views' own commands have no application handler: they are enabled
    // while the active window carries them out.  The repertory,
    // materia medica and search commands are bound by their windows
    // (RegisterDocumentTemplates).
}
