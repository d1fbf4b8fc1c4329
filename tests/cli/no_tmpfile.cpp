// A preloaded library for tests: open refuses O_TMPFILE with EOPNOTSUPP, as file systems without
// unnamed files answer (FAT, many network and FUSE file systems), so that the way a write is
// made there (a named temporary file beside the target) is taken on any file system. <fcntl.h>
// is left out: it may rename open to open64, and both are replaced here.

#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>

namespace {
constexpr int kTmpfile = 020000000; // __O_TMPFILE: the bit that O_TMPFILE adds to O_DIRECTORY
constexpr int kCreate = 0100;

int refusedOr(const char* name, const char* path, int flags, va_list args) {
    if ((flags & kTmpfile) != 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    const unsigned mode = (flags & (kCreate | kTmpfile)) != 0 ? va_arg(args, unsigned) : 0u;
    using Open = int (*)(const char*, int, ...);
    return reinterpret_cast<Open>(dlsym(RTLD_NEXT, name))(path, flags, mode);
}
} // namespace

extern "C" int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int fd = refusedOr("open", path, flags, args);
    va_end(args);
    return fd;
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int fd = refusedOr("open64", path, flags, args);
    va_end(args);
    return fd;
}
