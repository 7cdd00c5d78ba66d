// A read-only view of a whole file: a POSIX memory mapping, or a byte buffer
// that tests hand in to build, truncate and corrupt files in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps an existing regular file read-only.  False when it cannot be opened,
    // is not a regular file or cannot be mapped; the view is then closed.  An
    // empty file opens with Size() 0.
    bool Open(const char* path);
    // The same view over bytes held in memory.
    static MappedFile FromBytes(std::vector<std::uint8_t> bytes);
    // Unmaps (or frees the buffer); afterwards IsOpen is false and Size 0.
    void Close();

    bool IsOpen() const { return m_data != nullptr; }
    // The first byte; never null while open (also for an empty file).
    const std::uint8_t* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_mapped = false;               // m_data came from mmap
    std::vector<std::uint8_t> m_buffer;  // backs m_data when not mapped
};
