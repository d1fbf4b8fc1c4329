#include "print/report_font.h"

#include <QString>
#include <QStringList>

namespace selvane {

QFont reportFont(double pointSize) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace selvane
