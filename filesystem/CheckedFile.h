#pragma once
// Every file the program writes goes through WriteFileChecked, and files read
// from outside through ReadRegularFile: plain POSIX calls, each result
// looked at, so a full disk or a strange target is reported, never hidden.
#include <cstddef>
#include <string>

#include "document/Result.h"

// Writes `bytes` as the whole content of `path`; a failure carries the
// system's reason (strerror).
// - A regular file (or a new one) is written to a temporary file beside it,
//   flushed, synced, closed and renamed over it: on failure the previous
//   file is byte-identical and the temporary file is gone.
// - When the folder cannot take a temporary file but the file itself can
//   be written, it is written in place, every step still checked.
// - An existing device, FIFO or socket is written into, never replaced; a
//   folder is refused. Links are written through: their target is replaced.
// - A file the user may not write (or with no write permission at all) is
//   refused with EACCES and left as it is, whatever its folder allows.
Result WriteFileChecked(const std::string& path, const std::string& bytes);

// Writes all of `bytes` to an open descriptor (standard output): every
// write checked, nothing closed.
Result WriteDescriptorChecked(int fd, const std::string& bytes);

enum class OverLimit {
    Refuse,    // a longer file is not read at all
    Truncate,  // only the first `limit` bytes are read
};

// Reads a regular file (links followed) of at most `limit` bytes. A folder,
// FIFO, device or socket is refused without blocking. On failure `bytes` is
// empty.
Result ReadRegularFile(const std::string& path, size_t limit, OverLimit over, std::string& bytes);

// Test seam: make the next writes fail at one step with the given errno
// (Open is the creation of the temporary file) until reset with None.
enum class WriteStep { None, Open, Write, Flush, Sync, Close, Rename };
void InjectWriteFault(WriteStep step, int errorNumber);

// For files the program names itself (the recovery copies): written only
// when `path` is a regular file or absent. A link, FIFO, device or folder
// there is left alone and refused; the check opens with O_NOFOLLOW and
// O_NONBLOCK, so nothing can block or lead elsewhere. Atomic and checked
// as WriteFileChecked.
Result WriteOwnFileChecked(const std::string& path, const std::string& bytes);

// Removes the temporary files of writers of this program that died before
// renaming them (".ispln-PID-N.tmp" in `folder`, PID no longer running).
// Returns how many were removed.
int RemoveStaleTemporaries(const std::string& folder);
