#include "shell/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
constexpr const char* kGroup = "Recent File List";

QString EntryKey(int index) { return QStringLiteral("File%1").arg(index + 1); }

QString Normalised(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }
}  // namespace

CRecentFiles::CRecentFiles() {
    QSettings settings(QStringLiteral("Meridane"), QStringLiteral("Meridane"));
    settings.beginGroup(QLatin1String(kGroup));
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_paths.contains(path)) m_paths.append(path);
    }
}

void CRecentFiles::Add(const QString& path) {
    const QString absolute = Normalised(path);
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > kMaxEntries) m_paths.removeLast();
    Store();
}

void CRecentFiles::Remove(const QString& path) {
    if (m_paths.removeAll(Normalised(path)) > 0) Store();
}

void CRecentFiles::Store() const {
    QSettings settings(QStringLiteral("Meridane"), QStringLiteral("Meridane"));
    settings.beginGroup(QLatin1String(kGroup));
    settings.remove(QString());
    for (int i = 0; i < m_paths.size(); ++i) settings.setValue(EntryKey(i), m_paths[i]);
}
