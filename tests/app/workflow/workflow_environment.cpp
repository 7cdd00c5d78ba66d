#include "workflow_environment.h"

#include <corvela.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "base/files/atomic_file.h"
#include "materia_compiler.h"
#include "repertory_compiler.h"
#include "scratch_directory.h"

namespace fs = std::filesystem;

namespace workflow {
namespace {

// Set in the run inside the scratch folder: the folder's path.
constexpr const char* kScratchVariable = "MERIDANE_WORKFLOW_SCRATCH";

// The folder, in the run inside it.
std::string g_scratch;
// The folder, in the first run, which removes it.
std::optional<ScratchDirectory> g_owned;

// Ends the first run without the exit handlers: its engine must not write
// its list of sources into the folder just removed.
[[noreturn]] void EndFirstRun(int status) {
    g_owned.reset();
    std::fflush(nullptr);
    ::_exit(status);
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "workflow test: %s\n", what.c_str());
    EndFirstRun(1);
}

std::string SharedFile(const char* name) {
    return (fs::path(MERIDANE_SHARED_DATA_DIR) / name).string();
}

bool SharedDataPresent() {
    if (const char* demo = ::getenv("MERIDANE_WORKFLOW_DEMO"); demo != nullptr && *demo == '1')
        return false;
    for (const char* name : {"kent.rps", "boericke.mms", "remedy_synonyms.txt"})
        if (!fs::exists(SharedFile(name))) return false;
    return true;
}

// The program directory of a practitioner's installation: the build's
// configuration and language files, and either its demo data with the demo
// catalogue or the shared catalogue alone.
void FillProgramDirectory(const fs::path& home, bool shared) {
    for (const fs::directory_entry& entry : fs::directory_iterator(MERIDANE_PROGRAM_DIR)) {
        const std::string extension = entry.path().extension().string();
        const std::string name = entry.path().filename().string();
        const bool runtime = extension == ".ini" || extension == ".lng";
        const bool demo = extension == ".rpb" || extension == ".mmb" || extension == ".idx" ||
                          name == "remedy_synonyms.txt";
        if (runtime || (demo && !shared)) fs::copy_file(entry.path(), home / name);
    }
    if (shared) fs::copy_file(SharedFile("remedy_synonyms.txt"), home / "remedy_synonyms.txt");
}

// The practitioner's own settings over the program's: the English repertory
// and the materia medica of the ribbon are Kent and Boericke.
void WriteUserSettings(const fs::path& config) {
    fs::create_directories(config / "meridane");
    std::FILE* file = std::fopen((config / "meridane" / "meridane.ini").c_str(), "wb");
    if (file == nullptr) Fail("cannot write the user's meridane.ini");
    std::fputs(
        "[Sources]\r\n"
        "RepertoryHalden=480F689C-90DE-450E-8425-D6EBC094EEC0\r\n"
        "DefMateriaMedica=B73C7BEC-DFF1-44F4-B7AC-5C784D4D8AAB\r\n",
        file);
    std::fclose(file);
}

}  // namespace

void EnterScratchRun(char** argv) {
    if (const char* scratch = ::getenv(kScratchVariable); scratch != nullptr && *scratch != 0) {
        g_scratch = scratch;
        return;
    }
    g_owned.emplace();
    if (g_owned->Path().empty()) Fail("cannot make a scratch folder");
    g_scratch = g_owned->Path();
    const fs::path root(g_scratch);
    for (const char* folder : {"home", "data", "config", "xdg-data", "runtime", "cases"})
        fs::create_directories(root / folder);
    fs::permissions(root / "runtime", fs::perms::owner_all);
    const bool shared = SharedDataPresent();
    FillProgramDirectory(root / "home", shared);
    if (shared) WriteUserSettings(root / "config");
    ::setenv("MERIDANE_HOME", (root / "home").c_str(), 1);
    ::setenv("MERIDANE_DATA", (root / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root / "xdg-data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv(kScratchVariable, g_scratch.c_str(), 1);
    std::fflush(nullptr);
    const pid_t run = ::fork();
    if (run < 0) Fail("cannot start the test program again");
    if (run == 0) {
        ::execv("/proc/self/exe", argv);
        std::perror("workflow test: cannot start the test program again");
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(run, &status, 0) < 0) {
        if (errno != EINTR) Fail("lost the test run");
    }
    EndFirstRun(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

bool UsesSharedData() {
    return fs::exists(fs::path(g_scratch) / "config" / "meridane" / "meridane.ini");
}

bool CompileSharedData(std::string* why) {
    if (!UsesSharedData()) return true;
    const std::string data = (fs::path(g_scratch) / "data").string();
    std::string text;
    corvela_sources::SourceError error;

    corvela_sources::RepertorySource repertory;
    if (!base::ReadWholeFile(SharedFile("kent.rps"), &text, why)) return false;
    if (!corvela_sources::ParseRepertorySource(text, SharedFile("kent.rps"), &repertory, &error)) {
        *why = error.ToString();
        return false;
    }
    const std::string kent = data + "/kent.rpb";
    corvela_sources::CompileResult result =
        corvela_sources::CompileRepertory(repertory, CorvelaInstance(), kent.c_str());
    if (!result.saved) {
        *why = "cannot compile Kent: " + result.error;
        return false;
    }

    corvela_sources::MateriaMedicaSource materia;
    if (!base::ReadWholeFile(SharedFile("boericke.mms"), &text, why)) return false;
    if (!corvela_sources::ParseMateriaMedicaSource(text, SharedFile("boericke.mms"), &materia,
                                                   &error)) {
        *why = error.ToString();
        return false;
    }
    const std::string boericke = data + "/boericke.mmb";
    result = corvela_sources::CompileMateriaMedica(materia, CorvelaInstance(), boericke.c_str());
    if (!result.saved) {
        *why = "cannot compile Boericke: " + result.error;
        return false;
    }
    return true;
}

QString ScratchPath(const QString& name) {
    return QDir(QString::fromStdString(g_scratch)).filePath(name);
}

DataSet CurrentDataSet() {
    if (UsesSharedData()) return {QStringLiteral("Kent"), "REP_KENT"};
    return {QStringLiteral("Meridane team"), "REP_DEMO"};
}

}  // namespace workflow
