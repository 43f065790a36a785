#include "cli/message_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tsy {

MessageFileResult ReadMessageFile(const std::filesystem::path& path) {
    MessageFileResult r;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::string reason = std::strerror(errno);
        if (reason.size() > 4000) reason.resize(4000);
        r.error = "File could not be opened \r\n " + reason;
        return r;
    }
    char buf[kMaxMessageFileBytes + 1];
    const std::size_t n = std::fread(buf, 1, sizeof buf, f);
    const bool readError = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (readError) {
        r.error = std::string("File could not be opened \r\n ") + std::strerror(err);
        return r;
    }
    if (n > kMaxMessageFileBytes) {
        r.error = "File too large. The maximum number of \r\nbytes allowed is " +
                  std::to_string(kMaxMessageFileBytes) + ".";
        return r;
    }
    r.ok = true;
    r.bytes.assign(buf, n);
    return r;
}

}  // namespace tsy
