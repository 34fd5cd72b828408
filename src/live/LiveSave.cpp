// Saving a channel's readings as CSV, for a spreadsheet or a commissioning report.

#include "form/TForm1.h"
#include "live/LiveCsv.h"
#include "records/Clock.h"
#include "shell/FileWriting.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFileInfo>

void TForm1::BSaveValues1Click() {
    saveLiveValues(1);
}

void TForm1::BSaveValues2Click() {
    saveLiveValues(2);
}

void TForm1::saveLiveValues(int channel) {
    const ChannelReading& reading = live_.reading(channel);
    if (reading.samples.isEmpty()) {
        state_.message(BoxKind::Information,
                       QStringLiteral("Channel %1 has no readings to save yet.").arg(channel));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Save Readings");
    request.folder = ProgramSubfolder(state_.ProgramFolder, QStringLiteral("archive"));
    request.proposedName = TimeStamp() + QStringLiteral("_ch%1").arg(channel);
    request.filter = QStringLiteral("CSV file (*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    request.confirmOverwrite = true;
    const QString path = state_.dialogs->chooseSaveFile(request);
    if (path.isEmpty()) {
        return;
    }
    const QString unit =
        LiveCsvUnit(Control(QStringLiteral("LInput%1CurrentValue_DIM").arg(channel)).text());
    const FileWriteResult written =
        ReplaceFile(path, LiveCsvFile(reading, live_.decimals(channel), unit), *state_.disk);
    if (!written.written) {
        state_.message(BoxKind::Error, QStringLiteral("The readings could not be saved.\r\r") +
                                           QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                           written.reason);
        return;
    }
    Memo(QStringLiteral("Saved channel %1 readings to file ").arg(channel) +
         QFileInfo(path).fileName());
}
