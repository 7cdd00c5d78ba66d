#include "views/materia/materia_medica_index_view.h"

#include <corvela.h>

#include <QMenu>
#include <QVBoxLayout>

#include "model/core/program_settings.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/lang/localize.h"
#include "plumbing/drawn/drawn_view.h"
#include "plumbing/translation/translation_filter.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/remedy_index_renderer.h"
#include "views/repertory/repertory_window.h"
#include "views/window_host.h"
#include "views/window_texts.h"

CMateriaMedicaIndexView::CMateriaMedicaIndexView(CMateriaMedicaDoc& document, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_renderer(std::make_unique<CRemedyIndexRenderer>()),
      m_view(new CDrawnView(this)) {
    setObjectName(QStringLiteral("MateriaMedicaIndex"));
    m_view->setObjectName(QStringLiteral("MateriaMedicaIndexView"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->SetRenderer(m_renderer.get());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    connect(m_view, &CDrawnView::ItemClicked, this,
            [this](DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (button == Qt::LeftButton) Click(item);
            });
    connect(m_view, &CDrawnView::ContextMenuRequested, this, &CMateriaMedicaIndexView::ShowMenu);
    connect(&m_document, &CDocument::Changed, this, &CMateriaMedicaIndexView::Follow);
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code != EV_UPDATE_MATERIA_MEDICA) return;
        m_marked = false;  // articles may have come or gone
        Follow();
    });
    Follow();
}

CMateriaMedicaIndexView::~CMateriaMedicaIndexView() {
    m_view->SetRenderer(nullptr);
}

void CMateriaMedicaIndexView::Follow() {
    if (!m_marked || !(m_markedFor == m_document.MateriaMedica())) {
        m_markedFor = m_document.MateriaMedica();
        m_marked = true;
        if (m_renderer->MarkSource(m_markedFor)) m_view->InvalidateCache();
    }
    m_view->EnsureLayout();
    const DrawnItemId item = m_renderer->ItemOfRemedy(m_document.Remedy());
    if (item != m_view->SelectedItem()) {
        m_view->SetSelectedItem(item);
        if (item != kNoDrawnItem) m_view->ScrollItemIntoView(item);
    }
}

void CMateriaMedicaIndexView::ToggleSection(int section) {
    if (section < 0) return;
    m_renderer->SetCollapsed(section, !m_renderer->IsCollapsed(section));
    m_view->Invalidate();
    m_view->EnsureLayout();
    m_view->SetSelectedItem(m_renderer->ItemOfRemedy(m_document.Remedy()));
}

void CMateriaMedicaIndexView::Click(DrawnItemId item) {
    if (item == kNoDrawnItem) return;
    if (m_renderer->IsHeading(item)) {
        ToggleSection(m_renderer->SectionOfItem(item));
        return;
    }
    const int remedy = m_renderer->RemedyOf(item);
    if (remedy < 0) return;
    m_document.Navigate(remedy, m_document.MateriaMedica());
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
}

void CMateriaMedicaIndexView::OpenRepertoryList(const char* settingsKey, int remedy) {
    CWindowHost* host = CWindowHost::Current();
    Remedy* shown = remedy >= 0 && remedy < CorvelaInstance().GetRemedyCount()
                        ? CorvelaInstance().GetRemedy(remedy)
                        : nullptr;
    if (host == nullptr || shown == nullptr) return;
    OpenRepertorySearch(host->Settings().SourceId(settingsKey),
                        std::string("@") + shown->GetShortName());
}

void CMateriaMedicaIndexView::FillContextMenu(QMenu& menu, DrawnItemId item) {
    CTranslationFilter::ExcludeFromTranslation(&menu);
    const int section = m_renderer->SectionOfItem(item);
    const int remedy = item == kNoDrawnItem ? m_document.Remedy() : m_renderer->RemedyOf(item);
    QAction* toggle = menu.addAction(views::Localized("Expand/Collapse section"));
    toggle->setEnabled(section >= 0);
    connect(toggle, &QAction::triggered, this, [this, section] { ToggleSection(section); });
    QAction* article = menu.addAction(views::Localized("Open article in MateriaMedica"));
    article->setEnabled(remedy >= 0);
    connect(article, &QAction::triggered, this, [this, remedy] {
        m_document.Navigate(remedy, m_document.MateriaMedica());
        BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    });
    QAction* halden = menu.addAction(views::Localized("Open list of symptoms by repertory of Halden"));
    halden->setEnabled(remedy >= 0);
    connect(halden, &QAction::triggered, this, [this, remedy] {
        OpenRepertoryList(CProgramSettings::kRepertoryHalden, remedy);
    });
    QAction* vantier =
        menu.addAction(views::Localized("Open list of symptoms by repertory of Vantier"));
    vantier->setEnabled(remedy >= 0);
    connect(vantier, &QAction::triggered, this, [this, remedy] {
        OpenRepertoryList(CProgramSettings::kRepertoryOrre, remedy);
    });
}

void CMateriaMedicaIndexView::ShowMenu(DrawnItemId item, const QPoint& globalPosition) {
    QMenu menu(this);
    FillContextMenu(menu, item);
    menu.exec(globalPosition);
}
