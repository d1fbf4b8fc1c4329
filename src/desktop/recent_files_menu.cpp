#include "desktop/recent_files_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "core/file_io.h"
#include "core/recent_files.h"

namespace selvane {

namespace {

const QString kKey = QStringLiteral("RecentFiles");

// What identifies one version of the settings file: a change of any of these is a new list.
struct FileVersion {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileVersion&) const = default;
};

FileVersion versionOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, st.st_dev, st.st_ino, st.st_size,
            std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// The list as last read, and the version of the file it was read from.
struct ReadList {
    std::optional<FileVersion> version;
    QString path;
    std::vector<std::string> list;
};
ReadList& lastRead() {
    static ReadList read;
    return read;
}

// The stored list, tidied; only its first entries are converted and tidied, as many as are shown.
std::vector<std::string> stored() {
    const QString path = recentFilesSettingsPath();
    const FileVersion version = versionOf(path);
    ReadList& read = lastRead();
    if (read.version == version && read.path == path)
        return read.list;
    std::vector<std::string> list;
    if (version.exists && version.size <= kMaxSettingsBytes) {
        const QStringList paths = QSettings(path, QSettings::IniFormat).value(kKey).toStringList();
        list = tidyRecentFiles(static_cast<std::size_t>(paths.size()), [&paths](std::size_t i) {
            return paths[static_cast<qsizetype>(i)].toStdString();
        });
    }
    read = {version, path, list};
    return list;
}

// Sets (or with an empty value removes) one key of the settings file.
void storeValue(const QString& key, const QVariant& value) {
    const QString file = recentFilesSettingsPath();
    // A file too large to read is not merged into either: the new value replaces it.
    if (versionOf(file).size > kMaxSettingsBytes)
        QFile::remove(file);
    {
        QSettings s(file, QSettings::IniFormat);
        if (value.isNull())
            s.remove(key);
        else
            s.setValue(key, value);
    }
    lastRead().version.reset();
}

void store(const std::vector<std::string>& list) {
    QStringList paths;
    for (const std::string& path : list)
        paths << QString::fromStdString(path);
    storeValue(kKey, paths.isEmpty() ? QVariant() : QVariant(paths));
}

QString folderKey(FileKind kind) {
    switch (kind) {
    case FileKind::Report:
        return QStringLiteral("LastFolder/Report");
    case FileKind::Chart:
        return QStringLiteral("LastFolder/Chart");
    case FileKind::Offers:
        return QStringLiteral("LastFolder/Offers");
    case FileKind::Statement:
        return QStringLiteral("LastFolder/Statement");
    case FileKind::Scenario:
        break;
    }
    return QStringLiteral("LastFolder/Scenario");
}

} // namespace

QString recentFilesSettingsPath() {
    const QString app = QCoreApplication::applicationName();
    const QString org = QCoreApplication::organizationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           (org.isEmpty() ? app : org) + '/' + app + QStringLiteral(".conf");
}

QStringList recentFiles() {
    QStringList paths;
    for (const std::string& path : stored())
        paths << QString::fromStdString(path);
    return paths;
}

void rememberRecentFile(const QString& path) {
    store(withRecentFile(stored(), path.toStdString()));
}

void forgetRecentFile(const QString& path) {
    store(withoutRecentFile(stored(), path.toStdString()));
}

void clearRecentFiles() {
    store({});
}

QString firstFileFolder(const std::vector<std::string>& own) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QString::fromStdString(firstDialogFolder(QDir::currentPath().toStdString(), own,
                                                    documents.toStdString(),
                                                    QDir::homePath().toStdString()));
}

QString lastFolder(FileKind kind) {
    const QString file = recentFilesSettingsPath();
    const FileVersion version = versionOf(file);
    if (!version.exists || version.size > kMaxSettingsBytes)
        return {};
    return QSettings(file, QSettings::IniFormat).value(folderKey(kind)).toString();
}

void rememberFolder(FileKind kind, const QString& chosenFile) {
    const QString folder = QFileInfo(chosenFile).absolutePath();
    if (folder != lastFolder(kind))
        storeValue(folderKey(kind), folder);
}

QSize rememberedSize(const QString& window) {
    const QString file = recentFilesSettingsPath();
    const FileVersion version = versionOf(file);
    if (!version.exists || version.size > kMaxSettingsBytes)
        return {};
    const QSize size = QSettings(file, QSettings::IniFormat)
                           .value(QStringLiteral("WindowSize/") + window)
                           .toSize();
    // A size no window of the program has is not one it stored.
    return size.isValid() && size.width() < 100'000 && size.height() < 100'000 ? size : QSize();
}

void rememberSize(const QString& window, const QSize& size) {
    if (size != rememberedSize(window))
        storeValue(QStringLiteral("WindowSize/") + window, size);
}

QString recentFileGoneText(const QString& path) {
    return QCoreApplication::translate("RecentFilesMenu",
                                       "The file %1 is no longer there. It has been removed from "
                                       "the list of recent files.")
        .arg(QDir::toNativeSeparators(path));
}

RecentFilesMenu::RecentFilesMenu(QMenu* parent) : QMenu(tr("&Recent Files"), parent) {
    setObjectName(QStringLiteral("mnRecentFiles"));
    menuAction()->setObjectName(QStringLiteral("mnRecent"));
    // The entries are made once and only changed, never deleted: an entry may be the one whose
    // choice changed the list.
    for (int number = 1; number <= static_cast<int>(kRecentFilesMax); ++number) {
        QAction* entry = addAction(QString());
        entry->setObjectName(QStringLiteral("mnRecent%1").arg(number));
        connect(entry, &QAction::triggered, this, [this, entry] {
            const QString path = entry->data().toString();
            if (QFileInfo::exists(path)) {
                emit fileChosen(path);
                return;
            }
            forgetRecentFile(path);
            refresh();
            emit fileGone(path);
        });
        m_entries << entry;
    }
    addSeparator()->setObjectName(QStringLiteral("mnRecentDivider"));
    m_clear = addAction(tr("&Clear Menu"));
    m_clear->setObjectName(QStringLiteral("mnClearRecent"));
    connect(m_clear, &QAction::triggered, this, [this] {
        clearRecentFiles();
        refresh();
    });
    parent->addMenu(this);
    connect(parent, &QMenu::aboutToShow, this, &RecentFilesMenu::refresh);
    refresh();
}

void RecentFilesMenu::refresh() {
    const QStringList paths = recentFiles();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        QAction* entry = m_entries[i];
        const QString path = paths.value(i);
        // An ampersand in a path is shown, not taken for an access key.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setData(path);
        entry->setVisible(!path.isEmpty());
    }
    m_clear->setEnabled(!paths.isEmpty());
    menuAction()->setEnabled(!paths.isEmpty());
}

QStringList RecentFilesMenu::shownFiles() const {
    QStringList paths;
    for (const QAction* entry : m_entries)
        if (entry->isVisible())
            paths << entry->data().toString();
    return paths;
}

} // namespace selvane
