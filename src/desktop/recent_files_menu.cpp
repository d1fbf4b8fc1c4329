#include "desktop/recent_files_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <memory>
#include <string>
#include <vector>

#include "core/recent_files.h"

namespace selvane {

namespace {

const QString kKey = QStringLiteral("RecentFiles");

// The program sets only its application name; that name stands for the organisation too, so the
// settings live in Selvane/Selvane.conf under the user's configuration folder.
std::unique_ptr<QSettings> settings() {
    const QString app = QCoreApplication::applicationName();
    const QString org = QCoreApplication::organizationName();
    return std::make_unique<QSettings>(org.isEmpty() ? app : org, app);
}

std::vector<std::string> stored() {
    std::vector<std::string> list;
    for (const QString& path : settings()->value(kKey).toStringList())
        list.push_back(path.toStdString());
    return list;
}

void store(const std::vector<std::string>& list) {
    QStringList paths;
    for (const std::string& path : list)
        paths << QString::fromStdString(path);
    auto s = settings();
    if (paths.isEmpty())
        s->remove(kKey);
    else
        s->setValue(kKey, paths);
}

} // namespace

QStringList recentFiles() {
    QStringList paths;
    for (const std::string& path : tidyRecentFiles(stored()))
        paths << QString::fromStdString(path);
    return paths;
}

void rememberRecentFile(const QString& path) {
    store(withRecentFile(stored(), path.toStdString()));
}

void forgetRecentFile(const QString& path) {
    store(tidyRecentFiles(withoutRecentFile(stored(), path.toStdString())));
}

void clearRecentFiles() {
    store({});
}

QString recentFileGoneText(const QString& path) {
    return QStringLiteral("The file %1 is no longer there. It has been removed from the list of "
                          "recent files.")
        .arg(QDir::toNativeSeparators(path));
}

RecentFilesMenu::RecentFilesMenu(QMenu* parent) : QMenu(QStringLiteral("&Recent Files"), parent) {
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
    m_clear = addAction(QStringLiteral("&Clear Menu"));
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
