// The window's log list goes to the system log when the window closes.

#include "form/TForm1.h"
#include "records/Clock.h"
#include "records/FileWriting.h"
#include "records/SystemLog.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QDate>
#include <QDir>
#include <QLocale>

void TForm1::UpdateLog() {
    const QStringList& lines = logLines_;
    const QString date = Today();
    const QString path = QDir(ProgramSubfolder(state_.ProgramFolder, QStringLiteral("log")))
                             .filePath(QStringLiteral("system.log"));
    const FileWriteResult outcome = AppendToFile(path, SystemLogBlock(date, lines), *state_.disk);
    if (!outcome.written) {
        state_.LogWriteFailed = true;
        // The run is over either way; the user learns that its record is missing.
        state_.message(BoxKind::Warning,
                       QStringLiteral("The log of this session could not be added to the "
                                      "system log.\r\r") +
                           QDir::toNativeSeparators(path) + QStringLiteral(": ") + outcome.reason);
    }
}
