#pragma once

class QStyle;

namespace widgets {

// The window's style: the platform's own, with two behaviours the pages rely on. Drop-down lists
// open as a list below the box, showing as many lines as each list asks for (a menu-like popup
// would ignore that), and password fields mask each character with '*'.
// Installs it for the application once; later calls keep the one installed.
void UseWindowStyle();

}  // namespace widgets
