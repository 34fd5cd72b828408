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
    // Only the disabled colour group changes, so enabling the control brings its usual
    // text colour back.
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, Silver);
    }
    widget->setPalette(palette);
    widget->setEnabled(false);
}

}  // namespace widgets
