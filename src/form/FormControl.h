#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// What kind of component a control of the window model stands for.
enum class ControlKind { Label, Edit, Choice, CheckBox, Button, Group, Panel, Page, PageControl };

// The properties a control keeps; the view copies those that changed.
enum class ControlProperty : unsigned {
    Text = 1U << 0,
    Items = 1U << 1,  // the choice list and the selected index
    Enabled = 1U << 2,
    Visible = 1U << 3,
    Checked = 1U << 4,
    Hint = 1U << 5,  // the hint and whether it shows
    Colour = 1U << 6,
    Frame = 1U << 7,  // raised or sunken
    Stack = 1U << 8,  // brought to the front or sent to the back
    Focus = 1U << 9,
    Bold = 1U << 10,  // the text's weight
};

class ControlOwner;

// One control of the window model: the state of a label, edit, choice list, check box, button,
// group or page that the operations read or set, with no widget behind it. The accessors are
// named after the widgets' own, so an operation reads the same whether or not a window shows it.
class FormControl {
  public:
    FormControl(ControlOwner& owner, QString name, ControlKind kind);
    FormControl(const FormControl&) = delete;
    FormControl& operator=(const FormControl&) = delete;

    const QString& objectName() const { return name_; }
    ControlKind kind() const { return kind_; }

    // Caption of a label, button or group; text of an edit.
    const QString& text() const { return text_; }
    void setText(const QString& text);
    const QString& title() const { return text_; }
    void setTitle(const QString& title) { setText(title); }

    // Choice lists: the items and the selected index (-1: none). An edit's clear() empties its
    // text, a list's its items.
    const QStringList& items() const { return items_; }
    void setItems(const QStringList& items, int index = -1);
    void addItem(const QString& item);
    void clear();
    int count() const { return static_cast<int>(items_.size()); }
    int currentIndex() const { return index_; }
    // An index outside the list selects nothing, as a list widget does.
    void setCurrentIndex(int index);
    QString currentText() const;

    // The control's own flags, whatever its parents say.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isVisible() const { return visible_; }
    bool isHidden() const { return !visible_; }
    void setVisible(bool visible);
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);

    // The hint (tool tip and status-bar text) and whether it shows.
    const QString& hint() const { return hint_; }
    bool showHint() const { return showHint_; }
    void setHint(const QString& hint);
    void setShowHint(bool show);

    quint32 colour() const { return colour_; }
    void setTextColour(quint32 colour);
    bool isBold() const { return bold_; }
    void setBold(bool bold);
    bool isRaisedFrame() const { return raised_; }
    void setRaisedFrame(bool raised);

    // Front-to-back order: the latest raise() is in front of everything raised before it.
    void raise();
    void lower();
    int stackOrder() const { return stack_; }
    void setFocus();

    // Program data of the control (the channel of a sensor list).
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Which properties the model has set since the control was made; the view copies those to
    // its widget and takes the others (captions laid out with the page) from it.
    bool knows(ControlProperty property) const;
    // The widget's state, laid out with its page, for a property the model does not know yet.
    void adoptText(const QString& text);
    void adoptItems(const QStringList& items, int index);
    void adoptHint(const QString& hint, bool show);
    void adoptColour(quint32 colour);

    // Runs on a change of an edit's text, a box's tick or a page control's page, whoever made
    // it; a list's choice runs `onClick` only when the user makes it.
    std::function<void()> onChange;
    // A button or link pressed, or a choice made by the user.
    std::function<void()> onClick;
    // Programmatic changes that must not run onChange (a page chosen at start-up).
    bool signalsBlocked = false;

    // Presses the control: nothing happens while it is disabled.
    void click();

    // Everything the control shows, as a value: taken before a step the user may abandon, and
    // put back (with the view told, and no handler run) when they do.
    struct Look {
        QString text;
        QStringList items;
        int index = -1;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        QString hint;
        bool showHint = true;
        quint32 colour = 0;
        bool bold = false;
        bool raised = false;
        int tag = 0;
        unsigned known = 0;
    };
    Look look() const;
    void restore(const Look& look);

  private:
    void changed(ControlProperty property);

    ControlOwner& owner_;
    QString name_;
    ControlKind kind_;
    QString text_;
    QStringList items_;
    int index_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    QString hint_;
    bool showHint_ = true;
    quint32 colour_ = 0xFF000000;
    bool bold_ = false;
    bool raised_ = false;
    int stack_ = 0;
    int tag_ = 0;
    unsigned known_ = 0;
};

// Told of every change so it can pass it on to a view.
class ControlOwner {
  public:
    virtual ~ControlOwner() = default;
    virtual void controlChanged(FormControl& control, ControlProperty property) = 0;
    // The next place in front (positive) or behind (negative) for raise() and lower().
    virtual int nextStackPlace(bool front) = 0;
};

// Keeps a control's onChange from running while the scope lasts.
class QuietControl {
  public:
    explicit QuietControl(FormControl& control) : control_(control), was_(control.signalsBlocked) {
        control_.signalsBlocked = true;
    }
    ~QuietControl() { control_.signalsBlocked = was_; }
    QuietControl(const QuietControl&) = delete;
    QuietControl& operator=(const QuietControl&) = delete;

  private:
    FormControl& control_;
    bool was_;
};

// The colours the operations give texts, as 0xAARRGGBB.
namespace colours {
inline constexpr quint32 Black = 0xFF000000;
inline constexpr quint32 Silver = 0xFFC0C0C0;
inline constexpr quint32 White = 0xFFFFFFFF;
inline constexpr quint32 Red = 0xFFFF0000;
inline constexpr quint32 LinkBlue = 0xFF0000FF;
}  // namespace colours
