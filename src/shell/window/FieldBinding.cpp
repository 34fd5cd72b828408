// Field states of parameter controls and the log list.

#include "records/Clock.h"
#include "shell/TForm1.h"
#include "shell/window/WidgetFactory.h"

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
