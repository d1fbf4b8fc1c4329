#include "core/file_io.h"

#include <cctype>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

namespace selvane {

namespace {
// A name with a NUL byte names no file: the system would silently read it only up to the NUL.
bool usablePath(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

// Closes a descriptor when it goes out of scope, unless it was handed on.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and tells whether the close itself went well (it can report a late write error).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int m_fd;
};

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Root may write anything, so the permission bits themselves decide: a file or folder that no
// one may write stays unwritten, for root too. Others ask the system as they are. When not, why.
std::optional<std::string> mayNotWrite(const std::string& path, const struct stat& st) {
    if (::geteuid() == 0) {
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0)
            return std::nullopt;
        return std::strerror(EACCES);
    }
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0)
        return std::nullopt;
    return std::strerror(errno);
}

// What a save is aimed at: the regular file a path names (through symbolic links), or a new
// file. Anything else (a folder, a device, a pipe, a socket, a link that leads nowhere or in a
// circle) is not written.
struct Target {
    std::string path; // the file itself, links resolved
    std::optional<struct stat> existing;
};

// Why a path that names something other than a regular file is not written.
std::string notRegular(const struct stat& st) {
    return S_ISDIR(st.st_mode) ? std::strerror(EISDIR)
                               : UI_TEXT("selvane::FinCalc", "not a regular file");
}

std::optional<Target> resolveTarget(const std::string& path, std::string& why) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            why = std::strerror(errno);
            return std::nullopt;
        }
        return Target{path, std::nullopt};
    }
    if (S_ISREG(st.st_mode))
        return Target{path, st};
    if (!S_ISLNK(st.st_mode)) {
        why = notRegular(st);
        return std::nullopt;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr || ::stat(resolved, &st) != 0) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        why = notRegular(st);
        return std::nullopt;
    }
    return Target{resolved, st};
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get()); // best effort: some file systems cannot sync a folder
}

// Pieces are gathered into blocks of this size before they are written.
constexpr size_t kBlock = 1u << 16;

// A file in folder that no name shows, to be named once it is complete: O_TMPFILE. Where the
// file system lacks it, a named file of a short name (so a target of the longest name the file
// system allows still has room beside it), with `named` set.
int unnamedFile(const std::string& folder, std::string& named) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    named = folder + "/.sv-XXXXXX";
    return ::mkostemp(named.data(), O_CLOEXEC);
}

// Gives the unnamed file the name NAME, which must not exist yet: by the descriptor itself where
// allowed, else through /proc, as open(2) describes.
bool linkName(int fd, const std::string& name) {
    if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
        return true;
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    return errno != EEXIST &&
           ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Gives the complete file its first name: the target's own where the target does not exist, else
// a short random one beside it, ready to be renamed over it; empty when no name could be given.
std::string nameFor(int fd, const Target& target, const std::string& folder) {
    if (!target.existing && linkName(fd, target.path))
        return target.path;
    if (!target.existing && errno != EEXIST)
        return {};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = folder + "/.sv-";
        for (int i = 0; i < 8; ++i)
            name += kLetters[random() % (sizeof kLetters - 1)];
        if (linkName(fd, name))
            return name;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

// Writes the produced bytes into a new file beside target, syncs it to disk and gives it the
// old file's permissions (and owner, where allowed) or a new file's usual ones. Its name when
// every byte is there (the target's own for a new file), otherwise nullopt with nothing left
// behind and `why` said. Until the bytes are all there no name shows the file, so a kill then
// leaves nothing; a new file is named at once. Only a kill in the instant between naming the
// complete replacement of an old file and renaming it over the old one leaves it beside the
// target, whole, under its hidden name: rename(2) needs a name to move, and no call names an
// unnamed file over an existing one.
std::optional<std::string> writeTemporary(const Target& target, const ProducePieces& produce,
                                          std::string& why) {
    const std::string folder = folderOf(target.path);
    std::string named;
    Descriptor fd(unnamedFile(folder, named));
    if (!fd.valid()) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    // The first failure is the one reported; every later step is skipped.
    auto step = [&why](bool done) {
        if (!done && why.empty())
            why = std::strerror(errno);
        return done;
    };
    std::string block;
    const bool complete = produce([&](std::string_view piece) {
        if (!why.empty())
            return false;
        if (block.size() + piece.size() <= kBlock) {
            block.append(piece);
            return true;
        }
        const bool written = step(writeAll(fd.get(), block.data(), block.size()) &&
                                  writeAll(fd.get(), piece.data(), piece.size()));
        block.clear();
        return written;
    });
    if (!complete && why.empty())
        why = kWriteCancelled;
    bool ok = why.empty() && step(writeAll(fd.get(), block.data(), block.size()));
    if (ok && target.existing) {
        if (::geteuid() == 0) // before chmod, which a change of owner would undo in part
            (void)!::fchown(fd.get(), target.existing->st_uid, target.existing->st_gid);
        ok = step(::fchmod(fd.get(), target.existing->st_mode & 07777) == 0);
    } else if (ok) {
        ok = step(::fchmod(fd.get(), newFileMode()) == 0);
    }
    ok = ok && step(::fsync(fd.get()) == 0);
    if (ok && named.empty())
        named = nameFor(fd.get(), target, folder);
    ok = ok && step(!named.empty());
    ok = step(fd.close()) && ok;
    if (!ok) {
        if (!named.empty())
            ::unlink(named.c_str());
        return std::nullopt;
    }
    return named;
}

} // namespace

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes) {
    if (!usablePath(path))
        return std::nullopt;
    // Opened without waiting (a pipe put in the file's place would block the open for ever),
    // and judged by what was opened, not by what the name was a moment before.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break; // the file shrank while it was read
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

WriteOutcome replaceFile(const std::string& path, std::string_view bytes) {
    return replaceFileWith(path, [bytes](const WritePiece& write) { return write(bytes); });
}

namespace {
std::string whyNotWritten(const std::string& path, const ProducePieces& produce) {
    if (path.empty())
        return UI_TEXT("selvane::FinCalc", "no file name");
    if (!usablePath(path))
        return UI_TEXT("selvane::FinCalc", "the name holds a NUL byte");
    std::string why;
    const auto target = resolveTarget(path, why);
    if (!target)
        return why;
    const std::string folder = folderOf(target->path);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0)
        return std::strerror(errno);
    if (auto no = mayNotWrite(folder, folderStat))
        return *no;
    if (target->existing) {
        if (auto no = mayNotWrite(target->path, *target->existing))
            return *no;
    }

    // Every name of the old file keeps its old contents until the rename: a hard link, another
    // name of the same file, goes on holding them after it.
    const auto temporary = writeTemporary(*target, produce, why);
    if (!temporary)
        return why;
    if (*temporary != target->path && ::rename(temporary->c_str(), target->path.c_str()) != 0) {
        why = std::strerror(errno);
        ::unlink(temporary->c_str());
        return why;
    }
    syncFolder(folder);
    return {};
}
} // namespace

