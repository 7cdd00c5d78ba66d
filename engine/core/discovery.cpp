// Discovery: every repertory (*.rpb) and then every materia medica (*.mmb) of
// the program directory, each pass sorted by file name, then the same of the
// user's data folder, is loaded and appended to the source list; a file that
// fails to load is skipped.  The user's copy of a source the program
// directory holds as well is loaded in its place (discovery_plan.h).

#include "core/discovery.h"

#include <fcntl.h>
#include <unistd.h>

#include "base/files/path_parts.h"
#include "base/files/program_directory.h"
#include "base/files/user_folders.h"
#include "base/text/case_table.h"
#include "core/corvela_impl.h"
#include "core/discovery_plan.h"
#include "materia/materia_format.h"
#include "materia/user_article_impl.h"
#include "materia/user_materia_medica_impl.h"
#include "platform/notes.h"
#include "repertory/repertory_impl.h"

namespace {

bool Readable(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace

ResolvedDataFile ResolveDataFile(const std::string& name, const std::string& directory) {
    const std::string full =
        (!name.empty() && name[0] == '/') ? name : base::JoinPath(directory, name);
    const std::string extension = base::LowerCp1251Copy(base::ExtensionOf(name));
    if (!extension.empty()) {
        if (!Readable(full)) return {};
        if (extension == ".rpb") return {full, DataFileKind::kRepertory};
        if (extension == ".mmb") return {full, DataFileKind::kMateriaMedica};
        return {};
    }
    if (Readable(full + ".rpb")) return {full + ".rpb", DataFileKind::kRepertory};
    if (Readable(full + ".mmb")) return {full + ".mmb", DataFileKind::kMateriaMedica};
    return {};
}

void CorvelaImpl::Discover() {
    if (!m_sources.empty() || m_discovering) return;
    m_discovering = true;
    std::vector<std::string> folders{base::ProgramDirectory()};
    const std::string user = base::UserDataDirectory();
    if (!user.empty() && !base::SameDirectory(user, folders.front())) folders.push_back(user);
    // Each file is loaded by its own name and extension, so "kent.v2.rpb"
    // loads and "x.rpb" beside "x.mmb" gives one source of each kind.
    for (const PlannedDataFile& file : PlanDiscovery(folders)) {
        if (LoadDataFile(file.path, file.kind)) {
            if (!file.replaced.empty()) {
                char id[kGuidTextLength + 1];
                FormatGuid(file.id, id);
                PrintNote(std::string("data source ") + id + " is both \"" + file.replaced +
                          "\" and \"" + file.path + "\"; the user's copy is loaded");
            }
        } else if (!file.replaced.empty()) {
            LoadDataFile(file.replaced, file.kind);
        }
    }
    m_discovering = false;
}

bool CorvelaImpl::LoadDataFile(const std::string& path, DataFileKind kind) {
    switch (kind) {
        case DataFileKind::kRepertory:
            return LoadRepertory(path);
        case DataFileKind::kMateriaMedica:
            return LoadMateriaMedica(path);
        case DataFileKind::kNone:
            break;
    }
    return false;
}

bool CorvelaImpl::LoadRepertory(const std::string& path) {
    const int position = NextSourcePosition();
    if (position < 0) return false;
    auto repertory = std::make_unique<RepertoryImpl>();
    repertory->SetPosition(position);
    if (!repertory->Open(path.c_str())) return false;
    AppendSource(std::move(repertory));
    return true;
}

// Loading a materia medica: open it at NextSourcePosition(); keep it as it is
// when its flags carry 0x40, else wrap it by the low six bits (2: a user
// materia medica, 3: a user article collection; any other value keeps it as
// it is); then AppendMateriaMedica, which fills the remedy-to-source table.
bool CorvelaImpl::LoadMateriaMedica(const std::string& path) {
    const int position = NextSourcePosition();
    if (position < 0) return false;
    auto book = std::make_unique<MateriaMedicaImpl>();
    book->SetPosition(position);
    if (!book->Open(path.c_str())) return false;
    const std::uint32_t flags = book->GetFlags() & 0xFF;
    OwnedSource source;
    if ((flags & mmb::kPlainFlag) != 0)
        source = std::move(book);
    else if ((flags & mmb::kKindMask) == mmb::kUserMateriaMedica)
        source = UserMateriaMedicaImpl::Wrap(std::move(book));
    else if ((flags & mmb::kKindMask) == mmb::kUserArticles)
        source = UserArticleImpl::Wrap(std::move(book));
    else
        source = std::move(book);
    AppendMateriaMedica(std::move(source));
    return true;
}
