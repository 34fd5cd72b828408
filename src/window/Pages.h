#pragma once

#include <QSize>

class QWidget;

// The space a page of the main window's page control (745 x 639) offers below its tabs, less
// a few pixels for styles with taller tabs.
inline constexpr QSize PageArea(741, 608);

// Builders of the "Values", "Settings" and "About" pages of the main window. Each fills the
// given page with absolutely placed, named components; the window connects their handlers
// afterwards by looking the components up by name.
void BuildValuesPage(QWidget* page);
void BuildSettingsPage(QWidget* page);
void BuildAboutPage(QWidget* page);
