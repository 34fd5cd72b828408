#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small builders for the absolutely placed, named components of the main window. Every
// component gets its objectName, so the program finds it by name at run time.
namespace widgets {

inline const QColor Black(0, 0, 0);
inline const QColor Silver(0xC0, 0xC0, 0xC0);
inline const QColor White(0xFF, 0xFF, 0xFF);

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& place);
QLineEdit* edit(QWidget* parent, const QString& name, const QRect& place);
QComboBox* list(QWidget* parent, const QString& name, const QRect& place);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& place);
QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& place);
QGroupBox* group(QWidget* parent, const QString& name, const QString& caption, const QRect& place);
// A framed panel with a centred caption, as used for the heading of a channel block.
QLabel* headingPanel(QWidget* parent, const QString& name, const QString& caption,
                     const QRect& place);
// A sunken panel, its frame closed on every side.
QFrame* panel(QWidget* parent, const QString& name, const QRect& place);

// The control's own enabled flag, whatever its parents: a field stays "enabled" while the
// pages are locked during an operation.
bool isEnabled(const QWidget* widget);

// Text colour of a label, check box or edit.
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);

// The hint of a control: shown as its tool tip and in the status bar while hints are on.
void setHint(QWidget* widget, const QString& hint);
QString hint(const QWidget* widget);
void setShowHint(QWidget* widget, bool show);
bool showHint(const QWidget* widget);

// A field whose text comes padded with trailing blanks to its full length (a module's tag). It
// shows the text without them, so a field that looks empty has room for what the user types;
// the text itself stays as it came until the user edits it.
void setPadded(QLineEdit* field);
// What `widget` shows of the text `text`.
QString shownText(const QWidget* widget, const QString& text);

}  // namespace widgets
