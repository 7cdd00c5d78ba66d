// A loaded word index, read in place from a read-only mapping.  Open checks
// that the entry table and every entry lie inside the file, so the accessors
// never read outside it.
#pragma once

#include <cstdint>

#include "coding/load_error.h"
#include "corvela/index.h"
#include "platform/mapped_file.h"

class IndexImpl final : public Index {
public:
    IndexImpl() = default;
    ~IndexImpl() override = default;

    // Maps the file and validates it; false (GetLoadError says why) when it is
    // missing, cannot be mapped or does not hold together.  Magic and version
    // are not examined.
    bool Open(const char* path) override;
    // The same over a view the caller has made (tests use a byte buffer).
    bool OpenMapped(MappedFile file);
    void Close();
    bool IsOpen() const { return m_file.IsOpen(); }

    unsigned GetWordCount() override { return m_count; }
    // Entry positions at or beyond the word count answer null, 0 and -1.
    const char* GetWord(unsigned k) override;
    int GetPostingCount(unsigned k) override;
    std::int32_t GetPosting(unsigned k, int j) override;

    const LoadError& GetLoadError() const { return m_error; }

private:
    bool Validate();
    bool Fail(LoadFault fault, std::uint64_t offset);
    const std::uint8_t* Entry(unsigned k) const;

    MappedFile m_file;
    unsigned m_count = 0;     // 0 while nothing is open
    std::size_t m_table = 0;  // file offset of the entry table
    LoadError m_error;
};
