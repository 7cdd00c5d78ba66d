// What the editor tests share: the program's export of LocalizeString (no
// language loaded: every text comes back in English, braces of the markup
// removed), a program directory of their own (so the
// practitioner records read and write practitioner.txt in a scratch folder),
// a case host that records how often the case was marked modified, a
// receiver that records the broadcasts, and an MDI area with the editors'
// templates in the program's slots.
#pragma once

#include <QMdiArea>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "model/events/event_client.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "views/case_host.h"

class CCaseTextEdit;
class QTextDocument;

namespace editors_test {

// The slots of the program's template table.
inline constexpr int kEpisodeSlot = 3;
inline constexpr int kPrescriptionSlot = 4;
inline constexpr int kPatientInfoSlot = 7;
inline constexpr int kPractitionerSlot = 8;

// Points MERIDANE_HOME at a fresh scratch folder (once per process; the
// folder is removed at exit) and returns its path.
const std::string& UseScratchHome();

// Installs itself as the current host for its lifetime; owns a new case.
class FakeCaseHost : public CCaseHost {
public:
    FakeCaseHost();
    ~FakeCaseHost() override;

    CCase* CurrentCase() override { return m_case.get(); }
    bool IsCaseModified() const override { return m_modified; }
    // Counts, sets the flag and broadcasts EV_CASE_MODIFIED, as the program does.
    void MarkCaseModified() override;

    CCase& Case() { return *m_case; }
    // Drops the case (a host without an open case).
    void CloseCase() { m_case.reset(); }

    int m_marks = 0;
    bool m_modified = false;

private:
    std::unique_ptr<CCase> m_case = std::make_unique<CCase>();
};

// Joins the bus when made; records every code broadcast while it lives.
class EventRecorder : public event_client {
public:
    void OnEvent(unsigned code, std::uintptr_t, std::uintptr_t, std::uintptr_t) override {
        m_codes.push_back(code);
    }
    int Count(unsigned code) const;
    std::vector<unsigned> m_codes;
};

// An MDI area with a document manager holding the four editor templates.
class EditorWindows {
public:
    EditorWindows();
    ~EditorWindows();
    CDocManager& Manager() { return *m_manager; }
    QMdiArea& Area() { return m_area; }

private:
    QMdiArea m_area;
    std::unique_ptr<CDocManager> m_manager;
};

// The view widget of the document's first frame, cast to `T`; null when none.
template <class T>
T* FirstView(CDocument* document) {
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    return dynamic_cast<T*>(document->Frames().front()->widget());
}

// The texts of the document's blocks.
QStringList BlockTexts(const QTextDocument& document);

// Places the cursor of `edit` at the end of block `block`.
void MoveToEndOfBlock(CCaseTextEdit& edit, int block);

// Sends a focus-out event to `widget`, as when another window takes the focus.
void LoseFocus(QWidget& widget);

}  // namespace editors_test
