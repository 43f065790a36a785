#include "platform/temp_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace tsy {

bool ReplaceTemporaryFile(const std::filesystem::path& target, std::string_view bytes) {
    if (target.empty() || !target.has_filename()) return false;
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string name = (folder / ".tsy-XXXXXX").string();
    const int fd = mkstemp(name.data());  // O_EXCL: never an existing file or link
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = close(fd) == 0 && ok;
    // rename() replaces a link at the target itself rather than the file it points to.
    if (ok) ok = std::rename(name.c_str(), target.c_str()) == 0;
    if (!ok) unlink(name.c_str());
    return ok;
}

}  // namespace tsy
