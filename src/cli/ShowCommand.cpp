// kvc7345 show FILE.NVC: what loading the file puts into the window, in the file's own layout.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/LoadReport.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationValues.h"
#include "records/LoadNotes.h"

#include <QFileInfo>

int RunShow(const ParsedArguments& arguments) {
    const QString file = arguments.operand(0);
    if (file.isEmpty()) {
        PrintError(
            QStringLiteral("show needs a configuration file: kvc7345 show FILE.NVC "
                           "[--home DIR]"));
        return 2;
    }
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    return ShowConfigurationFile(session, file, file, arguments.has(QStringLiteral("--json")));
}

int ShowConfigurationFile(CommandSession& session, const QString& file, const QString& name,
                          bool json) {
    // The load is the window's own.
    if (!session.load(QFileInfo(file).absoluteFilePath())) {
        PrintLoadRefusal(session.lastLoad(), name);
        return 1;
    }
    const ModuleConfiguration& configuration = session.configuration();

    const ProgramState& state = session.state();
    if (json) {
        const ConfigurationValues values = ValuesOf(configuration, session.catalogue());
        ConfigurationHeader header;
        header.model = values.model;
        header.date = configuration.date;
        header.firmware = values.firmware;
        header.doneBy = values.doneBy;
        header.doneFor = values.doneFor;
        header.tag1 = values.tag1;
        header.tag2 = values.tag2;
        PrintJson({{QStringLiteral("file"), name},
                   {QStringLiteral("header"), HeaderJson(header)},
                   {QStringLiteral("parameters"), ParametersJson(values.parameters)}});
    } else {
        for (const QString& line : ConfigurationLines(configuration, session.catalogue())) {
            PrintOut(line);
        }
    }
    PrintLoadNotes(session.lastLoad());
    for (const QString& line : MissingParametersNote(
             state.ModelCode, MissingParameters(session.catalogue(), configuration))) {
        PrintError(line);
    }
    return 0;
}
