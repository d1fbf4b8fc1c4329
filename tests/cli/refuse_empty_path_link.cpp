// A preloaded library for tests: linkat refuses to name a file by its descriptor alone
// (AT_EMPTY_PATH) with ENOENT, as older kernels (Debian 12's 6.1 among them) refuse a caller
// without CAP_DAC_READ_SEARCH, so that the way such a caller names a new file (through /proc) is
// taken on any kernel.

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>

extern "C" int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    if ((flags & AT_EMPTY_PATH) != 0) {
        errno = ENOENT;
        return -1;
    }
    using Linkat = int (*)(int, const char*, int, const char*, int);
    return reinterpret_cast<Linkat>(dlsym(RTLD_NEXT, "linkat"))(fromDir, from, toDir, to, flags);
}
