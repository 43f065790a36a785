#include "platform/safe_file.h"
#include "platform/error_text.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>
#include <string_view>
#include <vector>

namespace tsy {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxSymlinks = 40;

// Temporary names carry the writer's process id, so a later save can tell a leftover of a
// killed run from the file of one still writing.
std::string TemporaryPrefix(const fs::path& path) {
    // Appended, not "." + name: GCC 12 reports a false -Wrestrict on the operator+ form at -O3.
    std::string prefix(1, '.');
    prefix.append(path.filename().string()).append(".tsy-");
    return prefix;
}

fs::path TemporaryName(const fs::path& path, const char* tail) {
    return path.parent_path() / (TemporaryPrefix(path) + std::to_string(getpid()) + "-" + tail);
}

fs::path Folder(const fs::path& path) {
    return path.parent_path().empty() ? fs::path(".") : path.parent_path();
}

// A link target that is relative counts from the link's folder.
int ResolveSymlinks(fs::path* path) {
    for (int hop = 0; hop < kMaxSymlinks; ++hop) {
        struct stat st;
        if (lstat(path->c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) return 0;
        // The size lstat gives is a hint only (64 for every link in /proc).
        std::string link(static_cast<std::size_t>(st.st_size) + 256, '\0');
        ssize_t n;
        while ((n = readlink(path->c_str(), link.data(), link.size())) ==
               static_cast<ssize_t>(link.size())) {
            link.resize(link.size() * 2);
        }
        if (n < 0) return errno;
        link.resize(static_cast<std::size_t>(n));
        const fs::path next(link);
        *path = next.is_absolute() ? next : path->parent_path() / next;
    }
    return ELOOP;
}

// The writer's process id in a temporary name, or 0 when the name is none of ours.
long TemporaryOwner(std::string_view name) {
    const std::size_t tag = name.rfind(".tsy-");
    if (name.empty() || name[0] != '.' || tag == std::string_view::npos) return 0;
    return std::strtol(name.data() + tag + 5, nullptr, 10);
}

// Removes what killed runs left in the target's folder; their process no longer exists. Once
// a process: a batch writes thousands of files into one folder, and a search of the folder
// for each of them would cost time in the square of their number.
void RemoveLeftovers(const fs::path& path) {
    static std::mutex mutex;
    static std::set<std::pair<dev_t, ino_t>> searched;
    const fs::path folder = Folder(path);
    // Known by its identity, which no change of the working folder alters.
    struct stat st;
    if (stat(folder.c_str(), &st) != 0) return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!searched.insert({st.st_dev, st.st_ino}).second) return;
    }
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) return;
    while (const dirent* entry = readdir(dir.get())) {
        const long pid = TemporaryOwner(entry->d_name);
        if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            unlinkat(dirfd(dir.get()), entry->d_name, 0);
    }
}

int LinkThenRename(const char* self, const char* link, const char* target) {
    unlink(link);
    if (linkat(AT_FDCWD, self, AT_FDCWD, link, AT_SYMLINK_FOLLOW) != 0) return errno;
    if (rename(link, target) == 0) return 0;
    const int err = errno;
    unlink(link);
    return err;
}

// The short-lived name must not outlive a kill of this process between the link and the
// rename, so a child of its own, deaf to the usual signals, does both. 0 or an errno value.
// vfork: the child only makes three system calls on strings ready before it starts, and
// copying the page tables of a fork cost more than the rest of a producer run's file work.
int LinkAndRename(const std::string& self, const fs::path& link, const fs::path& target) {
    const char* selfName = self.c_str();
    const char* linkName = link.c_str();
    const char* targetName = target.c_str();
    sigset_t all, old;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &old);
    const pid_t child = vfork();
    if (child == 0) _exit(LinkThenRename(selfName, linkName, targetName));
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    if (child < 0) return LinkThenRename(selfName, linkName, targetName);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return errno;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : EINTR;
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileReplacement::~FileReplacement() {
    if (!committed_) Abandon();
}

void FileReplacement::Abandon() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!named_.empty()) unlink(named_.c_str());
    named_.clear();
}

bool FileReplacement::Fail(int err, std::string* error) const {
    return tsy::Fail(error, target_.string() + ": " + std::strerror(err));
}

