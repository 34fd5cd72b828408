#pragma once

#include <functional>

class QWidget;

namespace widgets {

// Runs `prepare` once, just before `widget` is first shown. Costly decoration of what the window
// does not show at start (a page behind another, the status box) then waits until it is needed
// and keeps the first paint quick.
void WhenFirstShown(QWidget* widget, std::function<void()> prepare);

}  // namespace widgets
