#include "plumbing/ribbon/application_menu.h"

#include <QFileInfo>

#include "plumbing/ribbon/command_registry.h"
#include "plumbing/translation/translation_filter.h"

CApplicationMenu::CApplicationMenu(CCommandRegistry& commands, QWidget* parent)
    : QMenu(parent), m_commands(commands) {}

void CApplicationMenu::Insert(QAction* action) {
    if (m_exitSeparator) {
        insertAction(m_exitSeparator, action);
    } else {
        addAction(action);
    }
}

QAction* CApplicationMenu::AddCommand(int id) {
    QAction* action = m_commands.Action(id);
    if (action) Insert(action);
    return action;
}

QAction* CApplicationMenu::AddSeparatorLine() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    Insert(separator);
    return separator;
}

QMenu* CApplicationMenu::AddRecentDocuments(const QString& caption) {
    if (m_recent) return m_recent;
    m_recent = new QMenu(caption, this);
    m_recent->setToolTipsVisible(true);
    m_recent->setEnabled(false);
    Insert(m_recent->menuAction());
    connect(m_recent, &QMenu::triggered, this, [this](QAction* entry) {
        const QString path = entry->data().toString();
        if (!path.isEmpty()) Q_EMIT RecentDocumentChosen(path);
    });
    return m_recent;
}

void CApplicationMenu::SetRecentDocuments(const QStringList& paths) {
    m_recentPaths = paths;
    if (!m_recent) return;
    m_recent->clear();
    int number = 1;
    for (const QString& path : paths) {
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry =
            m_recent->addAction((number < 10 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2"))
                                    .arg(number)
                                    .arg(name));
        entry->setData(path);
        entry->setToolTip(path);
        CTranslationFilter::ExcludeFromTranslation(entry);
        ++number;
    }
    m_recent->setEnabled(!paths.isEmpty());
}

QAction* CApplicationMenu::SetExitCommand(int id) {
    QAction* action = m_commands.Action(id);
    if (!action) return nullptr;
    if (m_exit) removeAction(m_exit);
    if (!m_exitSeparator) m_exitSeparator = addSeparator();
    addAction(action);
    m_exit = action;
    return action;
}
