#include "form/FormControl.h"

FormControl::FormControl(ControlOwner& owner, QString name, ControlKind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind) {}

bool FormControl::knows(ControlProperty property) const {
    return (known_ & static_cast<unsigned>(property)) != 0;
}

void FormControl::changed(ControlProperty property) {
    known_ |= static_cast<unsigned>(property);
    owner_.controlChanged(*this, property);
}

void FormControl::setText(const QString& text) {
    if (text == text_ && knows(ControlProperty::Text)) {
        return;
    }
    const bool differs = text != text_;
    text_ = text;
    changed(ControlProperty::Text);
    if (differs && onChange && !signalsBlocked && kind_ == ControlKind::Edit) {
        onChange();
    }
}

void FormControl::setItems(const QStringList& items, int index) {
    items_ = items;
    index_ = index >= 0 && index < count() ? index : -1;
    changed(ControlProperty::Items);
}

void FormControl::addItem(const QString& item) {
    items_ << item;
    // A list that gets its first item selects it, as a list widget does.
    if (index_ < 0 && items_.size() == 1) {
        index_ = 0;
    }
    changed(ControlProperty::Items);
}

void FormControl::clear() {
    if (kind_ == ControlKind::Choice) {
        setItems({});
    } else {
        setText(QString());
    }
}

void FormControl::setCurrentIndex(int index) {
    const int chosen = index >= 0 && index < count() ? index : -1;
    if (chosen == index_ && knows(ControlProperty::Items)) {
        return;
    }
    const bool differs = chosen != index_;
    index_ = chosen;
    changed(ControlProperty::Items);
    if (differs && onChange && !signalsBlocked && kind_ == ControlKind::PageControl) {
        onChange();
    }
}

QString FormControl::currentText() const {
    return index_ >= 0 && index_ < count() ? items_.at(index_) : QString();
}

void FormControl::setEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        changed(ControlProperty::Enabled);
    }
}

void FormControl::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        changed(ControlProperty::Visible);
    }
}

void FormControl::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    changed(ControlProperty::Checked);
    if (onChange && !signalsBlocked) {
        onChange();
    }
}

void FormControl::setHint(const QString& hint) {
    if (hint != hint_ || !knows(ControlProperty::Hint)) {
        hint_ = hint;
        changed(ControlProperty::Hint);
    }
}

void FormControl::setShowHint(bool show) {
    if (show != showHint_ || !knows(ControlProperty::Hint)) {
        showHint_ = show;
        changed(ControlProperty::Hint);
    }
}

void FormControl::setBold(bool bold) {
    if (bold != bold_ || !knows(ControlProperty::Bold)) {
        bold_ = bold;
        changed(ControlProperty::Bold);
    }
}

void FormControl::setTextColour(quint32 colour) {
    if (colour != colour_ || !knows(ControlProperty::Colour)) {
        colour_ = colour;
        changed(ControlProperty::Colour);
    }
}

void FormControl::setRaisedFrame(bool raised) {
    if (raised != raised_ || !knows(ControlProperty::Frame)) {
        raised_ = raised;
        changed(ControlProperty::Frame);
    }
}

void FormControl::raise() {
    stack_ = owner_.nextStackPlace(true);
    changed(ControlProperty::Stack);
}

void FormControl::lower() {
    stack_ = owner_.nextStackPlace(false);
    changed(ControlProperty::Stack);
}

void FormControl::setFocus() {
    changed(ControlProperty::Focus);
}

void FormControl::adoptText(const QString& text) {
    if (!knows(ControlProperty::Text)) {
        text_ = text;
    }
}

void FormControl::adoptItems(const QStringList& items, int index) {
    if (!knows(ControlProperty::Items)) {
        items_ = items;
        index_ = index;
    }
}

void FormControl::adoptHint(const QString& hint, bool show) {
    if (!knows(ControlProperty::Hint)) {
        hint_ = hint;
        showHint_ = show;
    }
}

void FormControl::adoptColour(quint32 colour) {
    if (!knows(ControlProperty::Colour)) {
        colour_ = colour;
    }
}

void FormControl::click() {
    if (enabled_ && onClick) {
        onClick();
    }
}

FormControl::Look FormControl::look() const {
    return {text_,     items_,  index_, enabled_, visible_, checked_, hint_,
            showHint_, colour_, bold_,  raised_,  tag_,     known_};
}

void FormControl::restore(const Look& look) {
    text_ = look.text;
    items_ = look.items;
    index_ = look.index;
    enabled_ = look.enabled;
    visible_ = look.visible;
    checked_ = look.checked;
    hint_ = look.hint;
    showHint_ = look.showHint;
    colour_ = look.colour;
    bold_ = look.bold;
    raised_ = look.raised;
    tag_ = look.tag;
    // What the view took over since stays known: the restored values are shown in its place.
    known_ |= look.known;
    for (const ControlProperty property :
         {ControlProperty::Text, ControlProperty::Items, ControlProperty::Enabled,
          ControlProperty::Visible, ControlProperty::Checked, ControlProperty::Hint,
          ControlProperty::Colour, ControlProperty::Frame, ControlProperty::Bold}) {
        if (knows(property)) {
            owner_.controlChanged(*this, property);
        }
    }
}