bool FileReplacement::Open(std::string* error) {
    if (target_.empty()) {
        return tsy::Fail(error, "No file name.");
    }
    path_ = target_;
    struct stat st;
    exists_ = stat(path_.c_str(), &st) == 0;
    if (exists_ && S_ISDIR(st.st_mode)) return Fail(EISDIR, error);
    if (exists_ && !S_ISREG(st.st_mode)) {
        // A FIFO or a device has no folder entry to replace; it takes the bytes as they come.
        // Opened by the name given: /dev/stdout may lead to a pipe that has no other name.
        direct_ = true;
        const int fd = open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return Fail(errno, error);
        file_ = fdopen(fd, "wb");
        if (!file_) {
            const int err = errno;
            close(fd);
            return Fail(err, error);
        }
        return true;
    }
    if (const int err = ResolveSymlinks(&path_)) return Fail(err, error);
    // Renaming needs only the folder's permission; the file's own is what a plain write obeys.
    if (exists_ && faccessat(AT_FDCWD, path_.c_str(), W_OK, AT_EACCESS) != 0)
        return Fail(errno, error);
    if (!OpenTemporary(error)) return false;
    const int fd = fileno(file_);
    if (exists_) {
        if (fchown(fd, st.st_uid, st.st_gid) != 0 &&
            fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
            // Another owner or group is not ours to give: the file stays ours.
        }
        fchmod(fd, st.st_mode & 07777);
    } else {
        fchmod(fd, NewFileMode());
    }
    return true;
}

bool FileReplacement::OpenTemporary(std::string* error) {
    RemoveLeftovers(path_);
    int fd = open(Folder(path_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        // The file system has no unnamed files: a named one, removed on every failure.
        std::string name = TemporaryName(path_, "XXXXXX").string();
        fd = mkstemp(name.data());
        if (fd < 0) return Fail(errno, error);
        named_ = name;
    }
    file_ = fdopen(fd, "wb");
    if (!file_) {
        const int err = errno;
        close(fd);
        Abandon();
        return Fail(err, error);
    }
    return true;
}

bool FileReplacement::Finish(Durability durability, std::string* error) {
    if (!file_) return Fail(EBADF, error);
    if (std::fflush(file_) != 0) return Fail(errno, error);
    if (durability == Durability::Flushed && !direct_ && fsync(fileno(file_)) != 0)
        return Fail(errno, error);
    return true;
}

bool FileReplacement::Commit(std::string* error) {
    if (!file_) return Fail(EBADF, error);
    if (direct_) {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        committed_ = closed;
        return closed || Fail(errno, error);
    }
    if (named_.empty()) {
        // An unnamed file gets a name by a link, which never replaces: a new target is linked
        // at once, an old one through a short-lived name and a rename.
        const std::string self = "/proc/self/fd/" + std::to_string(fileno(file_));
        const bool linked = !exists_ && linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path_.c_str(),
                                               AT_SYMLINK_FOLLOW) == 0;
        if (!linked) {
            const int err = LinkAndRename(self, TemporaryName(path_, "link"), path_);
            if (err != 0) return Fail(err, error);
        }
        committed_ = true;
        Abandon();
        return true;
    }
    if (std::rename(named_.c_str(), path_.c_str()) != 0) return Fail(errno, error);
    named_.clear();
    committed_ = true;
    Abandon();
    return true;
}

bool SaveFileSafely(const fs::path& target, const std::function<bool(std::FILE*)>& write,
                    std::string* error, Durability durability) {
    std::string dummy;
    std::string& err = error ? *error : dummy;
    FileReplacement file(target);
    if (!file.Open(&err)) return false;
    if (!write(file.file())) {
        if (err.empty()) err = target.string() + ": writing failed";
        return false;
    }
    return file.Finish(durability, &err) && file.Commit(&err);
}

bool SaveBytesSafely(const fs::path& target, std::string_view bytes, std::string* error,
                     Durability durability) {
    const FileBytes one[] = {{target, bytes}};
    return SaveFilesTogether(one, error, durability);
}

bool SaveFilesTogether(std::span<const FileBytes> files, std::string* error,
                       Durability durability) {
    std::vector<std::unique_ptr<FileReplacement>> open;
    for (const FileBytes& f : files) {
        open.push_back(std::make_unique<FileReplacement>(f.target));
        FileReplacement& r = *open.back();
        if (!r.Open(error)) return false;
        if (std::fwrite(f.bytes.data(), 1, f.bytes.size(), r.file()) != f.bytes.size()) {
            return Fail(error, f.target.string() + ": " + std::strerror(errno));
        }
        if (!r.Finish(durability, error)) return false;
    }
    for (auto& r : open)
        if (!r->Commit(error)) return false;
    return true;
}

}  // namespace tsy
