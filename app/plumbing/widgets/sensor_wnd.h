// CSensorWnd: the program's hint window.  One small borderless top-most window
// for the whole run that shows a multi-line hint near a box a view drew:
// background 250,250,250, a one-pixel frame in 230,230,230, the text in the
// 12-pixel interface face (CInterfaceFonts::Shared().Small12()).
//
// A view asks for a hint when the mouse comes to rest over a box (Schedule);
// the window appears after kHoverDelayMs unless something cancels it first.  It
// hides when the mouse leaves the owner widget, on any mouse press, wheel turn
// or key press in the program, when the owner hides or goes away, and when a
// view calls Hide (on scrolling, on moving to another box).  Every drawn view
// (plumbing/drawn/drawn_view.h) does all of this itself.
//
// Texts arrive as the program keeps them (code page 1251, usually the English
// literal) and pass through the program's translation (Localize) when shown,
// as a whole phrase or by the parts in braces, as the caller says.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <string>

// A hint as a view hands it over.
struct CHintText {
    enum class Translation {
        Whole,   // the whole text is one English phrase ("Expand/Collapse rubric")
        Braces,  // only the parts in braces are translated ("{Weight:} %d")
        None,    // data shown as it stands (a remedy's name)
    };
    std::string text;  // code page 1251; lines separated by '\n'; empty: no hint
    Translation translation = Translation::Whole;

    bool Empty() const { return text.empty(); }
};

class CSensorWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHoverDelayMs = 400;  // rest before a hint appears
    static constexpr int kPadding = 4;         // between the frame and the text
    static constexpr int kGap = 2;             // between the box and the window

    static QColor Background() { return QColor(250, 250, 250); }
    static QColor Frame() { return QColor(230, 230, 230); }

    // The program's hint window, made on first use (a QApplication must exist)
    // and destroyed when the application object goes.
    static CSensorWnd& Shared();
    // The program's hint window when it was made already; null before that and
    // after the application object went.
    static CSensorWnd* Existing();

    // The text `hint` shows, translated as it asks, as the window shows it.
    static QString DisplayText(const CHintText& hint);

    // Shows `hint` after `delayMs` for the box `globalBox` (screen coordinates)
    // that `owner` drew; replaces any hint shown or pending.  An empty hint only
    // hides.  The window is placed below the box, left-aligned with it, or
    // above it when there is no room below, and kept on the box's screen.
    void Schedule(QWidget* owner, const QRect& globalBox, const CHintText& hint,
                  int delayMs = kHoverDelayMs);
    // The same at once.
    void ShowNow(QWidget* owner, const QRect& globalBox, const CHintText& hint);
    // Hides the window and cancels a pending hint (of any owner).
    void Hide();
    // Hides only when `owner` asked for the hint shown or pending.
    void HideFor(const QWidget* owner);

    // The widget that asked for the hint shown or pending; null when none.
    QWidget* Owner() const { return m_owner.data(); }
    // True while a hint waits for its delay.
    bool Pending() const { return m_timer.isActive(); }
    // The text shown (translated); empty when hidden.
    QString Text() const { return isVisible() ? m_text : QString(); }
    // The box the hint belongs to (screen coordinates).
    QRect Box() const { return m_box; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSensorWnd();
    ~CSensorWnd() override;

    void Appear();
    void Watch(bool on);
    QRect Placement(const QSize& size) const;

    QTimer m_timer;
    QPointer<QWidget> m_owner;
    QRect m_box;
    QString m_text;
    bool m_watching = false;
};
