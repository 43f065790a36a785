#include "platform/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tsy {
namespace {

std::string Reason(const std::filesystem::path& path, int err) {
    return path.string() + ": " + std::strerror(err);
}

}  // namespace

bool SaveFileSafely(const std::filesystem::path& target,
                    const std::function<bool(std::FILE*)>& write, std::string* error,
                    Durability durability) {
    std::string dummy;
    std::string& err = error ? *error : dummy;
    if (target.empty()) {
        err = "No file name.";
        return false;
    }
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        err = Reason(target, errno);
        return false;
    }
    // mkstemp creates 0600; a saved file gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        err = Reason(target, errno);
        close(fd);
        unlink(tmpl.c_str());
        return false;
    }
    bool ok = write(f);
    if (!ok && err.empty()) err = target.string() + ": writing failed";
    if (ok &&
        (std::fflush(f) != 0 || (durability == Durability::Flushed && fsync(fileno(f)) != 0))) {
        err = Reason(target, errno);
        ok = false;
    }
    if (std::fclose(f) != 0 && ok) {
        err = Reason(target, errno);
        ok = false;
    }
    if (ok && std::rename(tmpl.c_str(), target.c_str()) != 0) {
        err = Reason(target, errno);
        ok = false;
    }
    if (!ok) unlink(tmpl.c_str());
    return ok;
}

bool SaveBytesSafely(const std::filesystem::path& target, std::string_view bytes,
                     std::string* error, Durability durability) {
    return SaveFileSafely(
        target,
        [&](std::FILE* f) { return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(); },
        error, durability);
}

}  // namespace tsy
