// The browser module's one entry point, which the program resolves by name after loading it.

#include "browser/BrowserWindow.h"

extern "C" Q_DECL_EXPORT QWidget* kvc7345_create_browser(QWidget* parent) {
    return new BrowserWindow(parent);
}
