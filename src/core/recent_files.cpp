#include "core/recent_files.h"

#include <QDir>
#include <QString>
#include <algorithm>

namespace selvane {

std::string recentFileKey(const std::string& path) {
    if (path.empty())
        return {};
    QString p = QString::fromStdString(path);
    // Joined by hand: QDir::absoluteFilePath takes a name starting with ':' for a Qt resource and
    // leaves it relative.
    if (!p.startsWith(u'/'))
        p = QDir::currentPath() + u'/' + p;
    std::string key = QDir::cleanPath(p).toStdString();
    // cleanPath keeps a ".." that climbs above the root ("/../a"); the root's parent is the root
    // itself, so that is "/a", and the same file must have the same key.
    while (key.starts_with("/..") && (key.size() == 3 || key[3] == '/'))
        key.erase(0, 3);
    return key.empty() ? "/" : key;
}

std::vector<std::string> tidyRecentFiles(std::size_t count,
                                         const std::function<std::string(std::size_t)>& entry,
                                         std::size_t max) {
    std::vector<std::string> tidy;
    for (std::size_t i = 0; i < count && tidy.size() < max; ++i) {
        std::string key = recentFileKey(entry(i));
        if (key.empty() || std::find(tidy.begin(), tidy.end(), key) != tidy.end())
            continue;
        tidy.push_back(std::move(key));
    }
    return tidy;
}

std::vector<std::string> tidyRecentFiles(const std::vector<std::string>& list, std::size_t max) {
    return tidyRecentFiles(
        list.size(), [&list](std::size_t i) { return list[i]; }, max);
}

std::vector<std::string> withRecentFile(const std::vector<std::string>& list,
                                        const std::string& path, std::size_t max) {
    std::vector<std::string> front{path};
    front.insert(front.end(), list.begin(), list.end());
    return tidyRecentFiles(front, max);
}

std::vector<std::string> withoutRecentFile(const std::vector<std::string>& list,
                                           const std::string& path) {
    const std::string gone = recentFileKey(path);
    std::vector<std::string> rest;
    for (const std::string& entry : list) {
        const std::string key = recentFileKey(entry);
        if (!key.empty() && key != gone)
            rest.push_back(entry);
    }
    return rest;
}

} // namespace selvane
