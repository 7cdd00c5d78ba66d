#include "views/screenshot_session.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "views/window_host.h"

CScreenshotSession::CScreenshotSession(QString folder, QString suffix, QString dataSet)
    : m_folder(std::move(folder)), m_suffix(std::move(suffix)), m_dataSet(std::move(dataSet)) {}

void CScreenshotSession::Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

QWidget* CScreenshotSession::MainWindow() {
    CWindowHost* host = CWindowHost::Current();
    return host != nullptr ? host->MainWindow() : nullptr;
}

bool CScreenshotSession::Save(QWidget& window, const char* name) {
    Settle();
    const QString file = QString::fromLatin1(name) + m_suffix + QStringLiteral(".png");
    const QString path = QDir(m_folder).filePath(file);
    const bool saved = window.grab().save(path, "PNG");
    std::printf("%s %s\n", saved ? "saved" : "cannot save", qPrintable(path));
    std::fflush(stdout);
    return saved;
}
