#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {
// What an empty view points at, so that Data() is never null while open.
const std::uint8_t kEmpty[1] = {0};
}  // namespace

MappedFile::~MappedFile() {
    Close();
}

MappedFile::MappedFile(MappedFile&& other) noexcept {
    *this = std::move(other);
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this == &other) return *this;
    Close();
    m_mapped = other.m_mapped;
    m_size = other.m_size;
    m_buffer = std::move(other.m_buffer);
    if (other.m_data == nullptr)
        m_data = nullptr;
    else if (m_mapped || other.m_data == kEmpty)
        m_data = other.m_data;
    else
        m_data = m_buffer.data();
    other.m_data = nullptr;
    other.m_size = 0;
    other.m_mapped = false;
    other.m_buffer.clear();
    return *this;
}

bool MappedFile::Open(const char* path) {
    Close();
    if (path == nullptr) return false;
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
        ::close(fd);
        m_data = kEmpty;
        return true;
    }
    void* view = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);  // the mapping keeps the file
    if (view == MAP_FAILED) return false;
    m_data = static_cast<const std::uint8_t*>(view);
    m_size = size;
    m_mapped = true;
    return true;
}

MappedFile MappedFile::FromBytes(std::vector<std::uint8_t> bytes) {
    MappedFile file;
    file.m_buffer = std::move(bytes);
    file.m_size = file.m_buffer.size();
    file.m_data = file.m_buffer.empty() ? kEmpty : file.m_buffer.data();
    return file;
}

void MappedFile::Close() {
    if (m_mapped && m_data != nullptr) ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
    m_data = nullptr;
    m_size = 0;
    m_mapped = false;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
}
