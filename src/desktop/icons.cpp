#include "desktop/icons.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library, whose resource initialiser the linker would drop
// unless something refers to it.
static void registerPictures() {
    static const bool once = [] {
        Q_INIT_RESOURCE(selvane);
        return true;
    }();
    (void)once;
}

namespace selvane {

namespace {

// At its own size a button shows the hand-drawn pixels; on a screen that scales the window
// (2x, 3x) the same picture drawn from its outline at that size, instead of blown-up pixels.
QIcon pictureIcon(const QString& name) {
    QIcon icon(QStringLiteral(":/icons/%1.xpm").arg(name));
    QSvgRenderer outline(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!outline.isValid())
        return icon;
    const QSize base = outline.defaultSize();
    for (const int scale : {2, 3, 4}) {
        QImage image(base * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        outline.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

QIcon buttonIcon(ButtonPicture picture) {
    registerPictures();
    switch (picture) {
    case ButtonPicture::Save:
        return pictureIcon(QStringLiteral("save"));
    case ButtonPicture::Open:
        return pictureIcon(QStringLiteral("open"));
    case ButtonPicture::Print:
        return pictureIcon(QStringLiteral("print"));
    }
    return {};
}

QPixmap programIcon() {
    registerPictures();
    return QPixmap(QStringLiteral(":/icons/selvane.png"));
}

} // namespace selvane
