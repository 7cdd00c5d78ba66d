// A hyperlink for the status bar and dialogs: link-coloured text, underlined
// while the mouse is over it, a pointing-hand cursor, a tooltip, and the URL
// opened in the browser on a click (or Enter/Space when it has the focus).
#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

class CHyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens a URL; the default is QDesktopServices::openUrl.  Returns success.
    using Opener = std::function<bool(const QUrl&)>;

    CHyperlinkLabel(const QString& text, const QUrl& url, const QString& toolTip = {},
                    QWidget* parent = nullptr);

    const QUrl& Url() const { return m_url; }
    void SetUrl(const QUrl& url) { m_url = url; }

    // Replaces how URLs are opened, for every hyperlink label (tests use it to
    // stay off the browser); an empty function restores the default.
    static void SetOpener(Opener opener);

    // Opens the URL (as a click does) and emits Activated; returns the opener's result.
    bool Open();

Q_SIGNALS:
    void Activated(const QUrl& url);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetHover(bool hover);

    QUrl m_url;
    bool m_pressed = false;
};
