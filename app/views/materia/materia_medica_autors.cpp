#include "views/materia/materia_medica_autors.h"

#include <corvela.h>

#include <QContextMenuEvent>
#include <QMenu>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/shown_article.h"
#include "views/materia/user_materia_medicas.h"
#include "views/materia/user_mm_commands.h"
#include "views/window_texts.h"

namespace {

constexpr int kIdRole = Qt::UserRole + 1;
constexpr const char* kUserArticleEntry = TextKey("User's article for selected remedy");
constexpr const char* kUserArticleHint = TextKey(
    "User's article for selected remedy\nThis article can be created by user.\nYou can make "
    "your oun Materiamedica and you can share(distribute) it as a regular file.");

std::string Text(const char* value) { return value != nullptr ? value : ""; }

QByteArray IdBytes(const Guid& id) {
    char text[kGuidTextLength + 1];
    FormatGuid(id, text);
    return QByteArray(text);
}

}  // namespace

CMateriaMedicaAutors::CMateriaMedicaAutors(CMateriaMedicaDoc& document, QWidget* parent)
    : QListWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("MateriaMedicaAutors"));
    // The entries are the sources' own texts.
    CTranslationFilter::ExcludeFromTranslation(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, &CMateriaMedicaAutors::Select);
    connect(this, &QListWidget::itemActivated, this, &CMateriaMedicaAutors::Select);
    connect(&m_document, &CDocument::Changed, this, &CMateriaMedicaAutors::MarkCurrent);
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_MATERIA_MEDICA) Rebuild();
    });
    Rebuild();
}

CMateriaMedicaAutors::~CMateriaMedicaAutors() = default;

Guid CMateriaMedicaAutors::EntryId(const QListWidgetItem* item) {
    Guid id;
    if (item != nullptr) ParseGuid(item->data(kIdRole).toByteArray().constData(), &id);
    return id;
}

QListWidgetItem* CMateriaMedicaAutors::EntryOf(const Guid& id) const {
    for (int row = 0; row < count(); ++row)
        if (EntryId(item(row)) == id) return item(row);
    return nullptr;
}

void CMateriaMedicaAutors::Rebuild() {
    Corvela& engine = CorvelaInstance();
    materia::CUserMateriaMedicas& users = materia::CUserMateriaMedicas::Get();
    const std::string hintFormat = Localize("{Autor: }%s\n{Name: }%s\n{Description: }%s", 0);
    struct Entry {
        QString text, hint;
        QByteArray id;
        bool user;
    };
    QList<Entry> entries;
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source->GetType() != kSourceMateriaMedica || users.IsHidden(source)) continue;
        const std::string author = Text(source->GetText3());
        std::string shown = author.empty() ? Text(source->GetName()) : author;
        if (users.IsModified(source)) shown += '*';
        entries.append({plumbing::DecodeCodePage(shown),
                        plumbing::DecodeCodePage(views::FormatTexts(
                            hintFormat, {author, Text(source->GetName()), Text(source->GetText5())})),
                        IdBytes(*source->GetGuid()), materia::IsUserSource(source)});
    }
    QString userEntry = views::Localized(kUserArticleEntry);
    if (users.IsModified(users.UserArticleCollection(false))) userEntry += QLatin1Char('*');
    // Most broadcasts only move the window: the entries stay as they are.
    bool same = count() == entries.size() + 1 && item(count() - 1)->text() == userEntry;
    for (qsizetype row = 0; same && row < entries.size(); ++row) {
        const QListWidgetItem* shown = item(static_cast<int>(row));
        same = shown->text() == entries[row].text && shown->toolTip() == entries[row].hint &&
               shown->data(kIdRole).toByteArray() == entries[row].id;
    }
    if (same) {
        MarkCurrent();
        return;
    }
    m_rebuilding = true;
    clear();
    for (const Entry& shown : entries) {
        auto* entry = new QListWidgetItem(shown.text, this);
        entry->setToolTip(shown.hint);
        entry->setData(kIdRole, shown.id);
        if (shown.user) {
            QFont italic = font();
            italic.setItalic(true);
            entry->setFont(italic);
        }
    }
    auto* user = new QListWidgetItem(userEntry, this);
    user->setToolTip(views::Localized(kUserArticleHint));
    user->setData(kIdRole, QByteArray(materia::kUserArticleIdText));
    m_rebuilding = false;
    MarkCurrent();
}

void CMateriaMedicaAutors::MarkCurrent() {
    QListWidgetItem* current = EntryOf(m_document.MateriaMedica());
    if (current != currentItem()) setCurrentItem(current);
    if (current == nullptr) clearSelection();
}

void CMateriaMedicaAutors::Select(QListWidgetItem* item) {
    if (item != nullptr && !m_rebuilding) SelectSource(EntryId(item));
}

void CMateriaMedicaAutors::SelectSource(const Guid& id) {
    if (id == materia::UserArticleId()) materia::CUserMateriaMedicas::Get().UserArticleCollection(true);
    m_document.Navigate(-1, id);
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
}

void CMateriaMedicaAutors::FillContextMenu(QMenu& menu, QListWidgetItem* item) {
    CTranslationFilter::ExcludeFromTranslation(&menu);
    const Guid id = EntryId(item);
    DataSource* source = item != nullptr ? CorvelaInstance().FindDataSource(&id) : nullptr;
    QAction* select = menu.addAction(views::Localized("Select autor"));
    select->setEnabled(item != nullptr);
    connect(select, &QAction::triggered, this, [this, id] { SelectSource(id); });
    QAction* edit = menu.addAction(views::Localized("Edit autor info"));
    edit->setEnabled(materia::IsUserSource(source));
    connect(edit, &QAction::triggered, this, [this, source] { materia::EditAuthorInfo(this, *source); });
    menu.addSeparator();
    QAction* create = menu.addAction(views::Localized("New Materia Medica..."));
    connect(create, &QAction::triggered, this, [this] {
        if (DataSource* made = materia::NewMateriaMedica(this)) {
            m_document.Navigate(-1, *made->GetGuid());
            BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
        }
    });
    QAction* open = menu.addAction(views::Localized("Open Materia Medica..."));
    connect(open, &QAction::triggered, this, [this] {
        if (DataSource* opened = materia::OpenMateriaMedica(this)) {
            m_document.Navigate(-1, *opened->GetGuid());
            BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
        }
    });
    const bool user = materia::IsUserSource(source);
    QAction* save = menu.addAction(views::Localized("Save Materia Medica"));
    save->setEnabled(user);
    connect(save, &QAction::triggered, this, [this, source] { materia::SaveMateriaMedica(this, *source); });
    QAction* saveAs = menu.addAction(views::Localized("Save Materia Medica As..."));
    saveAs->setEnabled(user);
    connect(saveAs, &QAction::triggered, this,
            [this, source] { materia::SaveMateriaMedicaAs(this, *source); });
}

void CMateriaMedicaAutors::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    FillContextMenu(menu, itemAt(event->pos()));
    menu.exec(event->globalPos());
}
