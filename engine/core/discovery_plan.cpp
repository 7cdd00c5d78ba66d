#include "core/discovery_plan.h"

#include "coding/header_strings.h"
#include "materia/materia_format.h"
#include "platform/directory_listing.h"
#include "platform/mapped_file.h"
#include "repertory/repertory_format.h"

namespace {

std::vector<PlannedDataFile> FilesOf(const std::string& folder) {
    std::vector<PlannedDataFile> files;
    for (const char* suffix : {".rpb", ".mmb"}) {
        for (const std::string& name : ListFilesWithSuffix(folder, suffix)) {
            ResolvedDataFile file = ResolveDataFile(name, folder);
            if (file.kind != DataFileKind::kNone)
                files.push_back(PlannedDataFile{std::move(file.path), file.kind, {}, {}});
        }
    }
    return files;
}

// The identifiers of the files planned so far, read once each on demand.
class KnownIds {
public:
    explicit KnownIds(const std::vector<PlannedDataFile>& plan) : m_plan(plan) {}

    // The position in the plan, below `limit`, of a not yet replaced file of
    // that kind and identifier; -1 when none.
    long Find(DataFileKind kind, const Guid& id, std::size_t limit) {
        m_ids.resize(m_plan.size());
        m_read.resize(m_plan.size(), false);
        for (std::size_t i = 0; i < limit; ++i) {
            const PlannedDataFile& file = m_plan[i];
            if (file.kind != kind || !file.replaced.empty()) continue;
            if (!m_read[i]) {
                m_read[i] = true;
                if (!ReadDataFileId(file.path, file.kind, &m_ids[i])) m_ids[i] = Guid{};
            }
            if (!m_ids[i].IsNull() && m_ids[i] == id) return static_cast<long>(i);
        }
        return -1;
    }

private:
    const std::vector<PlannedDataFile>& m_plan;
    std::vector<Guid> m_ids;
    std::vector<bool> m_read;
};

}  // namespace

std::vector<PlannedDataFile> PlanDiscovery(const std::vector<std::string>& folders) {
    std::vector<PlannedDataFile> plan;
    KnownIds known(plan);
    for (const std::string& folder : folders) {
        const std::size_t earlier = plan.size();
        for (PlannedDataFile& file : FilesOf(folder)) {
            Guid id;
            const long twin = earlier == 0 || !ReadDataFileId(file.path, file.kind, &id)
                                  ? -1
                                  : known.Find(file.kind, id, earlier);
            if (twin < 0) {
                plan.push_back(std::move(file));
                continue;
            }
            PlannedDataFile& earlierCopy = plan[static_cast<std::size_t>(twin)];
            earlierCopy.replaced = std::move(earlierCopy.path);
            earlierCopy.path = std::move(file.path);
            earlierCopy.id = id;
        }
    }
    return plan;
}

bool ReadDataFileId(const std::string& path, DataFileKind kind, Guid* id) {
    if (kind == DataFileKind::kNone) return false;
    MappedFile file;
    if (!file.Open(path.c_str())) return false;
    const std::size_t header =
        kind == DataFileKind::kRepertory ? rpb::kHeaderSize : mmb::kHeaderSize;
    const std::size_t offsets =
        kind == DataFileKind::kRepertory ? rpb::kStringOffsetsOffset : mmb::kStringOffsetsOffset;
    if (file.Size() < header) return false;
    const char* texts[kHeaderStringCount] = {};
    Guid found;
    if (ReadHeaderStrings(file.Data(), file.Size(), offsets, texts, &found).IsError()) return false;
    if (found.IsNull()) return false;
    *id = found;
    return true;
}
