// What the materia medica window tests share: a scratch program directory
// holding the demo data (or Boericke's, compiled at start), the program's
// export of LocalizeString, a window host with the materia medica template
// and a case host, set up before the QApplication and the engine exist.
#pragma once

#include <QMdiArea>
#include <QString>
#include <QTest>
#include <memory>
#include <string>

#include "corvela/guid.h"
#include "model/core/program_settings.h"
#include "model/records/case.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/widgets/scripted_dialog_service.h"
#include "views/case_host.h"
#include "views/window_host.h"

class CMateriaMedicaDoc;
class CMateriaMedicaPadView;
class DataSource;

namespace materia_test {

// The demo sources by identifier.
inline constexpr const char* kDemoBook = "4D8EA1C0-5A22-4514-9C79-03EEA3438E66";     // MM_DEMO
inline constexpr const char* kNotesBook = "B73E2A54-91C6-4F0D-8E25-6A1D3C9F7B42";    // MM_NOTES
inline constexpr const char* kUserNotes = "5C1F9E7A-3B2D-4C8E-9A6F-1E7D2B4C8A93";    // My notes
inline constexpr const char* kBoericke = "B73C7BEC-DFF1-44F4-B7AC-5C784D4D8AAB";

Guid Id(const char* text);

// Copies the compiled demo data (the build's program directory) into a new
// scratch folder, points MERIDANE_HOME at it and selects the offscreen
// platform.  Once per process; the folder is removed at exit.
void PrepareDemoHome();
// The same with Boericke's materia medica and its catalogue compiled from the
// shared data; false (with `why`) when the data is not there.
bool PrepareBoerickeHome(std::string* why);

// The scratch program directory; `name` inside it.
QString HomePath(const QString& name = {});

// The remedy number of a catalogue name.
int RemedyNumber(const char* name);

// A window host over its own MDI area, with the materia medica template and
// command, a case host with one case, and a scripted dialog service; all
// installed while it lives.
class TestHost : public CWindowHost, public CCaseHost {
public:
    TestHost();
    ~TestHost();

    CDocManager& Documents() override { return *m_documents; }
    CCommandRegistry& Commands() override { return m_commands; }
    const CProgramSettings& Settings() const override { return m_settings; }
    void ShowStatusMessage(const QString& text) override { m_status = text; }
    CDialogService& Dialogs() override { return m_dialogs; }
    QWidget* MainWindow() override { return &m_area; }

    CCase* CurrentCase() override { return m_case.get(); }
    bool IsCaseModified() const override { return m_modified; }
    void MarkCaseModified() override;

    QMdiArea& Area() { return m_area; }
    CScriptedDialogService& Scripted() { return m_dialogs; }
    CCase& Case() { return *m_case; }
    void DropCase() { m_case.reset(); }

    // Opens the window on `remedy` (-1: the first shown) in `book`.
    CMateriaMedicaDoc* Open(int remedy, const char* book);
    // The window's view.
    CMateriaMedicaPadView* View(CMateriaMedicaDoc* document) const;

    QString m_status;
    bool m_modified = false;
    int m_marks = 0;

private:
    CScriptedDialogService m_dialogs;
    QMdiArea m_area;
    CCommandRegistry m_commands;
    CProgramSettings m_settings;
    std::unique_ptr<CDocManager> m_documents;
    std::unique_ptr<CCase> m_case = std::make_unique<CCase>();
};

// Lets pending layouts, paints and deferred deletions run.
void Settle();

// Closes every source and discovers them again from the program directory,
// as a fresh start of the program does (the catalogue stays).
void RestartEngine();

}  // namespace materia_test

// A Qt Test main that prepares the demo home first.
#define MERIDANE_MATERIA_QTEST_MAIN(TestObject)  \
    int main(int argc, char** argv) {            \
        materia_test::PrepareDemoHome();         \
        QApplication application(argc, argv);    \
        TestObject test;                         \
        return QTest::qExec(&test, argc, argv);  \
    }
