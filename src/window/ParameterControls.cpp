// The parameter controls of the first page, created from the catalogue: for every key K the
// caption "L"+K, the list "C"+K or the edit "T"+K, and where it has one the unit label
// "L"+K+"DIM".

#include "catalogue/Definitions.h"
#include "catalogue/ParameterLayout.h"
#include "window/MainWindow.h"
#include "window/WidgetFactory.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

using namespace widgets;

namespace {

constexpr int RowHeight = 20;
constexpr int CaptionLeft = 6;
constexpr int ValueLeft = 91;
constexpr int ListWidth = 80;
constexpr int EditWidth = 50;
constexpr int UnitLeft = 144;
constexpr int UnitWidth = 30;
constexpr int LimitCaptionWidth = 70;
constexpr int LimitLowLeft = 76;
constexpr int LimitDashLeft = 120;
constexpr int LimitHighLeft = 128;
constexpr int LimitEditWidth = 42;
constexpr int MaxEditCharacters = 6;

// Limits what the user types, not what the program shows: a formatted value may be longer
// ("123.456" with three decimals), and a maximum length on the edit would cut it, so that merely
// leaving the field would store 123450.
class TypedLength final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return input.size() <= MaxEditCharacters ? Acceptable : Invalid;
    }
};

QLineEdit* numberEdit(QWidget* group, const QString& name, const QRect& place) {
    QLineEdit* field = edit(group, name, place);
    field->setValidator(new TypedLength(field));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setEnabled(false);
    return field;
}

QLabel* unitLabel(QWidget* group, const QString& key, int top) {
    QLabel* unit = label(group, QStringLiteral("L") + key + QStringLiteral("DIM"), QString(),
                         {UnitLeft, top + 2, UnitWidth, RowHeight - 4});
    QFont small = unit->font();
    small.setPointSize(7);
    unit->setFont(small);
    unit->setEnabled(false);
    return unit;
}

}  // namespace

void ConfiguratorWindow::buildParameterControls(QWidget* page) {
    auto place = [page](const QString& key, bool isChoice) {
        const auto where = PlaceOf(key);
        Q_ASSERT(where.has_value());
        auto* group = page->findChild<QGroupBox*>(where->group);
        const bool low = where->style == ParameterPlace::Style::LimitLow;
        const bool high = where->style == ParameterPlace::Style::LimitHigh;
        const QRect captionPlace =
            high ? QRect(LimitDashLeft, where->top + 2, 8, RowHeight - 4)
                 : QRect(CaptionLeft, where->top + 2,
                         low ? LimitCaptionWidth : ValueLeft - CaptionLeft - 2, RowHeight - 4);
        QLabel* caption = label(group, QStringLiteral("L") + key, where->caption, captionPlace);
        setTextColour(caption, Silver);

        if (isChoice) {
            QComboBox* choice = list(group, QStringLiteral("C") + key,
                                     {ValueLeft, where->top, ListWidth, RowHeight});
            choice->setEnabled(false);
            // The temperature sensor lists drop down 14 lines, every other list the usual 8.
            choice->setMaxVisibleItems(key.startsWith(QLatin1String("InputTm")) ? 14 : 8);
            return;
        }
        const int left = low ? LimitLowLeft : high ? LimitHighLeft : ValueLeft;
        const int width = low || high ? LimitEditWidth : EditWidth;
        numberEdit(group, QStringLiteral("T") + key, {left, where->top, width, RowHeight});
        if (where->unitLabel) {
            unitLabel(group, key, where->top);
        }
    };

    for (const TTableEntry& entry : InitialParameterTable()) {
        place(entry.Field, entry.FieldType == FieldKind::Choice);
    }
    for (const char* key : ExtraOffDelayKeys) {
        place(QString::fromLatin1(key), false);
    }

    // Only the selectors a model uses are shown; at first none of channel 1's.
    for (const char* hidden : {"LInput1", "LInputHz1", "LInputTm1", "CInput1", "CInputHz1"}) {
        page->findChild<QWidget*>(QString::fromLatin1(hidden))->setVisible(false);
    }
}
