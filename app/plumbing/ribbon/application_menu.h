// The menu behind the ribbon's application button: commands and separators in
// the order added, one "Recent Documents" sub-list, and an exit command that
// always stays at the bottom.
#pragma once

#include <QMenu>
#include <QStringList>

class CCommandRegistry;

class CApplicationMenu : public QMenu {
    Q_OBJECT
public:
    explicit CApplicationMenu(CCommandRegistry& commands, QWidget* parent = nullptr);

    // Appends command `id` (above the exit command); null when not registered.
    QAction* AddCommand(int id);
    QAction* AddSeparatorLine();

    // Appends the sub-list of recent documents (once; a second call returns the
    // same menu).  It is disabled while the list is empty.
    QMenu* AddRecentDocuments(const QString& caption = QStringLiteral("Recent Documents"));

    // Replaces the entries of the sub-list: "&1 name", "&2 name", ... with the
    // full path as tooltip and as the entry's data.  Entries are never translated.
    void SetRecentDocuments(const QStringList& paths);
    QStringList RecentDocuments() const { return m_recentPaths; }

    // Puts command `id` at the bottom, below a separator; replaces an earlier one.
    QAction* SetExitCommand(int id);

Q_SIGNALS:
    // A recent-document entry was chosen.
    void RecentDocumentChosen(const QString& path);

private:
    void Insert(QAction* action);

    CCommandRegistry& m_commands;
    QMenu* m_recent = nullptr;
    QStringList m_recentPaths;
    QAction* m_exitSeparator = nullptr;
    QAction* m_exit = nullptr;
};
