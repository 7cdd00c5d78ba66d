// What the views tests share: the program's export of LocalizeString (no
// language loaded: every text comes back in English, braces of the markup
// removed), a program directory of their own (so the practitioner records
// read and write practitioner.txt in a scratch folder), optionally with the
// compiled demo data, a case host that records how often the case was marked
// modified, a window host over an MDI area of its own, a receiver that
// records the broadcasts, and an MDI area with the editors' templates in the
// program's slots.
#pragma once

#include <QMdiArea>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/core/program_settings.h"
#include "model/events/event_client.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "views/case_host.h"
#include "views/document_slots.h"
#include "views/window_host.h"

class CCaseTextEdit;
class QTextDocument;

namespace editors_test {

// Points MERIDANE_HOME at a fresh scratch folder (once per process; the
// folder is removed at exit) and returns its path.
const std::string& UseScratchHome();

// UseScratchHome, with the compiled demo data of the program directory
// (REP_DEMO, REP_DEMO_RU, MM_DEMO and the remedy catalogue) copied into it.
// Call it before anything asks the engine for its sources.
const std::string& UseDemoHome();

// The identifier of the rubric reached from the root of the loaded repertory
// named `repertory` through the child texts `path`; 0 when not found.
std::uint32_t RubricId(const char* repertory, std::initializer_list<const char*> path);

// Writes meridane.ini of the scratch home with `text`.
void WriteProgramIni(const std::string& text);

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
    // Replaces the case by a new one.
    void ReplaceCase() { m_case = std::make_unique<CCase>(); }

    int m_marks = 0;
    bool m_modified = false;

private:
    std::unique_ptr<CCase> m_case = std::make_unique<CCase>();
};

// A window host over an MDI area of its own, with the commands of the
// ribbon's references registered and routed to the active view; installs
// itself as the current host for its lifetime.  Records the status messages.
class FakeWindowHost final : public CWindowHost {
public:
    FakeWindowHost();
    ~FakeWindowHost();

    CDocManager& Documents() override { return *m_manager; }
    CCommandRegistry& Commands() override { return m_commands; }
    const CProgramSettings& Settings() const override { return m_settings; }
    void ShowStatusMessage(const QString& text) override { m_messages.append(text); }
    CDialogService& Dialogs() override;
    QWidget* MainWindow() override { return &m_area; }

    QMdiArea& Area() { return m_area; }

    QStringList m_messages;

private:
    QMdiArea m_area;
    CCommandRegistry m_commands;
    CProgramSettings m_settings;
    std::unique_ptr<CDocManager> m_manager;
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
