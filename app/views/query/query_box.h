// CQueryBox: the one-line box a query of the search language is typed into,
// shared by the repertory browser's search strip and the search window.  On
// every change it asks the engine to check the query (AnalyzeQuery) against
// the scope and the source it was given and colours each token by its class:
//
//   MarkInvalid                          255,   0,   0
//   MarkOperator, MarkWord                 0,   0, 128
//   MarkGrade                              0,   0, 255
//   MarkRemedy                             0, 128,   0
//   MarkUnknownRemedy, MarkWordNotFound  128,   0,   0
//   MarkNotApplicable                    128, 128, 128
//
// Colouring is no edit: the box's change notifications (textChanged) are held
// back while it recolours, and the undo history holds only what was typed.
// QueryEdited follows every change of the text, after the colours.
//
// Length.  A query travels to the engine in 255 bytes of code page 1251; a
// character that code page lacks goes as '*', which the engine marks invalid.
// Text beyond 255 characters (typed or pasted) is cut off, the box says so in
// a tooltip ("The query is cut to 255 characters", localised) and emits
// QueryCut.  Line breaks and tabs pasted in become blanks.
//
// Keys.  Enter emits Entered; F3, F4, Esc and Tab (Shift+Tab) are the
// owner's: the box emits FindNext, FindPrevious, Escaped and TabPressed and
// keeps them from the edit.  An owner that needs every key first installs a
// key handler (SetKeyHandler); it is asked before all of the above, and a
// key it used goes no further.
//
// Everything runs on the user-interface thread.
#pragma once

#include <corvela.h>

#include <QColor>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

class QKeyEvent;

class CQueryBox : public QTextEdit {
    Q_OBJECT
public:
    // The most a query holds (SearchQuery::text without its terminator).
    static constexpr int kMaxQueryBytes = 255;

    explicit CQueryBox(QWidget* parent = nullptr);
    ~CQueryBox() override;

    // What the query is checked against: kScopeRepertories (1) or
    // kScopeMateriaMedicas (2), and one source (all zero: every source in
    // scope).  Checks and recolours at once.
    void SetScope(int scope, const Guid& source);
    int Scope() const { return m_scope; }
    const Guid& Source() const { return m_source; }

    // The text as shown, and replaced (checked and coloured; QueryEdited follows).
    QString Text() const;
    void SetText(const QString& text);

    // The text as the engine takes it: code page 1251, at most 255 bytes.
    std::string QueryBytes() const;
    // A request with the box's scope, source and text.
    SearchQuery MakeQuery() const;

    // The last check: whether the query is well formed, its markup (the word
    // pointers are the engine's and last until its next check: copy them
    // with MarkupWords), and the colour of the character at `position`
    // (the palette's text colour where no token lies).
    bool IsWellFormed() const { return m_wellFormed; }
    const QueryMarkup& Markup() const { return m_markup; }
    std::vector<std::string> MarkupWords() const;
    QColor ColourAt(int position) const;

    // Checks and recolours now (after the loaded sources changed, say).
    void Reanalyse();

    // The colour of a token class (TokenClass); the text colour for others.
    static QColor ClassColour(int tokenClass);

    // Asked with every key press before the box's own handling; true when it
    // used the key.
    using KeyHandler = std::function<bool(QKeyEvent&)>;
    void SetKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void Entered();
    void FindNext();
    void FindPrevious();
    void Escaped();
    void TabPressed(bool backward);
    // The text changed (typed, pasted, set); it is checked and coloured.
    void QueryEdited();
    // The text was cut to kMaxQueryBytes characters.
    void QueryCut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void OnContentsChanged();
    bool CutToLength();
    void Recolour();
    int LineHeight() const;

    int m_scope = kScopeRepertories;
    Guid m_source{};
    QueryMarkup m_markup{};
    bool m_wellFormed = true;
    bool m_recolouring = false;
    KeyHandler m_keyHandler;
};
