// Connects the handlers of the start-up, session and settings to the components of the pages,
// found by name.

#include "shell/SettingsBoxes.h"
#include "shell/TForm1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

namespace {

// Runs an action when a label is clicked with the left button: the window's links are labels.
class LabelClick final : public QObject {
  public:
    LabelClick(QLabel* label, std::function<void()> action)
        : QObject(label), action_(std::move(action)) {
        label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> action_;
};

}  // namespace

void TForm1::connectSession() {
    const auto onClick = [this](const char* name, void (TForm1::*handler)()) {
        connect(Find<QPushButton>(QString::fromLatin1(name)), &QPushButton::clicked, this, handler);
    };
    onClick("BEnterPassword", &TForm1::BEnterPasswordClick);
    onClick("BChangePassword", &TForm1::BChangePasswordClick);
    onClick("BDoneByDoneFor", &TForm1::BDoneByDoneForClick);
    onClick("BitBtn4", &TForm1::BitBtn4Click);
    // Enter in the password field does what the button beside it does.
    connect(Find<QLineEdit>(QStringLiteral("TEntryPassword")), &QLineEdit::returnPressed, this,
            &TForm1::BEnterPasswordClick);

    // A box changed by the program runs its handler as a click would, so the start-up's
    // ticking writes the same values back.
    connect(Find<QCheckBox>(QStringLiteral("CheckBox1")), &QCheckBox::toggled, this,
            &TForm1::CheckBox1Click);
    for (const SettingsBox& setting : SettingsBoxes) {
        const QString name = QString::fromLatin1(setting.box);
        connect(Find<QCheckBox>(name), &QCheckBox::toggled, this,
                [this, name] { SettingsBoxClick(name); });
    }

    for (const auto& [name, handler] :
         {std::pair{"LDataSheet", &TForm1::LDataSheetClick},
          std::pair{"Label5", &TForm1::Label5Click}, std::pair{"Label1", &TForm1::Label1Click}}) {
        new LabelClick(Find<QLabel>(QString::fromLatin1(name)),
                       [this, handler] { (this->*handler)(); });
    }

    connect(pages_, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
}

void TForm1::PageControl1Change(int index) {
    constexpr int ValuesPage = 1;
    if (index != ValuesPage) {
        return;
    }
    // Opening the Values page starts the input reading at once when BStartReadValues is shown
    // and the silent probe finds a module; that start arrives with the live reading.
}
