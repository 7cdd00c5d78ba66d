#include "plumbing/widgets/hyperlink_label.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

#include "plumbing/translation/translation_filter.h"

namespace {

CHyperlinkLabel::Opener& CurrentOpener() {
    static CHyperlinkLabel::Opener opener;
    return opener;
}

}  // namespace

CHyperlinkLabel::CHyperlinkLabel(const QString& text, const QUrl& url, const QString& toolTip,
                                 QWidget* parent)
    : QLabel(text, parent), m_url(url) {
    setTextFormat(Qt::PlainText);
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
    setPalette(linkPalette);
    // The text is an address, not a phrase; the tooltip is still translated.
    CTranslationFilter::ExcludeTextFromTranslation(this);
}

void CHyperlinkLabel::SetOpener(Opener opener) {
    CurrentOpener() = std::move(opener);
}

bool CHyperlinkLabel::Open() {
    const Opener& opener = CurrentOpener();
    const bool opened = opener ? opener(m_url) : QDesktopServices::openUrl(m_url);
    Q_EMIT Activated(m_url);
    return opened;
}

void CHyperlinkLabel::SetHover(bool hover) {
    QFont f = font();
    f.setUnderline(hover);
    setFont(f);
}

void CHyperlinkLabel::enterEvent(QEnterEvent* event) {
    SetHover(true);
    QLabel::enterEvent(event);
}

void CHyperlinkLabel::leaveEvent(QEvent* event) {
    SetHover(false);
    m_pressed = false;
    QLabel::leaveEvent(event);
}

void CHyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CHyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) Open();
}

void CHyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        Open();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}
