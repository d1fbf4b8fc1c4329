#include "desktop/icons.h"

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

QIcon buttonIcon(ButtonPicture picture) {
    registerPictures();
    switch (picture) {
    case ButtonPicture::Save:
        return QIcon(QStringLiteral(":/icons/save.xpm"));
    case ButtonPicture::Open:
        return QIcon(QStringLiteral(":/icons/open.xpm"));
    case ButtonPicture::Print:
        return QIcon(QStringLiteral(":/icons/print.xpm"));
    }
    return {};
}

QPixmap programIcon() {
    registerPictures();
    return QPixmap(QStringLiteral(":/icons/selvane.png"));
}

} // namespace selvane
