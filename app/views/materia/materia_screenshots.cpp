#include "views/materia/materia_screenshots.h"

#include <corvela.h>

#include <QComboBox>
#include <QLineEdit>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "views/document_slots.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_medica_panel_view.h"
#include "views/materia/materia_window.h"
#include "views/screenshot_session.h"
#include "views/window_host.h"

namespace materia {
namespace {

constexpr const char* kDemoBook = "4D8EA1C0-5A22-4514-9C79-03EEA3438E66";
constexpr const char* kBoericke = "B73C7BEC-DFF1-44F4-B7AC-5C784D4D8AAB";

Guid Id(const char* text) {
    Guid id;
    ParseGuid(text, &id);
    return id;
}

int RemedyNumber(const char* name) {
    Remedy* remedy = CorvelaInstance().FindRemedy(name);
    return remedy != nullptr ? static_cast<int>(remedy->GetId()) : -1;
}

// The window on `remedy` in `book`, maximised; null when it cannot open.
CMateriaMedicaPadView* Show(int remedy, const Guid& book) {
    auto* document = qobject_cast<CMateriaMedicaDoc*>(OpenRemedy(remedy, book));
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    document->Frames().front()->showMaximized();
    return qobject_cast<CMateriaMedicaPadView*>(document->Frames().front()->widget());
}

void CloseWindow() {
    if (CWindowHost* host = CWindowHost::Current())
        host->Documents().CloseAll({kMateriaMedicaSlot});
}

}  // namespace

}  // namespace materia

bool TakeMateriaMedicaScreenshots(CScreenshotSession& session) {
    using namespace materia;
    const Guid demo = Id(kDemoBook);
    QWidget* window = CScreenshotSession::MainWindow();
    if (window == nullptr || CorvelaInstance().FindDataSource(&demo) == nullptr) return true;
    CMateriaMedicaPadView* view = Show(RemedyNumber("ars"), demo);
    bool ok = view != nullptr && session.Save(*window, "materia_medica");
    if (ok) {
        view = Show(RemedyNumber("acon"), demo);
        ok = view != nullptr;
    }
    if (ok) {
        CMateriaMedicaPanelView& panel = *view->Panel();
        panel.SearchText()->setText(QStringLiteral("fear ?worse ?night"));
        panel.SearchText()->setCursorPosition(0);
        panel.ScopeSelector()->setCurrentIndex(1);
        panel.StartSearch();
        ok = session.Save(*window, "materia_medica_search");
    }
    CloseWindow();
    return ok;
}

bool TakeMateriaMedicaBoerickeScreenshots(CScreenshotSession& session) {
    using namespace materia;
    const Guid boericke = Id(kBoericke);
    QWidget* window = CScreenshotSession::MainWindow();
    if (window == nullptr || CorvelaInstance().FindDataSource(&boericke) == nullptr) return true;
    const bool ok = Show(RemedyNumber("acon"), boericke) != nullptr &&
                    session.Save(*window, "materia_medica_boericke");
    CloseWindow();
    return ok;
}
