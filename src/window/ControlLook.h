#pragma once

class QLabel;
class QWidget;

namespace widgets {

// Blue, underlined text under a hand cursor: a label that opens something when clicked.
void setLinkLook(QLabel* label);

// Disables a control until the program enables it again; the style shows it greyed.
void greyOut(QWidget* widget);

}  // namespace widgets
