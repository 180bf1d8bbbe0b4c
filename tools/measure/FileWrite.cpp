#include "tools/measure/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int descriptor, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The mode a file created by open(..., 0666) would get. Reading the umask means setting it, so
// this runs only while the program has a single thread.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string InPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return std::strerror(errno);
    const bool written = WriteAll(descriptor, bytes);
    const int error = errno;
    if (::close(descriptor) != 0 && written)
        return std::strerror(errno);
    return written ? "" : std::strerror(error);
}

// A symbolic link is written through, as opening it would, rather than replaced by a file.
std::string Replaced(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::error_code unresolved;
    std::filesystem::path target = std::filesystem::weakly_canonical(path, unresolved);
    if (unresolved)
        target = path;
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return std::strerror(errno);
    bool done = ::fchmod(descriptor, NewFileMode()) == 0 && WriteAll(descriptor, bytes) &&
                ::fsync(descriptor) == 0;
    int error = errno;
    if (::close(descriptor) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done)
        ::unlink(temporary.c_str());
    return done ? "" : std::strerror(error);
}

} // namespace

std::string WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode))
        return InPlace(path, bytes);
    return Replaced(path, bytes);
}
