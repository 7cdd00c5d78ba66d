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
    if (CWindowHost* host = CWindowHost::Current()) host->Documents().CloseAll({kMateriaMedicaSlot});
}

}  // namespace

bool TakeMateriaMedicaPictures(const std::function<bool(const char* name)>& save) {
    const Guid demo = Id(kDemoBook);
    bool ok = true;
    if (CorvelaInstance().FindDataSource(&demo) != nullptr) {
        CMateriaMedicaPadView* view = Show(RemedyNumber("ars"), demo);
        ok = view != nullptr && save("materia_medica.png");
        if (ok) {
            view = Show(RemedyNumber("acon"), demo);
            CMateriaMedicaPanelView& panel = *view->Panel();
            panel.SearchText()->setText(QStringLiteral("fear ?worse ?night"));
            panel.SearchText()->setCursorPosition(0);
            panel.ScopeSelector()->setCurrentIndex(1);
            panel.StartSearch();
            ok = save("materia_medica_search.png");
        }
        CloseWindow();
    }
    const Guid boericke = Id(kBoericke);
    if (ok && CorvelaInstance().FindDataSource(&boericke) != nullptr) {
        ok = Show(RemedyNumber("acon"), boericke) != nullptr && save("materia_medica_boericke.png");
        CloseWindow();
    }
    return ok;
}

}  // namespace materia
