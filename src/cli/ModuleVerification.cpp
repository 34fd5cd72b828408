#include "cli/ModuleVerification.h"

#include "cli/CommandSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/LoadReport.h"
#include "records/ConfigurationDifference.h"

#include <QFileInfo>

bool LoadFileIntoSession(CommandSession& session, const QString& file) {
    if (!session.load(QFileInfo(file).absoluteFilePath())) {
        PrintLoadRefusal(session.lastLoad(), file);
        return false;
    }
    PrintLoadNotes(session.lastLoad());
    return true;
}

int VerifyModuleHolds(CommandSession& session, const ConfigurationValues& expected,
                      const QString& file, bool json) {
    const QString port = session.state().PortShownAs(session.state().link.ComPortName);
    const ModuleReadOutcome read = session.read();
    if (!read.completed()) {
        // Where the read stopped; the identification has spoken already.
        const QString why = DisplayText(read.message);
        PrintError(why.isEmpty() ? QStringLiteral("The module on %1 could not be read").arg(port)
                                 : QStringLiteral("The module on %1 could not be read: %2")
                                       .arg(port, why.simplified()));
        return 2;
    }
    const ConfigurationValues module = ValuesOf(session.configuration(), session.catalogue());
    const QList<ConfigurationDifference> differences =
        CompareConfigurations(expected, module, Comparison::ModuleAgainstFile);
    const SideNames names = FileAndModuleNames();
    if (json) {
        PrintJson({{QStringLiteral("file"), file},
                   {QStringLiteral("port"), port},
                   {QStringLiteral("model"), module.model},
                   {QStringLiteral("firmware"), module.firmware},
                   {QStringLiteral("agree"), differences.isEmpty()},
                   {QStringLiteral("differences"), DifferencesJson(differences, names)}});
    } else {
        for (const ConfigurationDifference& difference : differences) {
            PrintOut(DifferenceLine(difference, names));
        }
    }
    if (differences.isEmpty()) {
        PrintError(QStringLiteral("The %1 on %2 holds the configuration of %3")
                       .arg(module.model, port, file));
        return 0;
    }
    const qsizetype count = differences.size();
    PrintError(QStringLiteral("The %1 on %2 differs from %3 in %4 %5")
                   .arg(module.model, port, file, QString::number(count),
                        count == 1 ? QStringLiteral("value") : QStringLiteral("values")));
    return 1;
}
