#include "editor_test_support.h"

#include <stdlib.h>

#include <QApplication>
#include <QFocusEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>
#include <fstream>

#include <corvela.h>

#include "model/core/program_exports.h"
#include "model/core/program_paths.h"
#include "model/events/event_codes.h"
#include "model/lang/language.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/view_commands.h"
#include "plumbing/widgets/dialog_service.h"
#include "views/command_ids.h"
#include "views/editors/case_text_edit.h"
#include "views/editors/editor_factories.h"

namespace fs = std::filesystem;

// The program exports its string lookup; the tests do the same, so that the
// editors' texts pass through the language as in the program.
extern "C" const char* LocalizeString(const char* text, int whole) {
    return CLanguage::Get().LocalizeString(text, whole);
}

namespace editors_test {
namespace {

struct ScratchHome {
    ScratchHome() {
        std::string pattern = (fs::temp_directory_path() / "meridane-editors-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
            ::setenv("MERIDANE_HOME", m_path.c_str(), 1);
        }
    }
    ~ScratchHome() {
        std::error_code ignored;
        if (!m_path.empty()) fs::remove_all(m_path, ignored);
    }
    std::string m_path;
};

}  // namespace

const std::string& UseScratchHome() {
    static ScratchHome home;
    return home.m_path;
}

const std::string& UseDemoHome() {
    const std::string& home = UseScratchHome();
    for (const char* name : {"remedy_synonyms.txt", "demo_en.rpb", "demo_en.idx", "demo_ru.rpb",
                             "demo_ru.idx", "demo_mm_en.mmb", "demo_mm_en.idx"}) {
        std::error_code ignored;
        fs::copy_file(fs::path(MERIDANE_PROGRAM_DIR) / name, fs::path(home) / name,
                      fs::copy_options::overwrite_existing, ignored);
    }
    return home;
}

std::uint32_t RubricId(const char* repertory, std::initializer_list<const char*> path) {
    DataSource* source = CorvelaInstance().FindDataSourceByName(repertory);
    if (source == nullptr || source->GetType() != kSourceRepertory) return 0;
    Topic* topic = static_cast<Repertory*>(source)->GetRoot();
    for (const char* step : path) {
        Topic* found = nullptr;
        for (int i = 0; topic != nullptr && i < topic->GetChildCount() && found == nullptr; ++i)
            if (std::string(topic->GetChild(i)->GetText()) == step) found = topic->GetChild(i);
        topic = found;
    }
    return topic != nullptr ? topic->GetId() : 0;
}

void WriteProgramIni(const std::string& text) {
    std::ofstream(ProgramIniPath(), std::ios::binary | std::ios::trunc) << text;
}

FakeWindowHost::FakeWindowHost() : m_manager(std::make_unique<CDocManager>(&m_area)) {
    m_area.resize(900, 700);
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_OPEN_REPERTORY_ORRESTAD, ID_OPEN_REPERTORY_HALDEN,
                   ID_OPEN_MATERIA_MEDICA, ID_SEARCH})
        m_commands.Register(id, QString::number(id));
    RouteCommandsToActiveView(m_area, m_commands);
    SetCurrent(this);
}

FakeWindowHost::~FakeWindowHost() {
    SetCurrent(nullptr);
    m_manager.reset();  // closes the documents while the area exists
}

CDialogService& FakeWindowHost::Dialogs() { return CDialogService::Current(); }

FakeCaseHost::FakeCaseHost() {
    SetCurrent(this);
}

FakeCaseHost::~FakeCaseHost() {
    SetCurrent(nullptr);
}

void FakeCaseHost::MarkCaseModified() {
    ++m_marks;
    m_modified = true;
    BroadcastEvent(EV_CASE_MODIFIED);
}

int EventRecorder::Count(unsigned code) const {
    int count = 0;
    for (unsigned c : m_codes) count += c == code ? 1 : 0;
    return count;
}

EditorWindows::EditorWindows() : m_manager(std::make_unique<CDocManager>(&m_area)) {
    m_area.resize(900, 700);
    m_manager->AddTemplate(kEpisodeSlot, editors::MakeEpisodeTemplate());
    m_manager->AddTemplate(kPrescriptionSlot, editors::MakePrescriptionTemplate());
    m_manager->AddTemplate(kPatientInfoSlot, editors::MakePatientInfoTemplate());
    m_manager->AddTemplate(kPractitionerSlot, editors::MakePractitionerTemplate());
}

EditorWindows::~EditorWindows() {
    m_manager.reset();  // closes the documents while the area exists
}

QStringList BlockTexts(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

void MoveToEndOfBlock(CCaseTextEdit& edit, int block) {
    QTextCursor cursor(edit.document()->findBlockByNumber(block));
    cursor.movePosition(QTextCursor::EndOfBlock);
    edit.setTextCursor(cursor);
}

void LoseFocus(QWidget& widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&widget, &out);
}

}  // namespace editors_test
