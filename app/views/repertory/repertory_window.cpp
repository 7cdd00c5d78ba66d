#include "views/repertory/repertory_window.h"

#include <corvela.h>

#include <QApplication>

#include "model/core/program_settings.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/text/code_page.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/placeholder_view.h"
#include "views/window_host.h"

namespace {

// The source's name when no source has the identifier.  The text keeps its
// historical spelling: stored titles and language files use it.
constexpr const char* kUnknownSource = "Unknown Autor";

// Restores the cursor however the opening ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void OpenConfigured(CWindowHost& host, const char* key) {
    OpenRepertoryDocument(host.Settings().SourceId(key), -1);
}

}  // namespace

void RegisterRepertoryWindow(CWindowHost& host) {
    host.Documents().AddTemplate(kRepertorySlot,
                                 views::MakePlaceholderTemplate("CRepertoryMultiDocTemplate"));
    CCommandRegistry& commands = host.Commands();
    commands.SetHandler(ID_OPEN_REPERTORY_ORRESTAD,
                        [&host] { OpenConfigured(host, CProgramSettings::kRepertoryOrre); });
    commands.SetHandler(ID_OPEN_REPERTORY_HALDEN,
                        [&host] { OpenConfigured(host, CProgramSettings::kRepertoryHalden); });
}

std::string GetSourceTitle(const Guid& source) {
    DataSource* found = CorvelaInstance().FindDataSource(&source);
    const char* name = found != nullptr ? found->GetName() : nullptr;
    return name != nullptr ? std::string(name) : std::string(kUnknownSource);
}

CDocument* OpenRepertoryDocument(const Guid& source, std::int32_t rubric) {
    CWindowHost* host = CWindowHost::Current();
    if (host == nullptr) return nullptr;
    WaitCursor wait;
    const QString title = plumbing::DecodeCodePage(GetSourceTitle(source));
    CDocManager& documents = host->Documents();
    CDocument* document = documents.FindByTitle(title, {kRepertorySlot});
    if (document != nullptr) {
        documents.Activate(document);
    } else {
        document = documents.OpenNew(kRepertorySlot, title);
    }
    // The browser's view selects `rubric` here once it exists.
    static_cast<void>(rubric);
    return document;
}
