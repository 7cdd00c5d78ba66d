#include "catalogue/remedy_list_impl.h"

#include <algorithm>

#include "base/files/atomic_file.h"
#include "base/files/path_parts.h"
#include "base/text/case_table.h"
#include "catalogue/catalogue_line.h"

namespace {
constexpr std::size_t kNameBuffer = 4096;  // lookups see at most 4,095 bytes of a name
}

RemedyListImpl::~RemedyListImpl() = default;

int RemedyListImpl::Load(const char* path) {
    std::string directory = base::DirectoryOf(path != nullptr ? path : "");
    int result = LoadSynonyms(base::JoinPath(directory, "remedy_synonyms.txt").c_str());
    BuildNameMap();
    return result;
}

int RemedyListImpl::SaveCatalogue(const char*) {
    return 0;
}

int RemedyListImpl::QueryRemedyNumber(const char*) {
    return -1;
}

int RemedyListImpl::GetRemedyCount() {
    return static_cast<int>(m_remedies.size());
}

Remedy* RemedyListImpl::GetRemedy(int number) {
    if (number < 0 || number >= GetRemedyCount()) return nullptr;
    return m_remedies[static_cast<std::size_t>(number)].get();
}

Remedy* RemedyListImpl::GetRemedyById(int number) {
    return GetRemedy(number);
}

Remedy* RemedyListImpl::FindRemedy(const char* name) {
    if (name == nullptr) return nullptr;
    std::string key(name, std::find(name, name + kNameBuffer - 1, '\0'));
    base::LowerCp1251InPlace(key);
    auto found = m_names.find(key);
    return found == m_names.end() ? nullptr : GetRemedy(found->second);
}

int RemedyListImpl::LoadText(std::string_view content) {
    ReadLines(content);
    BuildNameMap();
    return 1;
}

int RemedyListImpl::LoadSynonyms(const char* path) {
    if (path == nullptr) return 0;
    std::string content;
    if (!base::ReadWholeFile(path, &content)) return 0;
    ReadLines(content);
    return 1;
}

void RemedyListImpl::ReadLines(std::string_view content) {
    for (const auto& line : SplitCatalogueLines(content)) {
        CatalogueLine fields = ParseCatalogueLine(line);
        if (fields.names.size() < 2) continue;
        for (auto& name : fields.names) base::LowerCp1251InPlace(name);
        AddLine(fields.names, fields.attributes);
    }
}

void RemedyListImpl::AddLine(const std::vector<std::string>& names,
                             const std::array<int, 5>& attributes) {
    auto [entry, created] = m_synonyms.try_emplace(names[0]);
    std::vector<std::string>& others = entry->second;
    for (std::size_t i = 1; i < names.size(); ++i)
        if (std::find(others.begin(), others.end(), names[i]) == others.end())
            others.push_back(names[i]);
    if (!created) return;  // a further line of a known remedy: its attributes are ignored
    int number = GetRemedyCount();
    m_remedies.push_back(std::make_unique<RemedyImpl>(number, names[0], names[1], attributes));
}

void RemedyListImpl::BuildNameMap() {
    // Catalogue order: a later remedy takes over a name an earlier one shares.
    for (const auto& remedy : m_remedies) {
        std::string first = remedy->GetShortName();
        m_names[first] = remedy->Number();
        for (const auto& name : m_synonyms[first]) m_names[name] = remedy->Number();
    }
}

int RemedyListImpl::SaveSynonyms(const char* path) {
    if (path == nullptr) return 0;
    std::string text;
    for (const auto& [first, others] : m_synonyms) {
        text += first + '\t';
        for (const auto& name : others) text += name + '\t';
        text += '\n';
    }
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                        text.size());
    return base::WriteFileAtomically(path, bytes, nullptr) ? 1 : 0;
}

const std::vector<std::string>* RemedyListImpl::SynonymsOf(const std::string& firstName) const {
    auto found = m_synonyms.find(firstName);
    return found == m_synonyms.end() ? nullptr : &found->second;
}
