// The window as the user meets it after a read, for every model: every caption and value fits
// its control, no control reaches past its group, its parent's inside or the window, every panel's
// frame is closed, every disabled control is drawn
// greyed the style's way, and no enabled drop-down is empty.

#include "form/TForm1.h"
#include "link/ModelTable.h"
#include "support/WindowBench.h"
#include "window/ChartHost.h"
#include "window/ElidingLabel.h"
#include "window/MainWindow.h"

#include <algorithm>
#include <cstdlib>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QValueAxis>

namespace {

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// What a text needs on each side inside a box: the one-pixel border and three of air.
constexpr int Border = 4;

// "" when `needed` pixels fit in `room`, else what does not fit.
QString roomProblem(const QString& text, int needed, int room) {
    return needed <= room
               ? QString()
               : QStringLiteral("\"%1\" needs %2 px of %3").arg(text).arg(needed).arg(room);
}

// The frame of a group as its style draws it.
QRect frameOf(const QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame,
                                          group);
}

bool fits(const QWidget* widget, const QString& text, int room) {
    const QFontMetrics metrics = widget->fontMetrics();
    return metrics.horizontalAdvance(text) <= room;
}

// The first line of a caption: labels with several lines are checked line by line.
QStringList linesOf(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

QString textProblem(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText ||
            label->text().startsWith(QLatin1Char('<'))) {
            return {};
        }
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        if (label->wordWrap()) {
            return label->heightForWidth(label->width()) <= label->height()
                       ? QString()
                       : QStringLiteral("wrapped text taller than the label");
        }
        for (const QString& line : linesOf(label->text())) {
            if (!fits(label, line, room.width())) {
                return QStringLiteral("\"%1\" is %2 px wide in %3 px")
                    .arg(line)
                    .arg(label->fontMetrics().horizontalAdvance(line))
                    .arg(room.width());
            }
        }
        return {};
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        return roomProblem(box->text(), box->sizeHint().width(), box->width());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty() || qobject_cast<const QToolButton*>(button) != nullptr) {
            return {};
        }
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const int needed =
            button->fontMetrics().horizontalAdvance(button->text()) + icon + 2 * Border;
        return roomProblem(button->text(), needed, button->width());
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        const int needed =
            field->fontMetrics().horizontalAdvance(field->displayText()) + 2 * Border;
        return roomProblem(field->displayText(), needed, field->width());
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const QRect text = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, list);
        return fits(list, list->currentText(), text.width())
                   ? QString()
                   : QStringLiteral("\"%1\" wider than the list's %2 px")
                         .arg(list->currentText())
                         .arg(text.width());
    }
    return {};
}

QString placeProblem(const QWidget* widget, const QWidget* window) {
    const QWidget* parent = widget->parentWidget();
    if (const auto* group = qobject_cast<const QGroupBox*>(parent)) {
        // Inside the frame's lines, not on them.
        if (!frameOf(group).adjusted(1, 1, -1, -1).contains(widget->geometry())) {
            return QStringLiteral("reaches past the frame of its group %1").arg(nameOf(parent));
        }
    }
    // Nothing of ours reaches past its parent, nor onto the border of a framed parent.
    const bool ours =
        !widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_"));
    if (ours && parent != nullptr && !parent->isWindow()) {
        const auto* frame = qobject_cast<const QFrame*>(parent);
        const QRect room = frame != nullptr ? frame->contentsRect() : parent->rect();
        if (!room.contains(widget->geometry())) {
            return QStringLiteral("reaches past the inside of %1").arg(nameOf(parent));
        }
    }
    const QRect onWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (!window->rect().contains(onWindow)) {
        return QStringLiteral("reaches past the window");
    }
    return {};
}

// Where a label's text is drawn, in its parent's coordinates.
QRect drawnText(const QLabel* label) {
    const QRect room = label->contentsRect();
    const QRect text =
        label->fontMetrics().boundingRect(room, int(label->alignment()), label->text());
    return text.translated(label->pos()).intersected(label->geometry());
}

// A caption that runs into a field, a list or a button beside it.
QString overlapProblem(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label == nullptr || label->text().isEmpty() || label->wordWrap()) {
        return {};
    }
    const QRect text = drawnText(label);
    for (const QObject* child : label->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        const bool control = qobject_cast<const QLineEdit*>(child) != nullptr ||
                             qobject_cast<const QComboBox*>(child) != nullptr ||
                             qobject_cast<const QAbstractButton*>(child) != nullptr;
        if (sibling != nullptr && control && sibling->isVisible() &&
            sibling->geometry().intersects(text)) {
            return QStringLiteral("\"%1\" runs into %2").arg(label->text(), nameOf(sibling));
        }
    }
    return {};
}

