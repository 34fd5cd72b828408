#include "shell/ConfigIni.h"

#include "shell/ProgramState.h"
#include "shell/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString DefaultComPort = QStringLiteral("DEFAULTCOMPORT");

// The program folder as the user knows it, ending in a separator.
QString shownFolder(const QString& programFolder) {
    return QDir::toNativeSeparators(QDir(programFolder).absolutePath() + QLatin1Char('/'));
}

}  // namespace

void NoConfigFileFound(ProgramState& state) {
    state.message(BoxKind::Error,
                  QStringLiteral("Configuration File (config.ini) was not found.\rA rescue set of "
                                 "configuration values will be used.\rIf problem persists, try "
                                 "reinstalling the KVC7345."));
    LoadRescueSet(state.settings);
}

void ScanConfig(ProgramState& state) {
    state.LeaveConfigFileAlone = false;
    const QString path = SettingsFilePath(state.ProgramFolder);
    const SettingsFileRead read = ReadSettingsFile(path, state.settings);
    switch (read.status) {
        case SettingsFileStatus::Read:
            return;
        case SettingsFileStatus::Missing:
        case SettingsFileStatus::Empty:
            NoConfigFileFound(state);
            return;
        case SettingsFileStatus::Unreadable:
            // The user's settings may still be in there: use the rescue set for this run, but
            // never overwrite the file with it.
            state.message(BoxKind::Error,
                          QStringLiteral("Configuration File (config.ini) could not be read:\r") +
                              QDir::toNativeSeparators(path) + QStringLiteral("\r(") + read.error +
                              QStringLiteral(")\rA rescue set of configuration values will be "
                                             "used; the file is left as it is and settings "
                                             "changed now will not be saved."));
            LoadRescueSet(state.settings);
            state.LeaveConfigFileAlone = true;
            return;
    }
}

void UpdateConfig(ProgramState& state) {
    const QString path = SettingsFilePath(state.ProgramFolder);
    if (!QFileInfo::exists(path)) {
        state.message(BoxKind::Plain, QStringLiteral("config.ini file was not found in \r") +
                                          shownFolder(state.ProgramFolder) +
                                          QStringLiteral("\r\rKVC7345 configuration cannot be "
                                                         "updated"));
        return;
    }
    if (state.LeaveConfigFileAlone) {
        return;
    }
    for (;;) {
        const SettingsFileWrite written = WriteSettingsFile(path, state.settings, *state.disk);
        if (written.written) {
            return;
        }
        // The old file is still complete; a full disk can be cleared and the save retried.
        const BoxAnswer answer = state.message(
            BoxKind::Error,
            QStringLiteral("KVC7345 configuration could not be saved to\r") +
                QDir::toNativeSeparators(path) + QStringLiteral("\r(") + written.error +
                QStringLiteral(")\rThe file keeps the settings it had before this session."),
            BoxButtons::RetryCancel);
        if (answer != BoxAnswer::Retry) {
            return;
        }
    }
}

void ForgetPortForThisRun(ProgramState& state) {
    if (state.PortForThisRun.isEmpty() ||
        state.settings.ReadConfig(DefaultComPort) != state.PortForThisRun) {
        return;
    }
    SettingsStore onDisk;
    if (ReadSettingsFile(SettingsFilePath(state.ProgramFolder), onDisk).status ==
        SettingsFileStatus::Read) {
        state.settings.WriteConfig(DefaultComPort, onDisk.ReadConfig(DefaultComPort));
    }
}