WriteOutcome replaceFileWith(const std::string& path, const ProducePieces& produce) {
    std::string why = whyNotWritten(path, produce);
    const bool ok = why.empty();
    return {path, ok, std::move(why)};
}

namespace {
// Where the ending's dot is, or npos.
size_t endingDot(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string::npos;
    return dot;
}
} // namespace

std::string fileEnding(const std::string& path) {
    const size_t dot = endingDot(path);
    if (dot == std::string::npos)
        return {};
    std::string e = path.substr(dot + 1);
    for (char& c : e)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return e;
}

std::string withoutEnding(const std::string& path) {
    return path.substr(0, endingDot(path));
}

bool pathExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool folderWritable(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && !mayNotWrite(folder, st);
}

namespace {
// The folder with its links resolved, ending in '/' so that "/a/b/" is inside "/a/" and
// "/a/bc/" is not inside "/a/b/"; empty when it does not exist.
std::string resolvedFolder(const std::string& folder) {
    char resolved[PATH_MAX];
    if (folder.empty() || ::realpath(folder.c_str(), resolved) == nullptr)
        return {};
    std::string path(resolved);
    return path.ends_with('/') ? path : path + '/';
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

std::string firstDialogFolder(const std::string& working, const std::vector<std::string>& own,
                              const std::string& documents, const std::string& home) {
    const std::string here = resolvedFolder(working);
    const bool programs = std::any_of(own.begin(), own.end(), [&here](const std::string& folder) {
        const std::string mine = resolvedFolder(folder);
        return !mine.empty() && here.starts_with(mine);
    });
    if (!here.empty() && !programs && folderWritable(working))
        return working;
    return isFolder(documents) ? documents : home;
}

std::string runningProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : folderOf(self.string());
}

std::string absolutePath(const std::string& path) {
    std::string whole = path;
    if (path.empty() || path.front() != '/') {
        char cwd[PATH_MAX];
        if (::getcwd(cwd, sizeof cwd) == nullptr)
            return {};
        whole = std::string(cwd) + "/" + path;
    }
    std::vector<std::string_view> parts;
    const std::string_view all(whole);
    for (size_t start = 0; start <= all.size();) {
        const size_t end = std::min(all.find('/', start), all.size());
        const std::string_view part = all.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back(); // above the root is the root
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string clean;
    for (const std::string_view part : parts)
        clean.append("/").append(part);
    return clean.empty() ? "/" : clean;
}

} // namespace selvane
