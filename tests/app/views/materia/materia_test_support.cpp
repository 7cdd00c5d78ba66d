#include "materia_test_support.h"

#include <corvela.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "materia_compiler.h"
#include "materia_source.h"
#include "model/core/program_exports.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/language.h"
#include "plumbing/documents/child_frame.h"
#include "base/files/atomic_file.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_window.h"
#include "views/materia/user_materia_medicas.h"

namespace fs = std::filesystem;

// The program exports its string lookup; the tests do the same, so that the
// window's texts pass through the language as in the program.
extern "C" const char* LocalizeString(const char* text, int whole) {
    return CLanguage::Get().LocalizeString(text, whole);
}

namespace materia_test {
namespace {

std::string g_home;

void RemoveHome() {
    std::error_code ignored;
    if (!g_home.empty()) fs::remove_all(g_home, ignored);
}

bool MakeHome() {
    if (!g_home.empty()) return true;
    std::string pattern = (fs::temp_directory_path() / "meridane-materia-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return false;
    g_home = pattern;
    std::atexit(RemoveHome);
    ::setenv("MERIDANE_HOME", g_home.c_str(), 1);
    // The user's folders of a scratch of their own.
    for (const char* folder : {"config", "data", "runtime"}) fs::create_directories(g_home + "/" + folder);
    ::setenv("XDG_CONFIG_HOME", (g_home + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (g_home + "/data").c_str(), 1);
    ::setenv("MERIDANE_DATA", (g_home + "/data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (g_home + "/runtime").c_str(), 1);
    fs::permissions(g_home + "/runtime", fs::perms::owner_all);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
}

}  // namespace

Guid Id(const char* text) {
    Guid id;
    ParseGuid(text, &id);
    return id;
}

void PrepareDemoHome() {
    if (!MakeHome()) return;
    const fs::path program(MERIDANE_PROGRAM_DIR);
    for (const auto& entry : fs::directory_iterator(program)) {
        const std::string name = entry.path().filename().string();
        const std::string extension = entry.path().extension().string();
        if (name.rfind("demo_", 0) == 0 &&
            (extension == ".mmb" || extension == ".rpb" || extension == ".idx"))
            fs::copy_file(entry.path(), g_home + "/" + name);
    }
    for (const char* name : {"remedy_synonyms.txt", "meridane.ini", "english.lng", "russian.lng"})
        fs::copy_file(program / name, g_home + "/" + name);
}

bool PrepareBoerickeHome(std::string* why) {
    const std::string shared = MERIDANE_SHARED_DATA_DIR;
    if (!fs::exists(shared + "/boericke.mms") || !fs::exists(shared + "/remedy_synonyms.txt")) {
        *why = "the shared data is not there";
        return false;
    }
    if (!MakeHome()) {
        *why = "no scratch folder";
        return false;
    }
    fs::copy_file(shared + "/remedy_synonyms.txt", g_home + "/remedy_synonyms.txt");
    fs::copy_file(fs::path(MERIDANE_PROGRAM_DIR) / "english.lng", g_home + "/english.lng");
    std::string text;
    corvela_sources::MateriaMedicaSource source;
    corvela_sources::SourceError error;
    if (!base::ReadWholeFile(shared + "/boericke.mms", &text, why)) return false;
    if (!corvela_sources::ParseMateriaMedicaSource(text, shared + "/boericke.mms", &source, &error)) {
        *why = error.ToString();
        return false;
    }
    const std::string output = g_home + "/boericke.mmb";
    const auto result = corvela_sources::CompileMateriaMedica(source, CorvelaInstance(), output.c_str());
    if (!result.saved) {
        *why = result.error;
        return false;
    }
    RestartEngine();
    return true;
}

QString HomePath(const QString& name) {
    const QString home = QString::fromStdString(g_home);
    return name.isEmpty() ? home : home + QLatin1Char('/') + name;
}

int RemedyNumber(const char* name) {
    Remedy* remedy = CorvelaInstance().FindRemedy(name);
    return remedy != nullptr ? static_cast<int>(remedy->GetId()) : -1;
}

TestHost::TestHost()
    : m_settings(HomePath(QStringLiteral("meridane.ini")).toStdString()),
      m_documents(std::make_unique<CDocManager>(&m_area)) {
    m_area.resize(1200, 760);
    m_commands.Register(ID_OPEN_MATERIA_MEDICA, QStringLiteral("Materia Medica"));
    CWindowHost::SetCurrent(this);
    CCaseHost::SetCurrent(this);
    RegisterMateriaMedicaWindow(*this);
}

TestHost::~TestHost() {
    m_documents.reset();
    CWindowHost::SetCurrent(nullptr);
    CCaseHost::SetCurrent(nullptr);
}

void TestHost::MarkCaseModified() {
    ++m_marks;
    m_modified = true;
    BroadcastEvent(EV_CASE_MODIFIED);
}

CMateriaMedicaDoc* TestHost::Open(int remedy, const char* book) {
    return qobject_cast<CMateriaMedicaDoc*>(OpenRemedy(remedy, Id(book)));
}

CMateriaMedicaPadView* TestHost::View(CMateriaMedicaDoc* document) const {
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    return qobject_cast<CMateriaMedicaPadView*>(document->Frames().front()->widget());
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void RestartEngine() {
    CorvelaInstance().CloseAll();
    materia::CUserMateriaMedicas::Get().Forget();
    CorvelaInstance().GetDataSourceCount();
}

}  // namespace materia_test
