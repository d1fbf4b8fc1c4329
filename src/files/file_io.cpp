#include "files/file_io.h"

#include <QSaveFile>
#include <QString>
#include <filesystem>
#include <fstream>

namespace selvane {

namespace {
// A name with a NUL byte names no file: the system would silently read it only up to the NUL.
bool usablePath(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}
} // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes) {
    if (!usablePath(path)) return std::nullopt;
    std::error_code ec;
    const std::filesystem::path p(path);
    if (!std::filesystem::is_regular_file(p, ec)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(p, ec);
    if (ec || size > maxBytes) return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
    return replaceFileWith(path, [bytes](const WritePiece& write) {
        write(bytes);
        return true;
    });
}

bool replaceFileWith(const std::string& path, const ProducePieces& produce) {
    if (!usablePath(path)) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool ok = true;
    const bool complete = produce([&](std::string_view piece) {
        if (ok && file.write(piece.data(), static_cast<qint64>(piece.size())) !=
                      static_cast<qint64>(piece.size()))
            ok = false;
    });
    if (!ok || !complete) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace selvane
