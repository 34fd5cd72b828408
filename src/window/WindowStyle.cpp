#include "window/WindowStyle.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace widgets {

namespace {

class WindowStyle : public QProxyStyle {
  public:
    explicit WindowStyle(QStyle* base) : QProxyStyle(base) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        switch (hint) {
            case SH_ComboBox_Popup:
                return 0;
            case SH_LineEdit_PasswordCharacter:
                return '*';
            default:
                return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }
};

}  // namespace

void UseWindowStyle() {
    if (qobject_cast<QProxyStyle*>(QApplication::style()) != nullptr) {
        return;
    }
    // The proxy owns its base; the application owns the proxy.
    QApplication::setStyle(new WindowStyle(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace widgets
