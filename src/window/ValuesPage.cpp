#include "form/TForm1.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "window/ChartHost.h"
#include "window/Pages.h"
#include "window/Pictures.h"
#include "window/WidgetFactory.h"

namespace {

constexpr int CaptionWidth = 55;
constexpr int ValueOffset = CaptionWidth + 5;  // where a reading's value label starts
constexpr int LineHeight = 18;

// One caption with the label that shows its value; the value label's name is what the
// live reading looks up.
struct Reading {
    QString captionName;
    QString caption;
    QString valueName;
    QString initialText;
};

struct Channel {
    QString sheet;
    QString title;
    QString chart;
    QString series;
    QString start;
    QString save;
    QString refresh;
    QString refreshCaption;
    Reading model;
    Reading sensor;
    Reading status;
    Reading value;
    QString unit;
    Reading maximum;
    Reading minimum;
    Reading average;
};

Channel describe(int n) {
    const auto name = [n](const char* pattern) { return QString::fromLatin1(pattern).arg(n); };
    const auto reading = [](const QString& value, const char* caption, const QString& text) {
        QString captionName = value;
        captionName.replace(QStringLiteral("_dx"), QString());
        return Reading{captionName + QStringLiteral("_sx"), QString::fromLatin1(caption), value,
                       text};
    };
    const QString dash = QStringLiteral("-");
    // The two channels' status labels and series are spelt differently; the window finds
    // them under these names.
    const QString status = n == 1 ? QStringLiteral("Lstatus1_dx") : QStringLiteral("LStatus2_dx");
    return Channel{
        n == 1 ? QStringLiteral("TabSheet5") : QStringLiteral("TabSheet6"),
        name("CHANNEL %1"),
        name("Chart%1"),
        n == 1 ? QStringLiteral("Series1") : QStringLiteral("LineSeries1"),
        name("BReadValue%1"),
        name("BSaveValues%1"),
        name("CBRefresh%1"),
        name("LRefresh%1_sx"),
        reading(name("LModelRV%1_dx"), "Model:", dash),
        reading(name("LSensor%1OnScreen_dx"), "Sensor:", dash),
        reading(status, "Status:", QStringLiteral("Idle")),
        reading(name("LInput%1CurrentValue"), "Value:", dash),
        name("LInput%1CurrentValue_DIM"),
        reading(name("LReadValueMax%1"), "Max:", QString()),
        reading(name("LReadValueMin%1"), "Min:", QString()),
        reading(name("LReadValueAvg%1"), "Avg:", QString()),
    };
}

void addReading(QWidget* sheet, const Reading& reading, QPoint at, int valueWidth,
                Qt::Alignment valueAlignment = Qt::AlignLeft) {
    widgets::label(sheet, reading.captionName, reading.caption,
                   {at, QSize(CaptionWidth, LineHeight)});
    auto* value = widgets::label(sheet, reading.valueName, reading.initialText,
                                 {at + QPoint(ValueOffset, 0), QSize(valueWidth, LineHeight)});
    value->setAlignment(valueAlignment | Qt::AlignVCenter);
}

void addRefreshList(QWidget* sheet, const Channel& channel, QPoint at) {
    widgets::label(sheet, channel.refreshCaption, QStringLiteral("Refresh rate [ms]:"),
                   {at + QPoint(0, 3), QSize(110, LineHeight)});
    auto* list = widgets::list(sheet, channel.refresh, {at + QPoint(112, 0), QSize(62, 24)});
    // The rates themselves come from the window model.
    list->setMaxVisibleItems(static_cast<int>(RefreshRateChoices().size()));
}

void buildChannel(QTabWidget* channels, const Channel& channel) {
    auto* sheet = new QWidget(channels);
    sheet->setObjectName(channel.sheet);
    channels->addTab(sheet, channel.title);

    const int width = channels->width() - 8;
    auto* chart = new ChartHost(sheet, channel.series);
    chart->setObjectName(channel.chart);
    chart->setGeometry(4, 4, width - 4, 466);

    constexpr int Row = 22;
    constexpr int Top = 482;
    addReading(sheet, channel.model, {12, Top}, 200);
    addReading(sheet, channel.sensor, {12, Top + Row}, 200);
    addReading(sheet, channel.status, {12, Top + 2 * Row}, 200);

    constexpr int Values = 300;
    constexpr int Numbers = 80;
    addReading(sheet, channel.value, {Values, Top}, Numbers, Qt::AlignRight);
    widgets::label(sheet, channel.unit, QString(),
                   {Values + ValueOffset + Numbers + 6, Top, 70, LineHeight});
    addReading(sheet, channel.maximum, {Values, Top + Row}, Numbers, Qt::AlignRight);
    addReading(sheet, channel.minimum, {Values, Top + 2 * Row}, Numbers, Qt::AlignRight);
    addReading(sheet, channel.average, {Values, Top + 3 * Row}, Numbers, Qt::AlignRight);

    const int controls = width - 180;
    addRefreshList(sheet, channel, {controls, Top - 2});
    widgets::button(sheet, channel.start, QStringLiteral("START"),
                    {controls, Top + Row + 4, 174, 34});
    widgets::button(sheet, channel.save, QStringLiteral("Save..."),
                    {controls, Top + Row + 42, 174, 26});
}

}  // namespace

void BuildValuesPage(QWidget* page) {
    widgets::label(page, QStringLiteral("LStartReadValues"),
                   QStringLiteral("Please connect isolator and click button below to start Input "
                                  "reading session"),
                   {20, 170, PageArea.width() - 40, 20})
        ->setAlignment(Qt::AlignCenter);

    constexpr QSize ButtonSize(220, 190);
    auto* start =
        widgets::button(page, QStringLiteral("BStartReadValues"), QString(),
                        {QPoint((PageArea.width() - ButtonSize.width()) / 2, 200), ButtonSize});
    const QSize pictureSize = ButtonSize - QSize(36, 36);
    start->setIcon(pictures::startReading(pictureSize));
    start->setIconSize(pictureSize);

    // Shown in place of the start button once the live view is prepared.
    auto* channels = new QTabWidget(page);
    channels->setObjectName(QStringLiteral("PageControl2"));
    channels->setGeometry({QPoint(0, 0), PageArea});
    buildChannel(channels, describe(1));
    buildChannel(channels, describe(2));
    channels->hide();
}
