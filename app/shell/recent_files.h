// The list of recently used case files, newest first, kept in the user's
// profile: QSettings("Meridane", "Meridane"), group "Recent File List".
#pragma once

#include <QString>
#include <QStringList>

class CRecentFiles {
public:
    static constexpr int kMaxEntries = 15;

    // Reads the stored list.
    CRecentFiles();

    const QStringList& Paths() const { return m_paths; }

    // Puts `path` (made absolute) at the top, dropping an older entry of the
    // same file and whatever falls beyond kMaxEntries; stores the list.
    void Add(const QString& path);
    // Drops `path` from the list; stores the list.
    void Remove(const QString& path);

private:
    void Store() const;

    QStringList m_paths;
};
