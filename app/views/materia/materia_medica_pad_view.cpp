#include "views/materia/materia_medica_pad_view.h"

#include <corvela.h>

#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/materia/contents_model.h"
#include "views/materia/materia_medica_autors.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_index_view.h"
#include "views/materia/materia_medica_panel_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/materia/shown_article.h"
#include "views/materia/user_mm_commands.h"
#include "views/window_texts.h"

namespace {

constexpr int kLeftWidth = 200;
constexpr int kIndexWidth = 250;

}  // namespace

CMateriaMedicaPadView::CMateriaMedicaPadView(CMateriaMedicaDoc& document, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_panel(new CMateriaMedicaPanelView(document, this)),
      m_autors(new CMateriaMedicaAutors(document)),
      m_contentsModel(new CContentsModel(this)),
      m_contents(new QTreeView),
      m_article(new CMateriaMedicaView(document)),
      m_index(new CMateriaMedicaIndexView(document)) {
    setObjectName(QStringLiteral("MateriaMedicaPadView"));
    CTranslationFilter::ExcludeFromTranslation(m_contents);
    m_contents->setModel(m_contentsModel);
    m_contents->setRootIsDecorated(false);
    m_contents->setUniformRowHeights(true);
    m_contents->setAllColumnsShowFocus(true);
    m_contents->header()->setStretchLastSection(true);
    // The short names are short: a fixed first column, so a long book needs
    // no measuring of every row.
    m_contents->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_contents->header()->resizeSection(
        0, m_contents->fontMetrics().horizontalAdvance(QStringLiteral("kali-bi-m")) + 12);

    auto* left = new QSplitter(Qt::Vertical);
    left->addWidget(m_autors);
    left->addWidget(m_contents);
    left->setStretchFactor(0, 1);
    left->setStretchFactor(1, 3);
    left->setChildrenCollapsible(false);

    auto* body = new QSplitter(Qt::Horizontal);
    body->addWidget(left);
    body->addWidget(m_article);
    body->addWidget(m_index);
    body->setStretchFactor(0, 0);
    body->setStretchFactor(1, 1);
    body->setStretchFactor(2, 0);
    body->setChildrenCollapsible(false);
    body->setSizes({kLeftWidth, 700, kIndexWidth});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    layout->addWidget(body, 1);

    auto show = [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        m_document.Navigate(index.data(CContentsModel::kRemedyRole).toInt(),
                            m_document.MateriaMedica());
        BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    };
    connect(m_contents, &QTreeView::activated, this, show);
    connect(m_contents, &QTreeView::clicked, this, show);
    connect(&m_document, &CDocument::Changed, this, [this] {
        RebuildContents();
        MarkContents();
    });
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_MATERIA_MEDICA) RebuildContents();
    });
    setFocusProxy(m_article);
    auto* save = new QShortcut(QKeySequence::Save, this);
    save->setContext(Qt::WidgetWithChildrenShortcut);
    connect(save, &QShortcut::activated, this, &CMateriaMedicaPadView::SaveCurrent);
    RebuildContents();
    MarkContents();
}

CMateriaMedicaPadView::~CMateriaMedicaPadView() = default;

void CMateriaMedicaPadView::SaveCurrent() {
    const Guid id = m_document.MateriaMedica();
    DataSource* source = CorvelaInstance().FindDataSource(&id);
    if (materia::IsUserSource(source)) materia::SaveMateriaMedica(this, *source);
}

void CMateriaMedicaPadView::RebuildContents() {
    Corvela& engine = CorvelaInstance();
    const Guid id = m_document.MateriaMedica();
    DataSource* source = engine.FindDataSource(&id);
    auto* book = source != nullptr && source->GetType() == kSourceMateriaMedica
                     ? static_cast<MateriaMedica*>(source)
                     : nullptr;
    // The list is made again when the book or its articles changed.
    char idText[kGuidTextLength + 1];
    FormatGuid(id, idText);
    std::vector<int> remedies;
    if (book != nullptr) {
        for (int i = 0; i < book->GetArticleCount(); ++i) {
            const int remedy = book->GetArticle(i)->GetRemedy();
            if (remedy >= 0 && remedy < engine.GetRemedyCount()) remedies.push_back(remedy);
        }
    }
    std::sort(remedies.begin(), remedies.end(), [&engine](int a, int b) {
        return std::string_view(engine.GetRemedy(a)->GetShortName()) <
               std::string_view(engine.GetRemedy(b)->GetShortName());
    });
    remedies.erase(std::unique(remedies.begin(), remedies.end()), remedies.end());
    QByteArray key(idText);
    for (int remedy : remedies) key += ',' + QByteArray::number(remedy);
    if (key == m_contentsOf) return;
    m_contentsOf = key;
    m_contentsModel->SetRemedies(std::move(remedies));
}

void CMateriaMedicaPadView::MarkContents() {
    const int row = m_contentsModel->RowOf(m_document.Remedy());
    if (row < 0) {
        m_contents->clearSelection();
        return;
    }
    const QModelIndex index = m_contentsModel->index(row, 0);
    if (m_contents->currentIndex() != index) m_contents->setCurrentIndex(index);
    m_contents->scrollTo(index);
}
