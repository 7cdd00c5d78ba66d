#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/path_parts.h"

namespace {

void SetError(std::string* error, const std::string& path, const char* what, int code) {
    if (error == nullptr) return;
    *error = "cannot ";
    *error += what;
    *error += " \"" + path + "\": ";
    *error += std::strerror(code);
}

// Creates a temporary file beside target, writes bytes and flushes it to disk.
// Returns its path, or "" after setting *error.
std::string WriteTemporary(const std::string& target, std::span<const std::uint8_t> bytes,
                           std::string* error) {
    std::string pattern = JoinPath(DirectoryOf(target), "." + FileNameOf(target) + ".XXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        SetError(error, target, "create a file beside", errno);
        return {};
    }
    std::string temporary(name.data());
    // mkstemp makes the file private; give it the usual mode under the umask.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            SetError(error, target, "write", n < 0 ? errno : ENOSPC);
            ::close(fd);
            ::unlink(temporary.c_str());
            return {};
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        SetError(error, target, "write", errno);
        ::unlink(temporary.c_str());
        return {};
    }
    return temporary;
}

void RemoveAll(const std::vector<std::string>& temporaries) {
    for (const auto& path : temporaries) ::unlink(path.c_str());
}

}  // namespace

bool WriteFilesAtomically(std::span<const PendingFile> files, std::string* error) {
    for (const auto& file : files) {
        struct stat info {};
        if (::stat(file.path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            SetError(error, file.path, "replace", EISDIR);
            return false;
        }
    }
    std::vector<std::string> temporaries;
    for (const auto& file : files) {
        std::string temporary = WriteTemporary(file.path, file.bytes, error);
        if (temporary.empty()) {
            RemoveAll(temporaries);
            return false;
        }
        temporaries.push_back(temporary);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (std::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0) {
            SetError(error, files[i].path, "replace", errno);
            RemoveAll({temporaries.begin() + static_cast<long>(i), temporaries.end()});
            return false;
        }
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error) {
    PendingFile file{path, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
    return WriteFilesAtomically(std::span<const PendingFile>(&file, 1), error);
}
