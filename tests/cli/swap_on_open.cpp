// A preloaded library for tests: the first time the program opens the path named by
// SELVANE_SWAP_PATH, the file SELVANE_SWAP_FROM is moved into its place just before the open.
// That makes the race between looking at a file and opening it happen every time.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {
void swapIfNamed(const char* path) {
    static bool done = false;
    const char* target = std::getenv("SELVANE_SWAP_PATH");
    const char* from = std::getenv("SELVANE_SWAP_FROM");
    if (done || path == nullptr || target == nullptr || from == nullptr)
        return;
    if (std::strcmp(path, target) != 0)
        return;
    done = true;
    std::rename(from, target);
}

template <class F> F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

mode_t modeArgument(int flags, va_list args) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
}
} // namespace

extern "C" {
int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    swapIfNamed(path);
    return next<int (*)(const char*, int, ...)>("open")(path, flags, mode);
}
int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    swapIfNamed(path);
    return next<int (*)(const char*, int, ...)>("open64")(path, flags, mode);
}
int openat(int dir, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    swapIfNamed(path);
    return next<int (*)(int, const char*, int, ...)>("openat")(dir, path, flags, mode);
}
FILE* fopen(const char* path, const char* how) {
    swapIfNamed(path);
    return next<FILE* (*)(const char*, const char*)>("fopen")(path, how);
}
FILE* fopen64(const char* path, const char* how) {
    swapIfNamed(path);
    return next<FILE* (*)(const char*, const char*)>("fopen64")(path, how);
}
}
