#pragma once
// File > Recent Files: the last scenario files opened, or saved under a name the Save As dialog
// gave, newest first. The list is kept in the user's settings (QSettings, under the
// application's name), so it lasts from one run to the next; nothing else of the window is kept.
// The rules of the list are core's (core/recent_files.h); this file only stores and shows it.

#include <QList>
#include <QMenu>
#include <QString>
#include <QStringList>

namespace selvane {

// The stored list, tidied (absolute clean paths, each once, at most five), and changes to it.
QStringList recentFiles();
void rememberRecentFile(const QString& path); // to the front
void forgetRecentFile(const QString& path);
void clearRecentFiles();
// What the message box says when a chosen entry's file is gone.
QString recentFileGoneText(const QString& path);

// The submenu: "&1 path" ... "&5 path", a divider and "&Clear Menu". It reads the stored list
// afresh whenever the menu holding it is about to show, so it shows what another window or an
// earlier run stored too; it is disabled while the list is empty.
class RecentFilesMenu : public QMenu {
    Q_OBJECT

  public:
    // Adds itself to parent, at the end.
    explicit RecentFilesMenu(QMenu* parent);
    // The entries from the stored list.
    void refresh();
    // The paths the entries show, first to last.
    QStringList shownFiles() const;

  signals:
    // An entry was chosen and its file is there.
    void fileChosen(const QString& path);
    // An entry was chosen whose file is gone: it is already off the list.
    void fileGone(const QString& path);

  private:
    QList<QAction*> m_entries;
    QAction* m_clear = nullptr;
};

} // namespace selvane
