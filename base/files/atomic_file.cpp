#include "base/files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/files/path_parts.h"

namespace base {
namespace {

// One file of a set: its target and its new content.
struct FileView {
    const std::string& path;
    std::span<const std::uint8_t> bytes;
};

// Sets *error and errno for a failure of `what` on `path`.
void Fail(std::string* error, const std::string& path, const char* what, int code) {
    if (error != nullptr) {
        *error = "cannot ";
        *error += what;
        *error += " \"" + path + "\": ";
        *error += std::strerror(code);
    }
    errno = code;
}

// The folder a path's temporary file goes to ("." for a bare name).
std::string FolderOf(const std::string& path) {
    const std::string folder = DirectoryOf(path);
    return folder.empty() ? std::string(".") : folder;
}

// The permission bits the new file of `path` gets.
mode_t NewFileMode(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a temporary file beside target, writes bytes and flushes it to disk.
// Returns its path, or "" after Fail.
std::string WriteTemporary(const std::string& target, std::span<const std::uint8_t> bytes,
                           std::string* error) {
    std::string temporary = JoinPath(FolderOf(target), "." + FileNameOf(target) + ".XXXXXX");
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        Fail(error, target, "create a file beside", errno);
        return {};
    }
    // mkstemp makes the file private; give it the mode the target should have.
    if (::fchmod(fd, NewFileMode(target)) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        Fail(error, target, "write", code);
        return {};
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        Fail(error, target, "write", code);
        return {};
    }
    return temporary;
}

void RemoveAll(std::span<const std::string> temporaries) {
    const int saved = errno;
    for (const auto& path : temporaries) ::unlink(path.c_str());
    errno = saved;
}

// Makes the renames in `folder` durable; a folder that cannot be flushed is no failure.
void FlushFolder(const std::string& folder) {
    const int saved = errno;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    errno = saved;
}

bool WriteAtomically(std::span<const FileView> files, std::string* error) {
    for (const auto& file : files) {
        struct stat info {};
        if (file.path.empty()) {
            Fail(error, file.path, "write", ENOENT);
            return false;
        }
        if (::stat(file.path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            Fail(error, file.path, "replace", EISDIR);
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
        temporaries.push_back(std::move(temporary));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (std::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0) {
            Fail(error, files[i].path, "replace", errno);
            RemoveAll(std::span<const std::string>(temporaries).subspan(i));
            return false;
        }
    }
    std::string flushed;
    for (const auto& file : files) {
        const std::string folder = FolderOf(file.path);
        if (folder != flushed) FlushFolder(folder);
        flushed = folder;
    }
    return true;
}

}  // namespace

bool WriteFilesAtomically(std::span<const PendingFile> files, std::string* error) {
    std::vector<FileView> views;
    views.reserve(files.size());
    for (const auto& file : files) views.push_back({file.path, file.bytes});
    return WriteAtomically(views, error);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error) {
    const FileView file{path, bytes};
    return WriteAtomically(std::span<const FileView>(&file, 1), error);
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(content.data());
    return WriteFileAtomically(path, std::span<const std::uint8_t>(data, content.size()), error);
}

bool ReadWholeFile(const std::string& path, std::string* content, std::string* error) {
    content->clear();
    auto fail = [&](int code) {
        if (error != nullptr) *error = "cannot read " + path + ": " + std::strerror(code);
        errno = code;
        return false;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(errno);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int code = errno;
            ::close(fd);
            content->clear();
            return fail(code);
        }
        if (got == 0) break;
        content->append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return true;
}

}  // namespace base
