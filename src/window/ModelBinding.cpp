// Binds each widget to the window model's control of the same name, both ways: the model's
// changes are copied to the widget, the user's input goes to the model.

#include "form/TForm1.h"
#include "window/MainWindow.h"
#include "window/WidgetFactory.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

QString widgetText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    return widget->windowTitle();
}

void setWidgetText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        // Only a real change: the cursor stays where the user is typing, and a blank the user
        // has just typed at the end of a padded field stays.
        const QString shown = widgets::shownText(field, text);
        if (field->text() != text && field->text() != shown) {
            field->setText(shown);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (widget->isWindow()) {
        widget->setWindowTitle(text);
    }
}

QStringList comboItems(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

QStringList tabCaptions(const QTabWidget* pages) {
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) {
        captions << pages->tabText(i);
    }
    return captions;
}

}  // namespace

void ConfiguratorWindow::bindControls() {
    // Controls already bound keep their widget; the pages built later bind theirs then.
    for (const auto& owned : form_.Controls()) {
        FormControl& control = *owned;
        if (widgetOf_.contains(&control)) {
            continue;
        }
        QWidget* widget = control.objectName() == QLatin1String("TForm1")
                              ? this
                              : widgetsByName_.value(control.objectName().toLower(), nullptr);
        if (widget != nullptr) {
            bind(control, widget);
        }
    }
}

void ConfiguratorWindow::bind(FormControl& control, QWidget* widget) {
    widgetOf_.insert(&control, widget);
    controlOf_.insert(widget, &control);
    // What the page layout gave the widget counts until the model sets its own.
    control.adoptText(widgetText(widget));
    control.adoptHint(widgets::hint(widget), widgets::showHint(widget));
    control.adoptColour(widgets::textColour(widget).rgba());
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        control.adoptItems(comboItems(list), list->currentIndex());
    } else if (auto* pages = qobject_cast<QTabWidget*>(widget)) {
        control.adoptItems(tabCaptions(pages), pages->currentIndex());
    }
    showAll(control);

    const QString name = control.objectName();
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        connect(field, &QLineEdit::textEdited, this,
                [this, name, &control, field](const QString& text) {
                    if (!form_.Typed(name, text)) {
                        field->setText(widgets::shownText(field, control.text()));
                    }
                });
        if (name == QLatin1String("TEntryPassword")) {
            // Enter in the password field does what the button beside it does.
            connect(field, &QLineEdit::returnPressed, this,
                    [this] { form_.Click(QStringLiteral("BEnterPassword")); });
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this, [this, name, &control, list](int index) {
            if (!form_.Choose(name, index)) {
                const QSignalBlocker quiet(list);
                list->setCurrentIndex(control.currentIndex());
            }
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::clicked, this, [this, name, &control, box](bool checked) {
            if (!form_.Check(name, checked)) {
                box->setChecked(control.isChecked());
            }
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, name] { form_.Click(name); });
    } else if (auto* pages = qobject_cast<QTabWidget*>(widget)) {
        connect(pages, &QTabWidget::currentChanged, this, [this, name, &control, pages](int index) {
            if (!form_.ShowPage(name, index)) {
                const QSignalBlocker quiet(pages);
                pages->setCurrentIndex(control.currentIndex());
            }
        });
    }
}

namespace {

// The tab widget `widget` is a page of, or none.
QTabWidget* tabsHolding(QWidget* widget) {
    QWidget* stack = widget->parentWidget();
    auto* pages = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return pages != nullptr && pages->indexOf(widget) >= 0 ? pages : nullptr;
}

}  // namespace

void ConfiguratorWindow::showAll(const FormControl& control) {
    for (const ControlProperty property :
         {ControlProperty::Text, ControlProperty::Items, ControlProperty::Enabled,
          ControlProperty::Visible, ControlProperty::Checked, ControlProperty::Hint,
          ControlProperty::Colour, ControlProperty::Frame, ControlProperty::Bold}) {
        showProperty(control, property);
    }
}

void ConfiguratorWindow::showProperty(const FormControl& control, ControlProperty property) {
    QWidget* widget = widgetOf_.value(&control, nullptr);
    if (widget == nullptr) {
        return;
    }
    switch (property) {
        case ControlProperty::Text:
            if (control.knows(ControlProperty::Text)) {
                setWidgetText(widget, control.text());
            }
            break;
        case ControlProperty::Items:
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                const QSignalBlocker quiet(list);
                if (comboItems(list) != control.items()) {
                    list->clear();
                    list->addItems(control.items());
                    // The open list is at least as wide as its longest item.
                    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) +
                                                  2 * list->view()->frameWidth());
                }
                list->setCurrentIndex(control.currentIndex());
                showProperty(control, ControlProperty::Enabled);
            } else if (auto* pages = qobject_cast<QTabWidget*>(widget)) {
                const QSignalBlocker quiet(pages);
                const QStringList& captions = control.items();
                for (int i = 0; i < pages->count() && i < captions.size(); ++i) {
                    // Only a changed caption is set: an idle window repaints nothing.
                    if (pages->tabText(i) != captions[i]) {
                        pages->setTabText(i, captions[i]);
                    }
                }
                if (pages->currentIndex() != control.currentIndex()) {
                    // A page the model turns to before it was built is filled first, while
                    // hidden, so its widgets show with it.
                    buildRemainingPages();
                }
                pages->setCurrentIndex(control.currentIndex());
            }
            break;
        case ControlProperty::Enabled:
            if (widget != this) {
                // A list with nothing to choose is never offered, whatever the layout says.
                const bool empty = qobject_cast<QComboBox*>(widget) != nullptr &&
                                   control.kind() == ControlKind::Choice && control.count() == 0;
                widget->setEnabled(control.isEnabled() && !empty);
            }
            break;
        case ControlProperty::Visible:
            if (QTabWidget* pages = tabsHolding(widget)) {
                // A page's visibility belongs to its tab widget, which shows one page at a time;
                // setting the page itself visible would paint it over the current one.
                pages->setTabVisible(pages->indexOf(widget), control.isVisible());
            } else if (widget != this) {
                widget->setVisible(control.isVisible());
            }
            break;
        case ControlProperty::Checked:
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                const QSignalBlocker quiet(box);
                box->setChecked(control.isChecked());
            }
            break;
        case ControlProperty::Hint:
            if (control.knows(ControlProperty::Hint)) {
                widgets::setHint(widget, control.hint());
                widgets::setShowHint(widget, control.showHint());
            }
            break;
        case ControlProperty::Colour:
            if (control.knows(ControlProperty::Colour)) {
                widgets::setTextColour(widget, QColor::fromRgba(control.colour()));
            }
            break;
        case ControlProperty::Frame:
            if (auto* frame = qobject_cast<QFrame*>(widget);
                frame != nullptr && control.knows(ControlProperty::Frame)) {
                frame->setFrameShadow(control.isRaisedFrame() ? QFrame::Raised : QFrame::Sunken);
            }
            break;
        case ControlProperty::Bold:
            if (control.knows(ControlProperty::Bold)) {
                QFont font = widget->font();
                font.setBold(control.isBold());
                widget->setFont(font);
            }
            break;
        case ControlProperty::Stack:
            if (control.stackOrder() > 0) {
                widget->raise();
            } else if (control.stackOrder() < 0) {
                widget->lower();
            }
            break;
        case ControlProperty::Focus:
            widget->setFocus();
            break;
    }
}
