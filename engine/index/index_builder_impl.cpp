#include "index/index_builder_impl.h"

#include <climits>

#include "base/files/atomic_file.h"
#include "base/text/case_table.h"
#include "coding/byte_writer.h"
#include "index/index_format.h"

namespace {

// A word as error messages quote it: at most 40 bytes.
std::string Quote(const std::string& word) {
    if (word.size() <= 40) return "\"" + word + "\"";
    return "\"" + word.substr(0, 40) + "...\"";
}

}  // namespace

void IndexBuilderImpl::Begin() {
    Clear();
}

void IndexBuilderImpl::Finish() {}

void IndexBuilderImpl::Clear() {
    m_words.clear();
    m_error.clear();
}

void IndexBuilderImpl::AddWord(const char* word, std::int32_t item) {
    if (word == nullptr) return;
    std::string key(word);
    base::LowerCp1251InPlace(key);
    m_words[std::move(key)].push_back(item);
}

bool IndexBuilderImpl::Check() {
    m_error.clear();
    std::uint64_t size = idx::kHeaderSize + 4 * static_cast<std::uint64_t>(m_words.size());
    for (const auto& [word, postings] : m_words) {
        if (word.size() > idx::kMaxWordBytes) {
            m_error = "word " + Quote(word) + " is " + std::to_string(word.size()) +
                      " bytes long; an index word holds at most 2,047 bytes";
            return false;
        }
        if (postings.size() > idx::kMaxPostings) {
            m_error = "word " + Quote(word) + " occurs " + std::to_string(postings.size()) +
                      " times; an index word holds at most 32,767 postings";
            return false;
        }
        size += idx::kEntryLengthSize + word.size() + 1 + idx::kPostingCountSize +
                idx::kPostingSize * postings.size();
    }
    if (size > static_cast<std::uint64_t>(INT32_MAX)) {
        m_error = "the index would be " + std::to_string(size) +
                  " bytes long; its offsets reach 2,147,483,647 bytes at most";
        return false;
    }
    return true;
}

bool IndexBuilderImpl::Serialize(std::vector<std::uint8_t>* out) {
    if (!Check()) return false;
    ByteWriter writer;
    writer.PutBytes(idx::kMagic, sizeof idx::kMagic);
    writer.PutU32(static_cast<std::uint32_t>(idx::kVersion));
    writer.PutU32(0);
    writer.PutU32(static_cast<std::uint32_t>(m_words.size()));
    writer.PutU32(static_cast<std::uint32_t>(idx::kHeaderSize));
    const std::size_t table = writer.Position();
    for (std::size_t k = 0; k < m_words.size(); ++k) writer.PutU32(0);
    std::size_t slot = table;
    for (const auto& [word, postings] : m_words) {
        writer.PatchU32(slot, static_cast<std::uint32_t>(writer.Position()));
        slot += 4;
        writer.PutCountedString(word);
        writer.PutU16(static_cast<std::uint16_t>(postings.size()));
        for (std::int32_t item : postings) writer.PutU32(static_cast<std::uint32_t>(item));
    }
    *out = writer.Release();
    return true;
}

bool IndexBuilderImpl::Save(const char* path) {
    if (path == nullptr) {
        m_error = "no index path given";
        return false;
    }
    base::PendingFile file{path, {}};
    if (!Serialize(&file.bytes)) return false;
    if (!base::WriteFilesAtomically(std::span<const base::PendingFile>(&file, 1), &m_error))
        return false;
    m_error.clear();
    return true;
}
