#pragma once
// The pictures compiled into the program: the three toolbar buttons and the program's icon.

#include <QIcon>
#include <QPixmap>

namespace selvane {

enum class ButtonPicture { Save, Open, Print };

QIcon buttonIcon(ButtonPicture picture);
QPixmap programIcon();

} // namespace selvane