// A panel whose border does not stand out from what is around it on every side looks open.
QString openFrameProblem(QWidget* widget) {
    auto* frame = qobject_cast<QFrame*>(widget);
    if (frame == nullptr || widget->metaObject() != &QFrame::staticMetaObject ||
        frame->frameShape() == QFrame::NoFrame || frame->frameShape() == QFrame::HLine ||
        frame->frameShape() == QFrame::VLine || frame->frameWidth() == 0) {
        return {};
    }
    const QImage drawn = frame->grab().toImage();
    const QColor around = frame->parentWidget()->palette().color(QPalette::Window);
    auto standsOut = [&](int x, int y) {
        const QColor pixel = drawn.pixelColor(x * drawn.width() / frame->width(),
                                              y * drawn.height() / frame->height());
        return std::abs(qGray(pixel.rgb()) - qGray(around.rgb())) >= 32;
    };
    const int right = frame->width() - 1;
    const int bottom = frame->height() - 1;
    const struct {
        const char* side;
        bool closed;
    } sides[] = {{"top", standsOut(frame->width() / 2, 0)},
                 {"bottom", standsOut(frame->width() / 2, bottom)},
                 {"left", standsOut(0, frame->height() / 2)},
                 {"right", standsOut(right, frame->height() / 2)}};
    QStringList open;
    for (const auto& side : sides) {
        if (!side.closed) {
            open << QString::fromLatin1(side.side);
        }
    }
    return open.isEmpty()
               ? QString()
               : QStringLiteral("frame open at the %1").arg(open.join(QLatin1String(", ")));
}

QString disabledLookProblem(const QWidget* widget) {
    if (widget->isEnabled()) {
        return {};
    }
    const QPalette style = QApplication::palette(widget);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::Base, QPalette::Button, QPalette::Window}) {
        if (widget->palette().color(QPalette::Disabled, role) !=
            style.color(QPalette::Disabled, role)) {
            return QStringLiteral("disabled but drawn in %1")
                .arg(widget->palette().color(QPalette::Disabled, role).name());
        }
    }
    return {};
}

// The tool-tip a label shows when the pointer rests on it.
QString toolTipOf(QWidget* widget) {
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString choiceProblem(const QWidget* widget) {
    const auto* list = qobject_cast<const QComboBox*>(widget);
    return list != nullptr && list->isEnabled() && list->count() == 0
               ? QStringLiteral("enabled with nothing to choose")
               : QString();
}

// The labels drawn beside the plot's left edge, from the bottom up; the axis title and the
// chart's empty title left out.
QStringList drawnLabels(const QChartView& view, const QValueAxis& axis) {
    const QRectF plot = view.chart()->mapRectToScene(view.chart()->plotArea());
    QList<const QGraphicsTextItem*> left;
    for (const QGraphicsItem* item : view.scene()->items()) {
        const auto* text = qgraphicsitem_cast<const QGraphicsTextItem*>(item);
        if (text != nullptr && text->isVisible() &&
            text->sceneBoundingRect().right() <= plot.left() && !text->toPlainText().isEmpty() &&
            text->toPlainText() != axis.titleText()) {
            left << text;
        }
    }
    std::sort(left.begin(), left.end(), [](const auto* a, const auto* b) {
        return a->sceneBoundingRect().center().y() > b->sceneBoundingRect().center().y();
    });
    QStringList labels;
    for (const QGraphicsTextItem* text : left) {
        labels << text->toPlainText();
    }
    return labels;
}

}  // namespace

QStringList LookProblems(QWidget* window) {
    QStringList problems;
    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < pages->count(); ++page) {
        if (!pages->isTabVisible(page)) {
            continue;
        }
        pages->setCurrentIndex(page);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow() ||
                (page > 0 && pages->widget(0)->isAncestorOf(widget))) {
                continue;
            }
            for (const QString& problem :
                 {textProblem(widget), overlapProblem(widget), placeProblem(widget, window),
                  openFrameProblem(widget), disabledLookProblem(widget), choiceProblem(widget)}) {
                if (!problem.isEmpty()) {
                    problems << QStringLiteral("%1 (page %2): %3")
                                    .arg(nameOf(widget))
                                    .arg(pages->tabText(page), problem);
                }
            }
        }
    }
    pages->setCurrentIndex(0);
    return problems;
}

