#include "desktop/sentences.h"

#include <QLabel>
#include <QPalette>

#include "desktop/readable_colours.h"

namespace selvane {

void setText(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() != shown)
        label->setText(shown);
    label->setVisible(!text.empty());
}

QLabel* sentence(QWidget* parent, const char* name, bool warning) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    if (warning) {
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, warningColour(red.color(QPalette::Window)));
        label->setPalette(red);
    }
    return label;
}

} // namespace selvane
