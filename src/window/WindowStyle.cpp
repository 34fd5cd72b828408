#include "window/WindowStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
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

    // A group's frame line runs through the middle of its title, as on the form the pages were
    // laid out on: the headings placed just below the title then sit inside the frame, not on
    // its line.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || part != SC_GroupBoxFrame || group == nullptr ||
            group->text.isEmpty()) {
            return rect;
        }
        const QRect title = QProxyStyle::subControlRect(control, option, SC_GroupBoxLabel, widget);
        return rect.adjusted(0, title.center().y() - rect.top(), 0, 0);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The frame fills exactly the rectangle it is given.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(option->palette.color(QPalette::Window).darker(135));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->restore();
    }

    // The title interrupts the frame line instead of being crossed by it.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || group == nullptr || group->text.isEmpty()) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionGroupBox part = *group;
        const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        painter->setClipRegion(QRegion(option->rect) - title.adjusted(-2, 0, 2, 0));
        part.subControls = group->subControls & SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &part, painter, widget);
        painter->restore();
        part.subControls = group->subControls & ~SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &part, painter, widget);
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
