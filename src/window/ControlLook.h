#pragma once

class QLabel;
class QWidget;

namespace widgets {

// Blue, underlined text under a hand cursor: a label that opens something when clicked.
void setLinkLook(QLabel* label);

// Disables a control and shows its text in silver until the program enables it again.
void greyOut(QWidget* widget);

}  // namespace widgets