class TestWindowLook : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void everyModelAfterARead_data() {
        QTest::addColumn<QString>("model");
        for (const QString& model : ConfigurableModels()) {
            QTest::newRow(qPrintable(model)) << model;
        }
    }

    void everyModelAfterARead() {
        QFETCH(QString, model);
        WindowBench bench(model, 0, false);
        QVERIFY(bench.started);
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bench.form->ReadAll();
        QCOMPARE(bench.state.ModelCode, model);
        const QStringList problems = LookProblems(&window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        // The pages are laid out to the pixel: no window manager may stretch or maximise it.
        QCOMPARE(window.minimumSize(), QSize(747, 658));
        QCOMPARE(window.maximumSize(), QSize(747, 658));
    }

    // Every tool button and every parameter field that holds a value shows its hint where the
    // pointer is, as well as in the status bar.
    void hintsShowAsToolTips() {
        WindowBench bench(QStringLiteral("Q7383D"), 0, false);
        ConfiguratorWindow window(*bench.form);
        bench.form->ReadAll();
        for (const FormControl* control : {bench.form->FindControl(QStringLiteral("TBOpenCom")),
                                           bench.form->FindControl(QStringLiteral("TBHelp")),
                                           bench.form->FindControl(QStringLiteral("TDownscale1")),
                                           bench.form->FindControl(QStringLiteral("CInputTm1"))}) {
            const QWidget* widget = window.widgetNamed(control->objectName());
            QVERIFY2(!control->hint().isEmpty(), qPrintable(control->objectName()));
            QCOMPARE(widget->toolTip(), control->hint());
        }
        QCOMPARE(window.widgetNamed(QStringLiteral("TDownscale1"))->toolTip(),
                 QString::fromUtf8("Range from -250 to 1350 (°C)"));
    }

    // The password cover masks what is typed, as the Settings page does; the sensor list opens
    // with its 14 lines.
    void passwordMaskedAndListLengths() {
        WindowBench bench(QStringLiteral("Q7383D"), 0, false);
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.Find<QLineEdit>(QStringLiteral("TEntryPassword"))->echoMode(),
                 QLineEdit::Password);
        bench.form->ReadAll();
        auto* sensors = window.Find<QComboBox>(QStringLiteral("CInputTm1"));
        QVERIFY(sensors->count() > 14);
        QCOMPARE(sensors->maxVisibleItems(), 14);
        QCOMPARE(window.Find<QComboBox>(QStringLiteral("CInput1"))->maxVisibleItems(), 8);
        QCOMPARE(window.Find<QComboBox>(QStringLiteral("COutput1"))->maxVisibleItems(), 8);
        QCOMPARE(sensors->style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, sensors), 0);
        sensors->showPopup();
        const auto* view = sensors->view();
        QTRY_VERIFY(view->isVisible());
        const int row = view->sizeHintForRow(0);
        QVERIFY(view->viewport()->height() >= 14 * row);
        QVERIFY(view->viewport()->height() < 15 * row);
        sensors->hidePopup();
    }

    // A group's frame line runs through its title, so a heading placed just below the title is
    // inside the frame rather than on its line.
    void groupFrameRunsThroughItsTitle() {
        WindowBench bench(QStringLiteral("Q7323X"), 0, false);
        ConfiguratorWindow window(*bench.form);
        bench.form->ReadAll();
        const auto* group = window.Find<QGroupBox>(QStringLiteral("GBOutput"));
        QVERIFY(!group->title().isEmpty());
        const QRect frame = frameOf(group);
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, group);
        QVERIFY(frame.top() > title.top());
        QVERIFY(frame.top() < title.bottom());
        QVERIFY(window.widgetNamed(QStringLiteral("POutputChannel1"))->y() > frame.top());
    }

    // The status text spreads over empty panels beside it; what still does not fit, there or in
    // an information panel, is shortened and shown whole as a tool-tip.
    void longTextsGrowOrElide() {
        WindowBench bench(QStringLiteral("Q7383D"), 0, false);
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* status = window.Find<widgets::ElidingLabel>(QStringLiteral("StatusBar1Panel0"));
        QVERIFY(status != nullptr);
        const int ownWidth = status->width();
        const QString written = QStringLiteral(
            "Status: New Configuration Uploaded Correctly, "
            "and read back without a difference");
        QCOMPARE(bench.form->StatusPanel(1), QString());
        bench.form->PointedAt(written);
        QVERIFY(status->width() > ownWidth);
        QVERIFY(!status->isElided());

        // A loaded configuration describes its model in the panel beside.
        bench.dialogs.answerFileDialog(KVC7345_DATA_DIR "/factorydefaults/Q7383D.NVC");
        QVERIFY(bench.form->ReadFromFile(FileSource::Archive));
        QCOMPARE(bench.form->StatusPanel(1), QStringLiteral("Q7383D: Temperature Converter"));
        QCOMPARE(status->width(), ownWidth);
        QVERIFY(status->isElided());
        QCOMPARE(toolTipOf(status), written);

        const QString file = QStringLiteral("a configuration file with a very long name.NVC");
        bench.form->Control(QStringLiteral("LSourceRight")).setText(file);
        auto* source = window.Find<widgets::ElidingLabel>(QStringLiteral("LSourceRight"));
        QVERIFY(source->isElided());
        QCOMPARE(toolTipOf(source), file);
    }

    // The cold-junction list a V7385D's TC sensor enables has no items on that model.
    void anEmptyListIsNeverOffered() {
        WindowBench bench(QStringLiteral("V7385D"), 300, false);
        ConfiguratorWindow window(*bench.form);
        FormControl& list = bench.form->Control(QStringLiteral("CCJCom1"));
        auto* widget = window.Find<QComboBox>(QStringLiteral("CCJCom1"));
        list.setItems({});
        list.setEnabled(true);
        QVERIFY(!widget->isEnabled());
        list.setItems({QStringLiteral("Automatic"), QStringLiteral("Fixed")}, 0);
        QVERIFY(widget->isEnabled());
        list.setEnabled(false);
        QVERIFY(!widget->isEnabled());
        list.setEnabled(true);
        list.clear();
        QVERIFY(!widget->isEnabled());
    }

    // The states that once left a disabled field looking enabled or an empty list enabled.
    void afterLaterSteps_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("step");
        QTest::newRow("V7385D 300, a TC sensor") << "V7385D" << 300 << "TC";
        QTest::newRow("Q7326S, its defaults loaded") << "Q7326S" << 0 << "load Q7326S";
        QTest::newRow("Q7356S, its defaults loaded") << "Q7356S" << 0 << "load Q7356S";
        QTest::newRow("Q7351S, then Q7383D loaded") << "Q7351S" << 0 << "load Q7383D";
        QTest::newRow("Q7383D, then F7") << "Q7383D" << 0 << "F7";
    }

    void afterLaterSteps() {
        QFETCH(QString, model);
        QFETCH(int, firmware);
        QFETCH(QString, step);
        WindowBench bench(model, firmware, false);
        QVERIFY(bench.started);
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bench.form->ReadAll();
        if (step == QLatin1String("TC")) {
            const QStringList sensors = bench.form->Control(QStringLiteral("CInputTm1")).items();
            const auto tc = std::find_if(sensors.begin(), sensors.end(), [](const QString& item) {
                return item.startsWith(QLatin1String("TC"));
            });
            QVERIFY(tc != sensors.end());
            bench.form->Choose(QStringLiteral("CInputTm1"), int(tc - sensors.begin()));
            // This model has no cold-junction choices: the field stays off, caption and all.
            QVERIFY(!bench.form->Control(QStringLiteral("CCJCom1")).isEnabled());
            QCOMPARE(bench.form->Control(QStringLiteral("LCJCom1")).colour(), colours::Silver);
        } else if (step.startsWith(QLatin1String("load "))) {
            bench.dialogs.answerFileDialog(QStringLiteral(KVC7345_DATA_DIR "/factorydefaults/") +
                                           step.mid(5) + QStringLiteral(".NVC"));
            QVERIFY(bench.form->ReadFromFile(FileSource::FactoryDefaults));
            QCOMPARE(bench.state.ModelCode, step.mid(5));
        } else {
            QTest::keyClick(&window, Qt::Key_F7);
        }
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join(QLatin1Char('\n'))));
        const QStringList problems = LookProblems(&window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The live chart's value axis reads like a scale: labels on round values within the range,
    // in the channel's decimals, and the channel's unit in the title.
    void liveValueAxisReadsLikeAScale_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("Q7383D, TC K")
            << "Q7383D" << QStringLiteral("Input [\u00B0C]")
            << QStringList{"-200.0", "0.0", "200.0", "400.0", "600.0", "800.0", "1000.0", "1200.0"};
        QTest::newRow("Q7356S, load cell")
            << "Q7356S" << QStringLiteral("Input")
            << QStringList{"0", "5000", "10000", "15000", "20000", "25000", "30000"};
    }

    void liveValueAxisReadsLikeAScale() {
        QFETCH(QString, model);
        QFETCH(QString, title);
        QFETCH(QStringList, labels);
        WindowBench bench(model, 0, false);
        QVERIFY(bench.started);
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bench.form->Control(QStringLiteral("PageControl1")).setCurrentIndex(1);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        auto* view =
            qobject_cast<QChartView*>(&window.Find<ChartHost>(QStringLiteral("Chart1"))->view());
        auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).first());
        QCOMPARE(axis->titleText(), title);
        QCOMPARE(axis->min(), bench.form->Live().Chart1.minimum());
        QCOMPARE(axis->max(), bench.form->Live().Chart1.maximum());
        // The labels as drawn: the axis lays them out when the chart is next painted.
        QTRY_COMPARE(drawnLabels(*view, *axis), labels);
    }
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
