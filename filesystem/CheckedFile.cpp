#include "filesystem/CheckedFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <signal.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Recovery copies are written on a worker thread.
std::atomic<WriteStep> faultStep = WriteStep::None;
std::atomic<int> faultErrno = 0;

// The errno a test wants this step to fail with, or 0.
int Injected(WriteStep step)
{
    return step != WriteStep::None && step == faultStep.load() ? faultErrno.load() : 0;
}

bool Failed(std::string* error, int number)
{
    if (error)
        *error = std::strerror(number);
    return false;
}

std::string Folder(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of links ends at, existing or not.
std::string ResolveLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0)
            return path;
        const std::string next(target, static_cast<size_t>(n));
        path = next[0] == '/' ? next : Folder(path) + "/" + next;
    }
    return path;  // a loop: the open below reports it
}

// Writes, flushes and (for a regular file) syncs and truncates to the
// written length, then closes. `fd` is always closed.
bool Stream(int fd, const std::string& bytes, bool regular, std::string* error)
{
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        const int e = errno;
        ::close(fd);
        return Failed(error, e);
    }
    int e = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        e = errno ? errno : EIO;
    if (!e)
        e = Injected(WriteStep::Write);
    if (!e && std::fflush(file) != 0)
        e = errno;
    if (!e)
        e = Injected(WriteStep::Flush);
    if (!e && regular && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        e = errno;
    if (!e && regular && ::fsync(fd) != 0)
        e = errno;
    if (!e && regular)
        e = Injected(WriteStep::Sync);
    const bool closed = std::fclose(file) == 0;
    if (!e && !closed)
        e = errno;
    if (!e)
        e = Injected(WriteStep::Close);
    return e ? Failed(error, e) : true;
}

int CreateTemporary(const std::string& folder, mode_t mode, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.ispln-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A file that can be written in a folder that cannot: the space is
// reserved first, so a full disk is found before any old byte is touched.
// Fills the open temporary file, renames it over `target` and makes the new
// name durable; on any failure the temporary file is gone and `target` is
// as it was.
bool CommitTemporary(int fd, const std::string& temporary, const std::string& target, const std::string& bytes,
                     std::string* error)
{
    if (!Stream(fd, bytes, true, error)) {
        ::unlink(temporary.c_str());
        return false;
    }
    int e = Injected(WriteStep::Rename);
    if (!e && ::rename(temporary.c_str(), target.c_str()) != 0)
        e = errno;
    if (e) {
        ::unlink(temporary.c_str());
        return Failed(error, e);
    }
    // The new name itself reaches the disk only with its folder.
    if (const int dir = ::open(Folder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool WriteInPlace(const std::string& target, const std::string& bytes, std::string* error)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failed(error, errno);
    if (!bytes.empty()) {
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
            errno != EOPNOTSUPP && errno != ENOSYS) {
            const int e = errno;
            ::close(fd);
            return Failed(error, e);
        }
    }
    return Stream(fd, bytes, true, error);
}

// A file the user may not write is never replaced, not even through a
// writable folder or by an administrator: a file with no write bit at all
// was made read-only on purpose.
bool MayReplace(const std::string& target, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0)
        return false;
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 || errno != EACCES;
}

}  // namespace

void InjectWriteFault(WriteStep step, int errorNumber)
{
    faultStep = step;
    faultErrno = errorNumber;
}

