#pragma once
// Scripted stand-ins for the desktop's dialogs, registry, program start and message box.

#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/printed_pages.h"
#include "desktop/qt_host.h"
#include "desktop/sysinfo.h"

struct FakeDialogs : selvane::Dialogs {
    std::optional<QString> answer; // the path the user picks; nullopt cancels
    int openCalls = 0, saveCalls = 0, printCalls = 0, previewCalls = 0;
    selvane::FileDialogSettings last;

    std::optional<QString> openFile(QWidget*, const selvane::FileDialogSettings& s) override {
        ++openCalls;
        last = s;
        return answer;
    }
    std::optional<QString> saveFile(QWidget*, const selvane::FileDialogSettings& s) override {
        ++saveCalls;
        last = s;
        return answer;
    }
    // The user leaves the save dialog's first file type chosen.
    std::optional<std::pair<QString, int>>
    saveFileWithType(QWidget* parent, const selvane::FileDialogSettings& s) override {
        const auto path = saveFile(parent, s);
        return path ? std::optional(std::pair{*path, 1}) : std::nullopt;
    }

    // What the print dialog was offered (the pages, the file and paper of the printer), and what
    // the user chooses in it, unless cancelled: a PDF file, a paper, pages from..to (0: all).
    std::int64_t printedPageCount = -1;
    QString offeredFile;
    QPageSize offeredPaper;
    bool printAccepted = false;
    std::optional<QString> printFile;
    std::optional<QPageSize> paper;
    int fromPage = 0, toPage = 0;

    bool choosePrinter(QWidget*, QPrinter& printer, std::int64_t pageCount) override {
        ++printCalls;
        printedPageCount = pageCount;
        offeredFile = printer.outputFileName();
        offeredPaper = printer.pageLayout().pageSize();
        if (!printAccepted)
            return false;
        if (printFile) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(*printFile);
        }
        if (paper)
            printer.setPageSize(*paper);
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        return true;
    }
    // What the print preview does with the printer and its painter; unset, it closes unprinted.
    std::function<bool(QPrinter&, const PaintOnto&)> onPreview;
    bool preview(QWidget*, QPrinter& printer, const PaintOnto& paint) override {
        ++previewCalls;
        return onPreview ? onPreview(printer, paint) : false;
    }
};

// A registry of string values under keys of HKEY_LOCAL_MACHINE: keys[key][value] = text.
struct FakeRegistry : selvane::RegistryLayer {
    using Values = std::map<std::string, std::string>;
    std::map<std::string, Values> keys;

    std::optional<Key> openKey(std::uint32_t root, const std::string& name,
                               std::uint32_t) override {
        const auto it = keys.find(name);
        if (root != selvane::kHKeyLocalMachine || it == keys.end())
            return std::nullopt;
        return reinterpret_cast<Key>(&it->second);
    }
    std::optional<selvane::RegistryValue> queryValue(Key key, const std::string& name,
                                                     std::size_t) override {
        const Values& values = *reinterpret_cast<const Values*>(key);
        const auto it = values.find(name);
        if (it == values.end())
            return std::nullopt;
        selvane::RegistryValue v{selvane::kRegSz, {it->second.begin(), it->second.end()}};
        v.bytes.push_back(0); // stored with its terminating zero
        return v;
    }
    void closeKey(Key) override {}
};

struct FakeLauncher : selvane::Launcher {
    std::vector<std::string> existing; // files that exist
    bool startSucceeds = true;
    std::vector<std::string> started; // every program a start was tried for

    bool fileExists(const std::string& path) override {
        return std::ranges::find(existing, path) != existing.end();
    }
    bool start(const std::string& program) override {
        started.push_back(program);
        return startSucceeds;
    }
};

struct FakeMessenger : selvane::Messenger {
    std::vector<std::pair<std::string, std::string>> shown; // title, text
    void showMessage(const std::string& title, const std::string& text) override {
        shown.emplace_back(title, text);
    }
};
