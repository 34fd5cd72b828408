#include "window/WindowStyle.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWidget>

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

    // A drop-down's current text too wide for its box (a long port name) is shortened with an
    // ellipsis rather than cut; the open list shows it whole.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element != CE_ComboBoxLabel || box == nullptr || widget == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionComboBox shortened = *box;
        const QRect field = subControlRect(CC_ComboBox, box, SC_ComboBoxEditField, widget);
        const int room =
            field.width() - 2 - (box->currentIcon.isNull() ? 0 : box->iconSize.width() + 4);
        shortened.currentText =
            widget->fontMetrics().elidedText(box->currentText, Qt::ElideRight, room);
        QProxyStyle::drawControl(element, &shortened, painter, widget);
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
