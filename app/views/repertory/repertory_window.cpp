#include "views/repertory/repertory_window.h"

#include <corvela.h>

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <map>

#include "model/core/program_settings.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/repertory/repertory_doc.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_view.h"
#include "views/window_host.h"
#include "views/window_texts.h"

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

QWidget* MakePadView(CDocument& document, CChildFrame& frame) {
    auto* pad = new CRepertoryPadView(&frame);
    if (auto* repertory = dynamic_cast<CRepertoryDoc*>(&document)) {
        repertory->TakeNameFromTitle();
        pad->Bind(repertory->Name());
    }
    return pad;
}

CRepertoryDoc* FindByName(CDocManager& documents, const std::string& name) {
    for (CDocument* document : documents.Documents(kRepertorySlot)) {
        auto* repertory = dynamic_cast<CRepertoryDoc*>(document);
        if (repertory != nullptr && repertory->Name() == name) return repertory;
    }
    return nullptr;
}

void ShowRepertoriesMenu() {
    QMenu menu;
    FillRepertoriesMenu(menu);
    menu.exec(QCursor::pos());
}

}  // namespace

std::unique_ptr<CDocTemplate> MakeRepertoryTemplate() {
    return std::make_unique<CDocTemplate>(
        QStringLiteral("CRepertoryMultiDocTemplate"), [] { return new CRepertoryDoc; },
        MakePadView);
}

void RegisterRepertoryWindow(CWindowHost& host) {
    host.Documents().AddTemplate(kRepertorySlot, MakeRepertoryTemplate());
    CCommandRegistry& commands = host.Commands();
    commands.SetHandler(ID_OPEN_REPERTORY_ORRESTAD,
                        [&host] { OpenConfigured(host, CProgramSettings::kRepertoryOrre); });
    commands.SetHandler(ID_OPEN_REPERTORY_HALDEN,
                        [&host] { OpenConfigured(host, CProgramSettings::kRepertoryHalden); });
    commands.SetHandler(ID_OPEN_REPERTORY_LIST, [] { ShowRepertoriesMenu(); });
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
    const std::string name = GetSourceTitle(source);
    CDocManager& documents = host->Documents();
    CDocument* document = FindByName(documents, name);
    if (document != nullptr) {
        documents.Activate(document);
    } else {
        document = documents.OpenNew(kRepertorySlot, plumbing::DecodeCodePage(name));
    }
    if (document == nullptr || rubric < 0) return document;
    for (CChildFrame* frame : document->Frames()) {
        if (auto* pad = dynamic_cast<CRepertoryPadView*>(frame->widget()))
            pad->RubricView().SelectRubric(static_cast<std::uint32_t>(rubric));
    }
    return document;
}

void FillRepertoriesMenu(QMenu& menu) {
    Corvela& engine = CorvelaInstance();
    std::vector<DataSource*> repertories;
    std::map<std::string, int> uses;
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source == nullptr || source->GetType() != kSourceRepertory) continue;
        repertories.push_back(source);
        const char* text3 = source->GetText3();
        ++uses[text3 != nullptr ? text3 : ""];
    }
    if (repertories.empty()) {
        QAction* none = menu.addAction(views::Localized("No repertories are loaded"));
        none->setEnabled(false);
        CTranslationFilter::ExcludeFromTranslation(none);
        return;
    }
    for (DataSource* source : repertories) {
        const char* text3 = source->GetText3();
        const char* name = source->GetName();
        const std::string author = text3 != nullptr ? text3 : "";
        const std::string label =
            author.empty() || uses[author] > 1
                ? (author.empty() ? std::string() : author + " - ") + (name != nullptr ? name : "")
                : author;
        QAction* entry = menu.addAction(views::MenuLabel(label));
        CTranslationFilter::ExcludeFromTranslation(entry);
        const char* text2 = source->GetText2();
        entry->setToolTip(plumbing::DecodeCodePage(text2 != nullptr ? text2 : ""));
        const Guid id = *source->GetGuid();
        QObject::connect(entry, &QAction::triggered, entry,
                         [id] { OpenRepertoryDocument(id, -1); });
    }
}
