#include "tools/gallery/FormFile.h"

#include "framework/core/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw EFOpenError("Cannot " + what + " file \"" + path + "\". " +
                      std::strerror(errno ? errno : EIO));
}

} // namespace

std::string ReadFormFile(const std::string& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("open", path);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        Fail("read", path);
    return text.str();
}

void WriteFormFile(const std::string& path, const std::string& text) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        Fail("create", path);
    out << text;
    out.flush();
    if (!out)
        Fail("write", path);
}
