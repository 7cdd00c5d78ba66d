// What the consultation test does with the mouse and the keyboard: ribbon
// buttons clicked (their tab first), popup menus answered entry by entry as
// they open, drop-down lists, right clicks as the window system delivers
// them.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>

class CRibbonBar;
class QComboBox;
class QMenu;
class QWidget;

namespace workflow {

// Clicks the ribbon button that shows command `id`, bringing its tab forward
// first.  False (with `why`) when the ribbon has no such button or it is
// disabled.  A button with a menu opens it; answer it with a CMenuChooser
// made before the click.
bool ClickRibbonCommand(CRibbonBar& ribbon, int id, QString* why);

// Opens the drop-down list of `box` with a click, points at the entry whose
// text is `text` and presses Enter.  False (with `why`) when the list does not open or has no
// such entry.
bool ChooseInComboBox(QComboBox& box, const QString& text, QString* why);

// Right-clicks `viewport` at `point` as the window system does: the button
// goes down, the context menu event follows, the button goes up.
void RightClick(QWidget* viewport, const QPoint& point);

// The offscreen platform has no window manager: when a popup menu closes,
// the window it left stays inactive.  Activates `window` again as a window
// manager does; false when it does not become active.
bool ReactivateAfterMenu(QWidget* window);

// Answers the popup menus that open next: at each level the first entry
// whose text (without '&', trimmed) matches the pattern of that level is
// clicked, opening its submenu or choosing it.  An entry that cannot be found
// closes the menus and is reported by Error().  Made before the action that
// opens the menu; the menu's own loop runs it.
class CMenuChooser : public QObject {
    Q_OBJECT
public:
    explicit CMenuChooser(const QStringList& patterns);
    ~CMenuChooser() override;

    // The last entry was clicked.
    bool Done() const { return m_level == m_patterns.size(); }
    // Why it is not done (empty while waiting or done).
    QString Error() const { return m_error; }
    // Done, or a description of why not.
    QString Outcome() const;

private:
    void Poll();
    void Abandon(const QString& why);

    QList<QRegularExpression> m_patterns;
    qsizetype m_level = 0;
    QPointer<QMenu> m_handled;  // the menu whose entry was clicked last
    QTimer m_timer;
    QElapsedTimer m_waited;
    QString m_error;
};

}  // namespace workflow
