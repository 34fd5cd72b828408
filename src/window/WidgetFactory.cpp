#include "window/WidgetFactory.h"

#include "window/ElidingLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace widgets {

namespace {

constexpr auto HintProperty = "kvcHint";
constexpr auto ShowHintProperty = "kvcShowHint";
constexpr auto PaddedProperty = "kvcPadded";

template <class W>
W* place(W* widget, const QString& name, const QRect& where) {
    widget->setObjectName(name);
    widget->setGeometry(where);
    return widget;
}

void refreshToolTip(QWidget* widget) {
    widget->setToolTip(showHint(widget) ? hint(widget) : QString());
}

}  // namespace

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& where) {
    return place(new ElidingLabel(caption, parent), name, where);
}

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& where) {
    return place(new QLineEdit(parent), name, where);
}

QComboBox* list(QWidget* parent, const QString& name, const QRect& where) {
    return place(new QComboBox(parent), name, where);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& where) {
    return place(new QPushButton(caption, parent), name, where);
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& where) {
    auto* box = place(new QCheckBox(caption, parent), name, where);
    box->setLayoutDirection(Qt::RightToLeft);  // the caption stands left of the box
    return box;
}

QGroupBox* group(QWidget* parent, const QString& name, const QString& caption, const QRect& where) {
    return place(new QGroupBox(caption, parent), name, where);
}

QLabel* headingPanel(QWidget* parent, const QString& name, const QString& caption,
                     const QRect& where) {
    auto* heading = label(parent, name, caption, where);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameShape(QFrame::Panel);
    heading->setFrameShadow(QFrame::Raised);
    return heading;
}

QFrame* panel(QWidget* parent, const QString& name, const QRect& where) {
    auto* frame = place(new QFrame(parent), name, where);
    // The style's panel, closed on all four sides: a plain sunken panel draws its right and
    // bottom edges in the light colour, which vanishes against a light page or a white logo.
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

bool isEnabled(const QWidget* widget) {
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    // The colour is the enabled control's. A disabled one keeps the style's disabled colours,
    // so it never looks like a field that takes input.
    const QPalette style = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
        palette.setColor(QPalette::Disabled, role, style.color(QPalette::Disabled, role));
    }
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, QPalette::WindowText);
}

void setHint(QWidget* widget, const QString& text) {
    widget->setProperty(HintProperty, text);
    refreshToolTip(widget);
}

QString hint(const QWidget* widget) {
    return widget->property(HintProperty).toString();
}

void setShowHint(QWidget* widget, bool show) {
    widget->setProperty(ShowHintProperty, show);
    refreshToolTip(widget);
}

bool showHint(const QWidget* widget) {
    const QVariant shown = widget->property(ShowHintProperty);
    return !shown.isValid() || shown.toBool();
}

void setPadded(QLineEdit* field) {
    field->setProperty(PaddedProperty, true);
}

QString shownText(const QWidget* widget, const QString& text) {
    if (!widget->property(PaddedProperty).toBool()) {
        return text;
    }
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end);
}

}  // namespace widgets
