#include "materia/materia_medica_impl.h"

#include <utility>

MateriaMedicaImpl::MateriaMedicaImpl() {
    Reset();
}

MateriaMedicaImpl::~MateriaMedicaImpl() = default;

void MateriaMedicaImpl::Reset() {
    m_guid = Guid{};
    m_flags = 0;
    for (auto& text : m_texts) text = "";
    m_byRemedy.clear();
    m_articles.clear();
    m_index.Close();
    m_file.Close();
    m_path.clear();
    m_error = {};
}

bool MateriaMedicaImpl::Fail(LoadFault fault, std::uint64_t offset) {
    LoadError error{fault, offset};
    Reset();
    m_error = error;
    return false;
}

bool MateriaMedicaImpl::Open(const char* path) {
    MappedFile file;
    if (path == nullptr || !file.Open(path)) return Fail(LoadFault::kCannotOpen, 0);
    return OpenMapped(std::move(file), path);
}

Article* MateriaMedicaImpl::GetArticle(int number) {
    if (number < 0 || number >= GetArticleCount()) return nullptr;
    return &m_articles[static_cast<std::size_t>(number)];
}

Article* MateriaMedicaImpl::GetArticleById(std::uint32_t id) {
    std::uint32_t number = ItemNumber(id);
    return number < m_articles.size() ? &m_articles[number] : nullptr;
}

Article* MateriaMedicaImpl::FindArticle(int remedy) {
    auto found = m_byRemedy.find(remedy);
    return found == m_byRemedy.end() ? nullptr : found->second;
}
