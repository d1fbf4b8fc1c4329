#include "desktop/icons.h"

#include <QPixmap>

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
    for (const int scale : {2, 3, 4})
        icon.addPixmap(QPixmap(QStringLiteral(":/icons/%1-%2x.png").arg(name).arg(scale)));
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
