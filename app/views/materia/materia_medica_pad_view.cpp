#include "views/materia/materia_medica_pad_view.h"

#include <corvela.h>

#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/materia/materia_medica_autors.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_index_view.h"
#include "views/materia/materia_medica_panel_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/materia/shown_article.h"
#include "views/materia/user_mm_commands.h"
#include "views/window_texts.h"

namespace {

constexpr int kRemedyRole = Qt::UserRole + 1;
constexpr int kLeftWidth = 230;
constexpr int kIndexWidth = 360;

}  // namespace

CMateriaMedicaPadView::CMateriaMedicaPadView(CMateriaMedicaDoc& document, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_panel(new CMateriaMedicaPanelView(document, this)),
      m_autors(new CMateriaMedicaAutors(document)),
      m_contents(new QTreeWidget),
      m_article(new CMateriaMedicaView(document)),
      m_index(new CMateriaMedicaIndexView(document)) {
    setObjectName(QStringLiteral("MateriaMedicaPadView"));
    CTranslationFilter::ExcludeFromTranslation(m_contents);
    m_contents->setColumnCount(2);
    m_contents->setHeaderLabels({views::Localized("Index"), views::Localized("Remedy")});
    m_contents->setRootIsDecorated(false);
    m_contents->setUniformRowHeights(true);
    m_contents->setAllColumnsShowFocus(true);
    m_contents->header()->setStretchLastSection(true);
    m_contents->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

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
    body->setSizes({kLeftWidth, 600, kIndexWidth});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    layout->addWidget(body, 1);

    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item == nullptr) return;
        m_document.Navigate(item->data(0, kRemedyRole).toInt(), m_document.MateriaMedica());
        BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    connect(&m_document, &CDocument::Changed, this, [this] {
        RebuildContents();
        MarkContents();
    });
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_MATERIA_MEDICA) RebuildContents();
    });
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
    m_contents->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(remedies.size()));
    for (int remedy : remedies) {
        Remedy* shown = engine.GetRemedy(remedy);
        auto* item = new QTreeWidgetItem({plumbing::DecodeCodePage(shown->GetShortName()),
                                          plumbing::DecodeCodePage(shown->GetLongName())});
        item->setData(0, kRemedyRole, remedy);
        items.append(item);
    }
    m_contents->addTopLevelItems(items);
}

void CMateriaMedicaPadView::MarkContents() {
    for (int row = 0; row < m_contents->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_contents->topLevelItem(row);
        if (item->data(0, kRemedyRole).toInt() != m_document.Remedy()) continue;
        if (m_contents->currentItem() != item) m_contents->setCurrentItem(item);
        m_contents->scrollToItem(item);
        return;
    }
    m_contents->clearSelection();
}
