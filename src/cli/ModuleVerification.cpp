#include "cli/ModuleVerification.h"

#include "cli/CommandSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/LoadReport.h"
#include "form/ReadBack.h"

#include <QFileInfo>

bool LoadFileIntoSession(CommandSession& session, const QString& file) {
    session.dialogs().presetFile(QFileInfo(file).absoluteFilePath());
    if (!session.form().ReadFromFile(FileSource::Archive)) {
        PrintLoadRefusal(session.form(), file);
        return false;
    }
    PrintLoadNotes(session.form());
    return true;
}

int VerifyModuleHolds(CommandSession& session, const ConfigurationValues& expected,
                      const QString& file, bool json) {
    TForm1& form = session.form();
    const QString port = session.state().PortShownAs(session.state().link.ComPortName);
    const ReadBackResult back = ReadBackAndCompare(form, expected);
    if (!back.read) {
        // The status box says where the read stopped; the identification has spoken already.
        const QString why = DisplayText(back.why);
        PrintError(why.isEmpty() ? QStringLiteral("The module on %1 could not be read").arg(port)
                                 : QStringLiteral("The module on %1 could not be read: %2")
                                       .arg(port, why.simplified()));
        return 2;
    }
    const SideNames names = FileAndModuleNames();
    if (json) {
        PrintJson({{QStringLiteral("file"), file},
                   {QStringLiteral("port"), port},
                   {QStringLiteral("model"), back.module.model},
                   {QStringLiteral("firmware"), back.module.firmware},
                   {QStringLiteral("agree"), back.differences.isEmpty()},
                   {QStringLiteral("differences"), DifferencesJson(back.differences, names)}});
    } else {
        for (const ConfigurationDifference& difference : back.differences) {
            PrintOut(DifferenceLine(difference, names));
        }
    }
    if (back.differences.isEmpty()) {
        PrintError(QStringLiteral("The %1 on %2 holds the configuration of %3")
                       .arg(back.module.model, port, file));
        return 0;
    }
    const qsizetype count = back.differences.size();
    PrintError(QStringLiteral("The %1 on %2 differs from %3 in %4 %5")
                   .arg(back.module.model, port, file, QString::number(count),
                        count == 1 ? QStringLiteral("value") : QStringLiteral("values")));
    return 1;
}
