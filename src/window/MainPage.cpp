// The first page: tool bar, parameter group frames, log list and information strip.

#include "window/MainWindow.h"
#include "window/ToolIcons.h"
#include "window/WidgetFactory.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <utility>

using namespace widgets;

namespace {

struct ToolButtonSpec {
    const char* name;
    const char* hint;
    bool enabled;
    QIcon (*icon)();
    bool dividerAfter;
};

const ToolButtonSpec ToolButtons[] = {
    {"TBOpenCom", "Load from COM port (F1)", true, toolicons::LoadFromPort, false},
    {"TBSaveCom", "Save to COM Port (F2)", false, toolicons::SaveToPort, true},
    {"BitBtn3", "Load from File (F3)", true, toolicons::LoadFromFile, false},
    {"TBSaveFile", "Save to File (F4)", false, toolicons::SaveToFile, true},
    {"BitBtn2", "Load Factory Defaults (F5)", true, toolicons::FactoryDefaults, false},
    {"BitBtn1", "Print Report Sheet (F6)", false, toolicons::PrintReport, false},
    {"TBSaveReportPdf", "Save Report as PDF", false, toolicons::SaveReportPdf, false},
    {"TBHistory", "Configuration history", true, toolicons::History, true},
    {"TBClear", "Reset Form (F7)", false, toolicons::ResetForm, false},
    {"TBHelp", "Help (F8)", true, toolicons::Help, false},
};

struct GroupSpec {
    const char* name;
    QRect place;
};

const GroupSpec Groups[] = {
    {"GBInput", {5, 32, 177, 462}},         {"GBOutput", {189, 32, 177, 385}},
    {"GBAlarmA", {373, 32, 177, 409}},      {"GBAlarmB", {557, 32, 177, 409}},
    {"GBChannelTags", {189, 418, 177, 76}}, {"GBCalibration", {5, 494, 177, 113}},
    {"GBModbus", {189, 495, 177, 112}},
};

struct HeadingSpec {
    const char* group;
    const char* name;
    const char* caption;
    int top;
};

const HeadingSpec Headings[] = {
    {"GBInput", "PInputChannel1", "Channel 1", 14},
    {"GBInput", "PInputChannel2", "Channel 2", 240},
    {"GBOutput", "POutputChannel1", "Channel 1", 14},
    {"GBOutput", "POutputChannel2", "Channel 2", 104},
    {"GBOutput", "POutputLimit1", "Output Limits", 194},
    {"GBAlarmA", "PAlarmAChannel1", "Alarm 1 A", 14},
    {"GBAlarmA", "PAlarmBChannel1", "Alarm 1 B", 208},
    {"GBAlarmB", "PAlarmAChannel2", "Alarm 2 A", 14},
    {"GBAlarmB", "PAlarmBChannel2", "Alarm 2 B", 208},
};

// Tab follows the page as it is read, not the order the controls were made in: the groups in
// the order input, output and its limits, alarms, tags, calibration, Modbus (as listed above),
// and within a group row by row, left to right.
void orderTabStops(QWidget* page) {
    QWidget* previous = page->findChild<QToolButton*>(
        QString::fromLatin1(ToolButtons[std::size(ToolButtons) - 1].name));
    for (const GroupSpec& layout : Groups) {
        auto* group = page->findChild<QGroupBox*>(QString::fromLatin1(layout.name));
        QList<QWidget*> stops;
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if ((child->focusPolicy() & Qt::TabFocus) != 0) {
                stops << child;
            }
        }
        std::stable_sort(stops.begin(), stops.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        for (QWidget* stop : stops) {
            QWidget::setTabOrder(previous, stop);
            previous = stop;
        }
    }
}

}  // namespace

void ConfiguratorWindow::buildMainPage(QWidget* page) {
    buildToolBar(page);
    buildGroups(page);
    buildLogAndInformation(page);
    orderTabStops(page);
}

void ConfiguratorWindow::buildToolBar(QWidget* page) {
    auto* bar = new QFrame(page);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setGeometry(0, 0, 741, 33);

    QLabel* model = label(bar, QStringLiteral("LModelTop"), QString(), {2, 2, 112, 28});
    QFont bold = model->font();
    bold.setBold(true);
    bold.setPointSize(15);
    model->setFont(bold);
    model->setAlignment(Qt::AlignCenter);

    // The separator gave up one button's width each to "Save Report as PDF" and "Configuration
    // history", which stand beside the print button; the bar keeps its width.
    int left = 2 + 112 + 188 - 2 * 51;
    for (std::size_t i = 0; i < std::size(ToolButtons); ++i) {
        const ToolButtonSpec& layout = ToolButtons[i];
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setGeometry(left, 2, 51, 28);
        button->setIcon(layout.icon());
        button->setIconSize({24, 24});
        button->setAutoRaise(true);
        button->setEnabled(layout.enabled);
        setHint(button, QString::fromLatin1(layout.hint));
        left += 51;
        // A thin divider after every pair of buttons, the report and history buttons counting
        // as one.
        if (layout.dividerAfter) {
            auto* divider = new QFrame(bar);
            divider->setFrameShape(QFrame::VLine);
            divider->setFrameShadow(QFrame::Sunken);
            divider->setGeometry(left + 1, 4, 4, 24);
            left += 6;
        }
    }
}

