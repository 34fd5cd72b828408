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

// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void UseWindowStyle() {
    if (qobject_cast<QProxyStyle*>(QApplication::style()) != nullptr) {
        return;
    }
    // The proxy takes its base over, and the application the proxy (which the analyser cannot
    // see through Qt's ownership rules).
    QApplication::setStyle(new WindowStyle(QStyleFactory::create(QApplication::style()->name())));
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

}  // namespace widgets
