#include "window/ControlLook.h"

#include <QLabel>

#include "window/WidgetFactory.h"

namespace widgets {

namespace {
const QColor LinkBlue(0, 0, 0xFF);
}  // namespace

void setLinkLook(QLabel* label) {
    setTextColour(label, LinkBlue);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
}

void greyOut(QWidget* widget) {
    widget->setEnabled(false);
}

}  // namespace widgets
