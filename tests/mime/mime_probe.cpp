// Prints the MIME type a Qt program (Selvane itself, or a Qt file manager) gives each file, one
// name a line, as the shared MIME database of XDG_DATA_HOME and XDG_DATA_DIRS has it.
//   mime_probe content|name|default FILE...
// content: by the bytes alone; name: by the file name alone (the file need not exist);
// default: both, as a file dialog or a file manager asks.
#include <QMimeDatabase>
#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mime_probe content|name|default FILE...\n");
        return 2;
    }
    QMimeDatabase::MatchMode mode;
    if (std::strcmp(argv[1], "content") == 0)
        mode = QMimeDatabase::MatchContent;
    else if (std::strcmp(argv[1], "name") == 0)
        mode = QMimeDatabase::MatchExtension;
    else if (std::strcmp(argv[1], "default") == 0)
        mode = QMimeDatabase::MatchDefault;
    else {
        std::fprintf(stderr, "mime_probe: unknown match mode %s\n", argv[1]);
        return 2;
    }
    const QMimeDatabase db;
    for (int i = 2; i < argc; ++i) {
        const QMimeType type = db.mimeTypeForFile(QString::fromLocal8Bit(argv[i]), mode);
        std::printf("%s\n", type.name().toUtf8().constData());
    }
    return 0;
}
