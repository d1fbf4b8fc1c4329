// A preloaded library for tests: open refuses O_TMPFILE with EOPNOTSUPP, as file systems without
// unnamed files answer (FAT, many network and FUSE file systems), so that the way a write is
// made there (a named temporary file beside the target) is taken on any file system. <fcntl.h>
// is left out: it may rename open to open64, and both are replaced here (open64 is open).

#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>

extern "C" int open(const char* path, int flags, ...) {
    constexpr int kTmpfile = 020000000, kCreate = 0100; // __O_TMPFILE (O_TMPFILE less O_DIRECTORY)
    if ((flags & kTmpfile) != 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    va_list args;
    va_start(args, flags);
    const unsigned mode = (flags & kCreate) != 0 ? va_arg(args, unsigned) : 0u;
    va_end(args);
    using Open = int (*)(const char*, int, ...);
    return reinterpret_cast<Open>(dlsym(RTLD_NEXT, "open"))(path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...) __attribute__((alias("open")));
