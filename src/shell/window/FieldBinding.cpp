// Field states of parameter controls and the log list.

#include "catalogue/ValueFormat.h"
#include "records/Clock.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"
#include "shell/window/WidgetFactory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace widgets;

namespace {

void setFieldState(TForm1& form, const QString& key, const QString& fieldType, bool enabled) {
    const QColor colour = enabled ? Black : Silver;
    if (QWidget* caption = form.FindControl(QStringLiteral("L") + key)) {
        setTextColour(caption, colour);
    }
    if (fieldType != QLatin1String("C")) {
        if (QWidget* value = form.FindControl(QStringLiteral("T") + key)) {
            value->setEnabled(enabled);
        }
        if (QWidget* unit = form.FindControl(QStringLiteral("L") + key + QStringLiteral("DIM"))) {
            setTextColour(unit, colour);
        }
    } else if (QWidget* value = form.FindControl(QStringLiteral("C") + key)) {
        value->setEnabled(enabled);
    }
}

}  // namespace

void TForm1::EnableField(const QString& key, const QString& fieldType) {
    setFieldState(*this, key, fieldType, true);
}

void TForm1::DisableField(const QString& key, const QString& fieldType) {
    setFieldState(*this, key, fieldType, false);
}

void TForm1::ShowField(int index) {
    const TTableEntry& entry = state_.ParameterTable[index];
    QWidget* caption = FindControl(QStringLiteral("L") + entry.Field);
    setTextColour(caption, Black);
    setHint(caption, entry.Name);
    setShowHint(caption, true);
    if (entry.FieldType == FieldKind::Choice) {
        auto* choice = Find<QComboBox>(QStringLiteral("C") + entry.Field);
        choice->clear();
        for (const QString& item : entry.Items) {
            if (!item.isEmpty()) {
                choice->addItem(item);
            }
        }
        choice->setCurrentIndex(entry.Value < choice->count() ? entry.Value : -1);
        choice->setEnabled(true);
        setTextColour(choice, Black);
        setHint(choice, QStringLiteral("Hint: ") + entry.Name);
        setShowHint(choice, true);
        return;
    }
    auto* field = Find<QLineEdit>(QStringLiteral("T") + entry.Field);
    field->setEnabled(true);
    setTextColour(field, Black);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, White);
    field->setPalette(palette);
    field->setText(FormatMyInt(entry.Value, entry.Decimal));
    setHint(field, QStringLiteral("Range from %1 to %2 (%3)")
                       .arg(entry.MinValue)
                       .arg(entry.MaxValue)
                       .arg(entry.Dimension));
    setShowHint(field, true);
    if (auto* unit = Find<QLabel>(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"))) {
        unit->setEnabled(true);
        setTextColour(unit, Black);
        unit->setText(entry.Dimension);
    }
}

void TForm1::Memo(const QString& text) {
    log_->addItem(QStringLiteral("[") + PrintTime() + QStringLiteral("] - ") + text);
    // The newest line becomes the top line of the visible area.
    log_->scrollToItem(log_->item(log_->count() - 1), QAbstractItemView::PositionAtTop);
}

void TForm1::ListBox1MouseMove(const QPoint& position) {
    const QListWidgetItem* item = log_->itemAt(position);
    if (item == nullptr) {
        return;
    }
    const QString line = item->text();
    setHint(log_, line.size() >= 3 ? line : QString());
    SetStatusPanel(0, log_->toolTip());
}
