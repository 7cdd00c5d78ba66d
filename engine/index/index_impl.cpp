#include "index/index_impl.h"

#include <utility>

#include "coding/little_endian.h"
#include "index/index_format.h"

bool IndexImpl::Open(const char* path) {
    Close();
    MappedFile file;
    if (!file.Open(path)) return Fail(LoadFault::kCannotOpen, 0);
    return OpenMapped(std::move(file));
}

bool IndexImpl::OpenMapped(MappedFile file) {
    Close();
    m_file = std::move(file);
    if (!m_file.IsOpen()) return Fail(LoadFault::kCannotOpen, 0);
    return Validate();
}

void IndexImpl::Close() {
    m_file.Close();
    m_count = 0;
    m_table = 0;
    m_error = {};
}

bool IndexImpl::Fail(LoadFault fault, std::uint64_t offset) {
    m_file.Close();
    m_count = 0;
    m_table = 0;
    m_error = {fault, offset};
    return false;
}

bool IndexImpl::Validate() {
    const std::uint8_t* data = m_file.Data();
    const std::uint64_t size = m_file.Size();
    if (size < idx::kHeaderSize) return Fail(LoadFault::kTooShort, size);
    std::int32_t count = ReadI32(data + idx::kEntryCountOffset);
    std::int32_t table = ReadI32(data + idx::kTableOffsetOffset);
    if (count < 0) return Fail(LoadFault::kBadEntryTable, idx::kEntryCountOffset);
    if (table < 0 || static_cast<std::uint64_t>(table) + 4ull * count > size)
        return Fail(LoadFault::kBadEntryTable, idx::kTableOffsetOffset);
    for (std::int32_t k = 0; k < count; ++k) {
        const std::uint64_t slot = static_cast<std::uint64_t>(table) + 4ull * k;
        std::int32_t entry = ReadI32(data + slot);
        if (entry < 0 || static_cast<std::uint64_t>(entry) + idx::kEntryLengthSize > size)
            return Fail(LoadFault::kBadEntry, slot);
        std::int16_t length = ReadI16(data + entry);
        const std::uint64_t word = static_cast<std::uint64_t>(entry) + idx::kEntryLengthSize;
        if (length < 1 || word + length > size || data[word + length - 1] != 0)
            return Fail(LoadFault::kBadEntry, static_cast<std::uint64_t>(entry));
        const std::uint64_t countAt = word + length;
        if (countAt + idx::kPostingCountSize > size) return Fail(LoadFault::kBadPostings, countAt);
        std::int16_t postings = ReadI16(data + countAt);
        if (postings < 0 || countAt + idx::kPostingCountSize +
                                    idx::kPostingSize * static_cast<std::uint64_t>(postings) >
                                size)
            return Fail(LoadFault::kBadPostings, countAt);
    }
    m_count = static_cast<unsigned>(count);
    m_table = static_cast<std::size_t>(table);
    m_error = {};
    return true;
}

const std::uint8_t* IndexImpl::Entry(unsigned k) const {
    if (k >= m_count) return nullptr;
    return m_file.Data() + ReadI32(m_file.Data() + m_table + 4 * static_cast<std::size_t>(k));
}

const char* IndexImpl::GetWord(unsigned k) {
    const std::uint8_t* entry = Entry(k);
    return entry == nullptr ? nullptr
                            : reinterpret_cast<const char*>(entry + idx::kEntryLengthSize);
}

int IndexImpl::GetPostingCount(unsigned k) {
    const std::uint8_t* entry = Entry(k);
    if (entry == nullptr) return 0;
    return ReadI16(entry + idx::kEntryLengthSize + ReadI16(entry));
}

std::int32_t IndexImpl::GetPosting(unsigned k, int j) {
    const std::uint8_t* entry = Entry(k);
    if (entry == nullptr || j < 0) return -1;
    const std::uint8_t* countAt = entry + idx::kEntryLengthSize + ReadI16(entry);
    if (j >= ReadI16(countAt)) return -1;
    return ReadI32(countAt + idx::kPostingCountSize +
                   idx::kPostingSize * static_cast<std::size_t>(j));
}
