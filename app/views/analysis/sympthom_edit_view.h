// CSympthomEditView: the in-place editor of a symptom's name in the symptom
// list.  It opens over the bottom 15 pixels of the name's box (from a pixel
// left of it to its right edge), filled with the name, all of it selected,
// focused, and takes every mouse press of the program while open.
//
//   Enter, losing the focus, a press outside it   the text becomes the name
//                                                  (modified flag,
//                                                  EV_CASE_MODIFIED,
//                                                  EV_UPDATE_ANALYSIS)
//   Esc                                            closes it; the name stays
#pragma once

#include <QLineEdit>
#include <cstdint>

class CSympthom;

class CSympthomEditView : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kHeight = 15;

    explicit CSympthomEditView(QWidget* parent);
    ~CSympthomEditView() override;

    // Opens the editor for `symptom` over `nameBox` (parent coordinates).
    void Begin(CSympthom& symptom, const QRect& nameBox);
    bool IsEditing() const { return m_symptom != nullptr; }
    // The symptom being named; null while closed.
    CSympthom* Symptom() const { return m_symptom; }

    // The name box moved (the list scrolled): the editor follows.
    void Follow(const QRect& nameBox);
    // Enter's and Esc's work; nothing while closed.
    void Accept();
    void Cancel();

Q_SIGNALS:
    void Finished(bool accepted);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close();

    CSympthom* m_symptom = nullptr;
    std::uint64_t m_serial = 0;
    bool m_closing = false;
};