void ConfiguratorWindow::buildGroups(QWidget* page) {
    for (const GroupSpec& layout : Groups) {
        group(page, QString::fromLatin1(layout.name), QString(), layout.place);
    }
    auto groupNamed = [page](const char* name) {
        return page->findChild<QGroupBox*>(QString::fromLatin1(name));
    };
    for (const HeadingSpec& layout : Headings) {
        QLabel* heading =
            headingPanel(groupNamed(layout.group), QString::fromLatin1(layout.name),
                         QString::fromLatin1(layout.caption), {8, layout.top, 161, 18});
        setTextColour(heading, Silver);
    }

    QGroupBox* tags = groupNamed("GBChannelTags");
    for (int channel = 1; channel <= 2; ++channel) {
        const int top = 18 + (channel - 1) * 26;
        label(tags, QStringLiteral("LTag%1").arg(channel), QStringLiteral("%1:").arg(channel),
              {8, top + 2, 16, 16});
        QLineEdit* tag = edit(tags, QStringLiteral("TTag%1").arg(channel), {26, top, 143, 20});
        tag->setMaxLength(16);
        widgets::setPadded(tag);
        tag->setEnabled(false);
        setHint(tag, QStringLiteral("Maximum 16 characters"));
    }

    QGroupBox* calibration = groupNamed("GBCalibration");
    button(calibration, QStringLiteral("BAquireZero"), QStringLiteral("Aquire Zero"),
           {6, 72, 70, 26})
        ->setEnabled(false);
    button(calibration, QStringLiteral("BAquireReference"), QStringLiteral("Aquire Reference"),
           {78, 72, 93, 26})
        ->setEnabled(false);

    buildParameterControls(page);
}

void ConfiguratorWindow::buildLogAndInformation(QWidget* page) {
    log_ = new QListWidget(page);
    log_->setObjectName(QStringLiteral("ListBox1"));
    log_->setGeometry(373, 446, 360, 110);
    log_->setMouseTracking(true);
    log_->setUniformItemSizes(true);

    QFrame* strip = panel(page, QStringLiteral("CentralInfoPanel"), {373, 558, 360, 54});
    strip->setFrameShape(QFrame::NoFrame);
    struct InfoPanel {
        const char* name;
        const char* left;
        const char* leftCaption;
        const char* right;
        const char* rightCaption;
        int column;
        int row;
    };
    const InfoPanel panels[] = {
        {"Panel1", "LModelLeft", "Model: ", "LModel", "-", 0, 0},
        {"Panel2", "LSourceLeft", "Source: ", "LSourceRight", "-", 0, 1},
        {"Panel6", "LDateLeft", "Date: ", "LDateRight", "-", 0, 2},
        {"Panel4", "LExtra1Left", "", "LExtra1Right", "", 1, 0},
        {"Panel5", "LExtra2Left", "", "LExtra2Right", "", 1, 1},
        {"Panel9", "LDataSheet", "", nullptr, nullptr, 1, 2},
    };
    for (const InfoPanel& layout : panels) {
        QFrame* box = panel(strip, QString::fromLatin1(layout.name),
                            {layout.column * 181, layout.row * 18, 179, 17});
        // The captions stay inside the panel's border, which stays visible all round.
        const QRect inside = box->contentsRect();
        label(box, QString::fromLatin1(layout.left), QString::fromLatin1(layout.leftCaption),
              {4, inside.top(), layout.right ? 48 : 171, inside.height()});
        if (layout.right != nullptr) {
            label(box, QString::fromLatin1(layout.right), QString::fromLatin1(layout.rightCaption),
                  {52, inside.top(), 123, inside.height()});
        }
    }
    auto* dataSheet = strip->findChild<QLabel*>(QStringLiteral("LDataSheet"));
    QFont link = dataSheet->font();
    link.setUnderline(true);
    dataSheet->setFont(link);
    setTextColour(dataSheet, QColor(0, 0, 255));
    dataSheet->setCursor(Qt::PointingHandCursor);
    dataSheet->setVisible(false);
}