namespace {

bool WriteDescriptor(int fd, const std::string& bytes, std::string* error)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Failed(error, n < 0 ? errno : EIO);
        done += static_cast<size_t>(n);
    }
    if (const int e = Injected(WriteStep::Write))
        return Failed(error, e);
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes, std::string* error)
{
    if (path.empty())
        return Failed(error, ENOENT);
    const std::string target = ResolveLinks(path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return Failed(error, EISDIR);
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or FIFO is the destination itself: never replace it.
        const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return fd < 0 ? Failed(error, errno) : Stream(fd, bytes, false, error);
    }
    if (exists && !MayReplace(target, st))
        return Failed(error, EACCES);

    const mode_t mode = exists ? (st.st_mode & 07777) : 0666;
    std::string temporary;
    const int injected = Injected(WriteStep::Open);
    const int fd = injected ? -1 : CreateTemporary(Folder(target), mode, temporary);
    if (fd < 0) {
        const int e = injected ? injected : errno;
        if (exists && (e == EACCES || e == EPERM || e == EROFS))
            return WriteInPlace(target, bytes, error);
        return Failed(error, e);
    }
    // The new file keeps the old one's permissions, whatever the umask.
    if (exists)
        ::fchmod(fd, mode);
    return CommitTemporary(fd, temporary, target, bytes, error);
}

bool ReadFile(const std::string& path, size_t limit, OverLimit over, std::string& bytes, std::string* error)
{
    bytes.clear();
    // Non-blocking, so a FIFO or a device cannot hold the caller up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failed(error, errno);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = "not a regular file";
        return false;
    }
    const bool refuseLonger = over == OverLimit::Refuse;
    if (refuseLonger && static_cast<unsigned long long>(st.st_size) > limit) {
        ::close(fd);
        if (error)
            *error = "larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    // One byte more than allowed shows a file that grew while being read.
    const size_t want = refuseLonger ? limit + 1 : limit;
    bytes.resize(std::min(want, static_cast<size_t>(st.st_size) + 1));
    size_t done = 0;
    while (done < want) {
        if (done == bytes.size())
            bytes.resize(std::min(want, bytes.size() * 2 + 4096));
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            bytes.clear();
            return Failed(error, e);
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    if (refuseLonger && done > limit) {
        bytes.clear();
        if (error)
            *error = "larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    return true;
}

bool WriteOwnFile(const std::string& path, const std::string& bytes, std::string* error)
{
    if (path.empty())
        return Failed(error, ENOENT);
    const int probe = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0 && errno == ELOOP) {
        if (error)
            *error = "is a symbolic link";
        return false;
    }
    if (probe < 0 && errno != ENOENT)
        return Failed(error, errno);
    if (probe >= 0) {
        struct stat st;
        const bool regular = ::fstat(probe, &st) == 0 && S_ISREG(st.st_mode);
        ::close(probe);
        if (!regular) {
            if (error)
                *error = S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "is not a regular file";
            return false;
        }
    }
    std::string temporary;
    const int injected = Injected(WriteStep::Open);
    const int fd = injected ? -1 : CreateTemporary(Folder(path), 0666, temporary);
    if (fd < 0)
        return Failed(error, injected ? injected : errno);
    return CommitTemporary(fd, temporary, path, bytes, error);
}

// The answer in one value: true, or false with the reason.
Result Answer(bool done, const std::string& reason)
{
    return done ? Result::Success() : Result::Failure(reason);
}

}  // namespace

Result WriteDescriptorChecked(int fd, const std::string& bytes)
{
    std::string reason;
    return Answer(WriteDescriptor(fd, bytes, &reason), reason);
}

Result WriteFileChecked(const std::string& path, const std::string& bytes)
{
    std::string reason;
    return Answer(WriteFile(path, bytes, &reason), reason);
}

Result ReadRegularFile(const std::string& path, size_t limit, OverLimit over, std::string& bytes)
{
    std::string reason;
    return Answer(ReadFile(path, limit, over, bytes, &reason), reason);
}

Result WriteOwnFileChecked(const std::string& path, const std::string& bytes)
{
    std::string reason;
    return Answer(WriteOwnFile(path, bytes, &reason), reason);
}

int RemoveStaleTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        // ".ispln-PID-N.tmp", as CreateTemporary names them.
        long pid = 0;
        unsigned long n = 0;
        int end = 0;
        if (std::sscanf(entry->d_name, ".ispln-%ld-%lu.tmp%n", &pid, &n, &end) != 2 ||
            entry->d_name[end] != '\0' || pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;  // its writer may still be at work
        const std::string path = folder + "/" + entry->d_name;
        struct stat st;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}
