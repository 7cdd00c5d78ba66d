// CCaseTextEdit: the rich-text editor every case item window is built on.  It
// shows a record's RTF and writes the edited text back into the record:
//
//   - when it loses the keyboard focus, if write-back is on;
//   - after Enter, Delete or Backspace, if write-back on edit keys is on too
//     (then EV_CASE_MODIFIED goes out a second time);
//   - when it is destroyed with changes not yet written back, if write-back
//     is on (closing a window does not lose what was typed).
//
// Every key other than the four arrow keys sets the case's modified flag and
// broadcasts EV_CASE_MODIFIED (views::MarkCaseModified).
#pragma once

#include <QTextEdit>
#include <functional>
#include <string_view>

class QTextDocument;

class CCaseTextEdit : public QTextEdit {
    Q_OBJECT
public:
    // Writes the document into its record.  The target checks that its record
    // still belongs to the open case and writes nothing otherwise.
    using WriteBackTarget = std::function<void(const QTextDocument& text)>;

    explicit CCaseTextEdit(QWidget* parent = nullptr);
    ~CCaseTextEdit() override;

    bool IsWriteBack() const { return m_writeBack; }
    void SetWriteBack(bool on) { m_writeBack = on; }
    bool IsWriteBackOnEditKeys() const { return m_writeBackOnEditKeys; }
    void SetWriteBackOnEditKeys(bool on) { m_writeBackOnEditKeys = on; }
    void SetWriteBackTarget(WriteBackTarget target) { m_target = std::move(target); }

    // Replaces the text with `rtf` (code page 1251 RTF, or plain text); the
    // text then counts as written back.
    void LoadRtf(std::string_view rtf);

    // Writes the text back now (when write-back is on and a target is set).
    void WriteBack();

    // True when the text changed since it was loaded or last written back.
    bool HasPendingChanges() const { return m_pending; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // The look of the case editors: white background, the text inset by 5
    // pixels, the shared interface font, default text colour 20, 20, 20.
    void ApplyEditorLook();

private:
    bool m_writeBack = false;
    bool m_writeBackOnEditKeys = false;
    bool m_pending = false;
    bool m_loading = false;
    WriteBackTarget m_target;
};
