#include "repertory/repertory_impl.h"

#include <utility>

#include "coding/little_endian.h"

RepertoryImpl::RepertoryImpl() {
    Reset();
}

RepertoryImpl::~RepertoryImpl() = default;

void RepertoryImpl::Reset() {
    m_guid = Guid{};
    m_flags = 0;
    for (auto& text : m_texts) text = "";
    m_topics.clear();
    m_remedyLists.clear();
    m_index.Close();
    m_file.Close();
    m_path.clear();
    m_error = {};
}

bool RepertoryImpl::Fail(LoadFault fault, std::uint64_t offset) {
    LoadError error{fault, offset};
    Reset();
    m_error = error;
    return false;
}

bool RepertoryImpl::Open(const char* path) {
    MappedFile file;
    if (path == nullptr || !file.Open(path)) return Fail(LoadFault::kCannotOpen, 0);
    return OpenMapped(std::move(file), path);
}

Topic* RepertoryImpl::GetRoot() {
    return m_topics.empty() ? nullptr : &m_topics.front();
}

Topic* RepertoryImpl::GetTopic(std::uint32_t id) {
    std::uint32_t number = ItemNumber(id);
    return number < m_topics.size() ? &m_topics[number] : nullptr;
}

void RepertoryImpl::GetTopicsOfRemedy(int remedy, std::vector<std::int32_t>& out) const {
    auto found = m_remedyLists.find(remedy);
    if (found == m_remedyLists.end()) return;
    const std::uint8_t* list = m_file.Data() + found->second;
    std::uint32_t count = ReadU32(list);
    out.reserve(out.size() + count);
    for (std::uint32_t i = 0; i < count; ++i)
        out.push_back(ReadI32(list + 4 + 4 * static_cast<std::size_t>(i)));
}
