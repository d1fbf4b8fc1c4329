#pragma once
// File > Recent Files: the last scenario files opened, or saved under a name the Save As dialog
// gave, newest first. The list is kept in the user's settings (QSettings, under the
// application's name), so it lasts from one run to the next, with the folders the file dialogs
// last used and the sizes the windows had when they were last closed.
// The rules of the list are core's (core/recent_files.h); this file only stores and shows it.

#include <QList>
#include <QMenu>
#include <QSize>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "calculator/host.h"

namespace selvane {

// The settings file the list is kept in: Selvane/Selvane.conf under the user's configuration
// folder (the program sets only its application name, which stands for the organisation too).
QString recentFilesSettingsPath();
// Selvane writes at most five names; a settings file larger than this was not written by it and
// is not read (parsing one of a million names would take most of a second and 180 MB). The menu
// is then empty, and the next file listed replaces the file.
inline constexpr qint64 kMaxSettingsBytes = 256 * 1024;

// The stored list, tidied (absolute clean paths, each once, at most five), and changes to it.
// The list is read again only when the settings file has changed since it was last read.
QStringList recentFiles();
void rememberRecentFile(const QString& path); // to the front
void forgetRecentFile(const QString& path);
void clearRecentFiles();
// The folder a file dialog of this kind last chose a file in (empty before any), kept beside the
// list, and the folder of a file just chosen.
QString lastFolder(FileKind kind);
// The folder a file dialog starts in the first time (core/file_io.h firstDialogFolder): the
// working folder where the user may write there and it is none of `own`, the program's own
// folders; else the documents folder, else home.
QString firstFileFolder(const std::vector<std::string>& own);
void rememberFolder(FileKind kind, const QString& chosenFile);
// The size a window had when it was last closed (invalid before any), and the size it has now,
// for the window named: "Main", "Chart" or "WhatIf".
QSize rememberedSize(const QString& window);
void rememberSize(const QString& window, const QSize& size);
// What the message box says when a chosen entry's file is gone.
QString recentFileGoneText(const QString& path);

// The submenu: "&1 path" ... "&5 path", a divider and "&Clear Menu". Whenever the menu holding
// it is about to show it shows the stored list as it is then (what another window or an earlier
// run stored too), read again only if the file changed; it is disabled while the list is empty.
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
