#pragma once

#include <QIcon>

// The pictures of the tool bar, drawn here so they need no image files.
namespace toolicons {

QIcon LoadFromPort();
QIcon SaveToPort();
QIcon LoadFromFile();
QIcon SaveToFile();
QIcon FactoryDefaults();
QIcon PrintReport();
QIcon SaveReportPdf();
QIcon History();
QIcon ResetForm();
QIcon Help();

}  // namespace toolicons
