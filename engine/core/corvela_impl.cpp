#include "core/corvela_impl.h"

#include <cstring>

#include "base/files/path_parts.h"
#include "base/files/program_directory.h"
#include "core/search_bridge.h"
#include "materia/user_article_impl.h"
#include "materia/user_materia_medica_impl.h"
#include "platform/random_guid.h"

namespace {
constexpr unsigned kMaxSources = 1u << (32 - kItemPositionShift);  // 1,024
constexpr std::size_t kNameCompareBytes = 256;
}  // namespace

CorvelaImpl::CorvelaImpl()
    : m_repertoryBuilder(m_catalogue, m_indexBuilder),
      m_materiaMedicaBuilder(m_catalogue, m_indexBuilder) {
    // The catalogue uses only the directory part of the path it is given.
    m_catalogue.Load(base::JoinPath(base::ProgramDirectory(), "remedies.txt").c_str());
    m_remedySources.Resize(m_catalogue.GetRemedyCount());
}

CorvelaImpl::~CorvelaImpl() {
    CloseAll();
}

unsigned CorvelaImpl::GetDataSourceCount() {
    Discover();
    return static_cast<unsigned>(m_sources.size());
}

DataSource* CorvelaImpl::GetDataSource(unsigned position) {
    Discover();
    return position < m_sources.size() ? m_sources[position].get() : nullptr;
}

DataSource* CorvelaImpl::FindDataSource(const Guid* id) {
    Discover();
    if (id == nullptr) return nullptr;
    for (const auto& source : m_sources)
        if (*source->GetGuid() == *id) return source.get();
    return nullptr;
}

DataSource* CorvelaImpl::GetDataSourceOfItem(std::uint32_t itemId) {
    return GetDataSource(ItemPosition(itemId));
}

DataSource* CorvelaImpl::FindDataSourceByName(const char* name) {
    Discover();
    if (name == nullptr) return nullptr;
    for (const auto& source : m_sources) {
        const char* own = source->GetName();
        if (own != nullptr && std::strncmp(own, name, kNameCompareBytes) == 0) return source.get();
    }
    return nullptr;
}

bool CorvelaImpl::Search(const SearchQuery* query) {
    Discover();
    m_results.clear();
    if (query == nullptr) return false;
    return RunSearch(query, this);
}

const SearchHit* CorvelaImpl::GetResult(int position) {
    if (position < 0 || position >= GetResultCount()) return nullptr;
    return &m_results[static_cast<std::size_t>(position)];
}

bool CorvelaImpl::AnalyzeQuery(const SearchQuery* query, QueryMarkup* markup) {
    if (query == nullptr || markup == nullptr) return false;
    return RunAnalyzeQuery(query, markup);
}

MateriaMedicaBuilder* CorvelaImpl::GetMateriaMedicaBuilder() {
    return &m_materiaMedicaBuilder;
}

void CorvelaImpl::GetRemedySource(int remedy, int column, Guid* out) {
    m_remedySources.Get(remedy, column, out);
}

// A user source created before the first discovery would leave the list not
// empty and hide every data file, so discovery runs first.
DataSource* CorvelaImpl::CreateUserMateriaMedica() {
    Discover();
    const int position = NextSourcePosition();
    if (position < 0) return nullptr;
    auto source = std::make_unique<UserMateriaMedicaImpl>();
    source->SetGuid(NewRandomGuid());
    source->SetPosition(position);
    DataSource* created = source.get();
    AppendSource(std::move(source));
    return created;
}

DataSource* CorvelaImpl::CreateUserArticleCollection() {
    Discover();
    const int position = NextSourcePosition();
    if (position < 0) return nullptr;
    auto source = std::make_unique<UserArticleImpl>();
    const Guid id = NewRandomGuid();
    source->SetGuid(&id);
    source->SetPosition(position);
    DataSource* created = source.get();
    AppendSource(std::move(source));
    return created;
}

void CorvelaImpl::CloseAll() {
    SaveDataSourceList();
    m_results.clear();
    ForgetSearchSources();  // before the sources it keeps word tables of go
    m_sources.clear();
    m_remedySources.ClearRows();
}

bool CorvelaImpl::OnFound(const SearchHit& hit) {
    m_results.push_back(hit);
    return true;
}

void CorvelaImpl::AddRemedySource(int remedy, DataSource* source) {
    if (source != nullptr) m_remedySources.AddUnique(remedy, *source->GetGuid());
}

void CorvelaImpl::AppendRemedySource(int remedy, DataSource* source) {
    if (source != nullptr) m_remedySources.Append(remedy, *source->GetGuid());
}

void CorvelaImpl::RemoveRemedySource(int remedy, DataSource* source) {
    if (source != nullptr) m_remedySources.Remove(remedy, *source->GetGuid());
}

int CorvelaImpl::NextSourcePosition() const {
    return m_sources.size() < kMaxSources ? static_cast<int>(m_sources.size()) : -1;
}

void CorvelaImpl::AppendSource(OwnedSource source) {
    if (source != nullptr) m_sources.push_back(std::move(source));
}

void CorvelaImpl::AppendMateriaMedica(OwnedSource source) {
    if (source == nullptr) return;
    DataSource* appended = source.get();
    m_sources.push_back(std::move(source));
    if (appended->GetType() != kSourceMateriaMedica) return;
    auto* book = static_cast<MateriaMedica*>(appended);
    const Guid id = *appended->GetGuid();
    for (int i = 0; i < book->GetArticleCount(); ++i) {
        Article* article = book->GetArticle(i);
        if (article != nullptr && article->GetRemedy() != -1)
            m_remedySources.Append(article->GetRemedy(), id);
    }
}
