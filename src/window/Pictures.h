#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the main window, drawn at the size they are shown.
namespace pictures {

// The large start button of the "Values" page: a module's input drawn as a live trace.
QPixmap startReading(const QSize& size);

// How the module reaches the computer: PC, KPT 5532 converter, module.
QPixmap connection(const QSize& size);

// The question mark of a help button.
QPixmap helpMark(const QSize& size);

// The maker's logo.
QPixmap makerLogo(const QSize& size);

}  // namespace pictures
