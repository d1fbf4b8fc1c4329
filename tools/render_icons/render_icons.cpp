// Build step: draws each button picture's outline (SVG) at two, three and four times its size
// into PNG files, which the window puts on its buttons on screens that scale it up. Drawn here
// once, they spare the program Qt Svg at start-up.
// Usage: selvane-render-icons OUTPUT_FOLDER PICTURE.svg...  (writes NAME-2x.png, -3x, -4x)

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no display is needed, nor used
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER PICTURE.svg...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QString svg = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer outline(svg);
        if (!outline.isValid()) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
            return 1;
        }
        for (const int scale : {2, 3, 4}) {
            QImage image(outline.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            outline.render(&painter);
            painter.end();
            const QString png = out.filePath(
                QStringLiteral("%1-%2x.png").arg(QFileInfo(svg).completeBaseName()).arg(scale));
            if (!image.save(png)) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(png));
                return 1;
            }
        }
    }
    return 0;
}
