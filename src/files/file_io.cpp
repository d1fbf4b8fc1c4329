#include "files/file_io.h"

#include <QSaveFile>
#include <QString>
#include <filesystem>
#include <fstream>

namespace selvane {

std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (path.empty() || !std::filesystem::is_regular_file(p, ec)) return std::nullopt;
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
    if (path.empty()) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace selvane
