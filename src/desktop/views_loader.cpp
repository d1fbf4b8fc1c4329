#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>
#include <dlfcn.h>

#include "desktop/views.h"

namespace selvane {

Views& views() {
    static Views* const loaded = [] {
        using Entry = Views* (*)();
        // A program linked with the library has the entry point already.
        if (auto* entry = reinterpret_cast<Entry>(dlsym(RTLD_DEFAULT, "selvaneViews")))
            return entry();
        // Beside the program (the build tree), else where the package installs it.
        const QStringList folders = {QCoreApplication::applicationDirPath(),
                                     QLatin1String(SELVANE_VIEWS_DIR)};
        QStringList tried;
        for (const QString& folder : folders) {
            QLibrary library(folder + QStringLiteral("/libselvane-views.so"));
            if (auto* entry = reinterpret_cast<Entry>(library.resolve("selvaneViews")))
                return entry(); // the library stays loaded for the rest of the run
            tried << library.fileName() + QStringLiteral(": ") + library.errorString();
        }
        qFatal("Selvane cannot load its chart and print library:\n%s",
               qPrintable(tried.join(QLatin1Char('\n'))));
    }();
    return *loaded;
}

} // namespace selvane
