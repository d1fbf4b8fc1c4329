#pragma once
// Scripted stand-ins for the desktop's dialogs, registry, program start and message box.

#include <QPageSize>
#include <QPrinter>
#include <QString>
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
    bool printAccepted = false;
    int openCalls = 0, saveCalls = 0, printCalls = 0;
    selvane::FileDialogSettings last;
    std::int64_t printedPageCount = -1;

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
    // What the print dialog was opened with, and what the user then chooses in it: print to a
    // PDF file, another paper, a page range (from, to; 0 keeps "all pages").
    QString offeredFile;
    QPageSize offeredPaper;
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

    // The user leaves the save dialog's first file type chosen.
    std::optional<std::pair<QString, int>>
    saveFileWithType(QWidget*, const selvane::FileDialogSettings& s) override {
        ++saveCalls;
        last = s;
        if (!answer)
            return std::nullopt;
        return std::pair{*answer, 1};
    }
    // What the print preview does with the printer and its painter; unset, it closes unprinted.
    int previewCalls = 0;
    std::function<bool(QPrinter&, const PaintOnto&)> onPreview;
    bool preview(QWidget*, QPrinter& printer, const PaintOnto& paint) override {
        ++previewCalls;
        return onPreview ? onPreview(printer, paint) : false;
    }
};

// A registry holding the values put into it.
struct FakeRegistry : selvane::RegistryLayer {
    std::map<std::string, std::map<std::string, selvane::RegistryValue>> keys;

    void putString(const std::string& key, const std::string& value, const std::string& text) {
        selvane::RegistryValue v{selvane::kRegSz, {text.begin(), text.end()}};
        v.bytes.push_back(0);
        keys[key][value] = v;
    }
    std::optional<Key> openKey(std::uint32_t root, const std::string& keyName,
                               std::uint32_t) override {
        if (root != selvane::kHKeyLocalMachine)
            return std::nullopt;
        auto it = keys.find(keyName);
        if (it == keys.end())
            return std::nullopt;
        return reinterpret_cast<Key>(&it->second);
    }
    std::optional<selvane::RegistryValue> queryValue(Key key, const std::string& valueName,
                                                     std::size_t bufferBytes) override {
        const auto& values =
            *reinterpret_cast<const std::map<std::string, selvane::RegistryValue>*>(key);
        auto it = values.find(valueName);
        if (it == values.end() || it->second.bytes.size() > bufferBytes)
            return std::nullopt;
        return it->second;
    }
    void closeKey(Key) override {}
};

struct FakeLauncher : selvane::Launcher {
    std::vector<std::string> existing; // files that exist
    bool startSucceeds = true;
    std::vector<std::string> started; // every program a start was tried for

    bool fileExists(const std::string& path) override {
        for (const auto& e : existing)
            if (e == path)
                return true;
        return false;
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
