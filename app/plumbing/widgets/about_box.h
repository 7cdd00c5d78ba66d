// The about box: the product name "Meridane Suite", its version and a link to
// the product's web page.
#pragma once

#include <QDialog>
#include <QUrl>

class CHyperlinkLabel;

class CAboutBox : public QDialog {
    Q_OBJECT
public:
    // `version` as shown ("0.1.0"); `url` empty: no link line.
    CAboutBox(const QString& version, const QUrl& url, QWidget* parent = nullptr);

    static QString ProductName() { return QStringLiteral("Meridane Suite"); }

    // The link line; null when no URL was given.
    CHyperlinkLabel* Link() const { return m_link; }

private:
    CHyperlinkLabel* m_link = nullptr;
};
