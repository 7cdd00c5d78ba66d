#include "views/materia/materia_medica_panel_view.h"

#include <corvela.h>

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <algorithm>
#include <vector>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/materia/materia_medica_doc.h"
#include "views/window_texts.h"

namespace {

constexpr int kRemedyRole = Qt::UserRole + 1;

// The scope selector's entries, as the program has always written them.
constexpr const char* kScopes[] = {
    // "в оттрытом разделе": within the article on display
    TextKey("\xE2\x20\xEE\xF2\xF2\xF0\xFB\xF2\xEE\xEC\x20\xF0\xE0\xE7\xE4\xE5\xEB\xE5"),
    // "в выбраном произведении (один автор)": within the chosen work, one author
    TextKey("\xE2\x20\xE2\xFB\xE1\xF0\xE0\xED\xEE\xEC\x20\xEF\xF0\xEE\xE8\xE7\xE2\xE5\xE4\xE5"
            "\xED\xE8\xE8\x20\x28\xEE\xE4\xE8\xED\x20\xE0\xE2\xF2\xEE\xF0\x29"),
    // "в выбраном препарате (разные авторы)": within the chosen remedy, several authors
    TextKey("\xE2\x20\xE2\xFB\xE1\xF0\xE0\xED\xEE\xEC\x20\xEF\xF0\xE5\xEF\xE0\xF0\xE0\xF2\xE5"
            "\x20\x28\xF0\xE0\xE7\xED\xFB\xE5\x20\xE0\xE2\xF2\xEE\xF0\xFB\x29"),
};

struct Entry {
    QString text;
    QString sortKey;
    int remedy;
    bool longFirst;
};

QWidget* Untranslated(QWidget* widget) {
    CTranslationFilter::ExcludeFromTranslation(widget);
    return widget;
}

}  // namespace

CMateriaMedicaPanelView::CMateriaMedicaPanelView(CMateriaMedicaDoc& document, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_remedies(new QComboBox(this)),
      m_search(new QLineEdit(this)),
      m_scope(new QComboBox(this)),
      m_start(new QPushButton(views::Localized("Start Search"), this)),
      m_status(new QLabel(this)),
      m_remedyModel(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("MateriaMedicaPanel"));
    // Every text here is localised already, or data.
    for (QWidget* widget : std::initializer_list<QWidget*>{this, m_remedies, m_search, m_scope,
                                                           m_start, m_status})
        Untranslated(widget);

    m_remedies->setEditable(true);
    m_remedies->setInsertPolicy(QComboBox::NoInsert);
    m_remedies->setMinimumContentsLength(18);
    m_remedies->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_remedies->setMaxVisibleItems(20);
    FillRemedies();
    auto* completer = new QCompleter(m_remedyModel, m_remedies);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    m_remedies->setCompleter(completer);

    for (int scope = 0; scope < 3; ++scope) m_scope->addItem(views::Localized(kScopes[scope]), scope);
    m_scope->setCurrentIndex(0);
    // The scope is read in full: its longest text sets its width.
    m_scope->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_scope->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_search->setPlaceholderText(views::Localized("Search"));
    m_search->setClearButtonEnabled(true);
    m_search->setMinimumWidth(110);
    m_start->setDefault(true);
    m_status->setMinimumWidth(0);
    QPalette grey = m_status->palette();
    grey.setColor(QPalette::WindowText, QColor(90, 90, 90));
    m_status->setPalette(grey);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    auto* remedyLabel = new QLabel(views::Localized("Remedy:"), this);
    Untranslated(remedyLabel);
    remedyLabel->setBuddy(m_remedies);
    layout->addWidget(remedyLabel);
    layout->addWidget(m_remedies, 3);
    layout->addSpacing(12);
    layout->addWidget(m_search, 2);
    layout->addWidget(m_scope, 0);
    layout->addWidget(m_start, 0);
    layout->addWidget(m_status, 1);

    connect(m_remedies, &QComboBox::activated, this, &CMateriaMedicaPanelView::ChooseRemedyEntry);
    connect(completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                const int remedy = index.data(kRemedyRole).toInt();
                const auto entry = m_entryOfRemedy.find(remedy);
                if (entry != m_entryOfRemedy.end()) ChooseRemedyEntry(entry->second);
            });
    connect(m_search, &QLineEdit::returnPressed, this, &CMateriaMedicaPanelView::StartSearch);
    connect(m_start, &QPushButton::clicked, this, &CMateriaMedicaPanelView::StartSearch);
    connect(&m_document, &CDocument::Changed, this, &CMateriaMedicaPanelView::FollowDocument);
    connect(&m_document, &CMateriaMedicaDoc::SearchChanged, this,
            [this] { m_status->setText(m_document.SearchStatus()); });
    FollowDocument();
}

CMateriaMedicaPanelView::~CMateriaMedicaPanelView() = default;

void CMateriaMedicaPanelView::FillRemedies() {
    Corvela& engine = CorvelaInstance();
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(engine.GetRemedyCount()) * 2);
    for (int number = 0; number < engine.GetRemedyCount(); ++number) {
        Remedy* remedy = engine.GetRemedy(number);
        if (remedy == nullptr) continue;
        const std::string shortName = remedy->GetShortName();
        const std::string longName = remedy->GetLongName();
        for (bool longFirst : {true, false}) {
            const QString text = plumbing::DecodeCodePage(views::FormatTexts(
                "%s, (%s)", {longFirst ? longName : shortName, longFirst ? shortName : longName}));
            entries.push_back({text, text.toCaseFolded(), number, longFirst});
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.sortKey < b.sortKey; });
    m_remedyModel->setRowCount(static_cast<int>(entries.size()));
    for (std::size_t row = 0; row < entries.size(); ++row) {
        auto* item = new QStandardItem(entries[row].text);
        item->setData(entries[row].remedy, kRemedyRole);
        item->setEditable(false);
        m_remedyModel->setItem(static_cast<int>(row), item);
        if (entries[row].longFirst) m_entryOfRemedy[entries[row].remedy] = static_cast<int>(row);
    }
    m_remedies->setModel(m_remedyModel);
}

void CMateriaMedicaPanelView::ChooseRemedyEntry(int index) {
    if (m_following || index < 0 || index >= m_remedyModel->rowCount()) return;
    const int remedy = m_remedyModel->item(index)->data(kRemedyRole).toInt();
    m_document.Navigate(remedy, m_document.MateriaMedica());
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
}

void CMateriaMedicaPanelView::StartSearch() {
    m_document.Step(plumbing::EncodeCp1251(m_search->text().trimmed()),
                    m_scope->currentData().toInt());
    m_status->setText(m_document.SearchStatus());
}

void CMateriaMedicaPanelView::FollowDocument() {
    m_following = true;
    const auto entry = m_entryOfRemedy.find(m_document.Remedy());
    m_remedies->setCurrentIndex(entry != m_entryOfRemedy.end() ? entry->second : -1);
    m_following = false;
    m_status->setText(m_document.SearchStatus());
}
